// Box records cut, damaged and written into a full file: each stop gives its
// item's code, and the loader agrees with the host's record functions.
#include "host/record_file.h"
#include "storage/box_records.h"
#include "tests/native/storage/storage_samples.h"
#include "tests/native/storage/storage_support.h"

#include <memory>

namespace {
// Gives at most `most` bytes on each read, as a pipe may.
struct CTrickleFile : CMemFile {
    CTrickleFile(Bytes& bytes, UINT most)
        : CMemFile(bytes.data(), static_cast<UINT>(bytes.size())), m_most(most) {}
    UINT Read(void* data, UINT count) override {
        return CMemFile::Read(data, std::min(count, m_most));
    }
    UINT m_most;
};

// Takes only `room` bytes, then fails as a full disk does.
struct CFullFile : CMemFile {
    explicit CFullFile(size_t room) : m_room(room) {}
    void Write(const void* data, UINT count) override {
        if (GetPosition() + count > m_room)
            AfxThrowFileException(CFileException::diskFull);
        CMemFile::Write(data, count);
    }
    size_t m_room;
};

// Where an item ends, and the codes of reads of either layout and writes stopping in it.
struct Item {
    size_t end;
    int olderRead, currentRead, write;
};

// The items of a one-palette box: 7 per brush, 5 in the older layout. A
// current record cut in a brush head reads as far as it goes.
std::vector<Item> BoxItems(const CVObjPlt& plt, bool older) {
    std::vector<Item> items;
    size_t end = 0;
    auto add = [&](size_t size, int olderRead, int currentRead, int write) {
        items.push_back({end += size, olderRead, currentRead, write});
    };
    add(kOwnNoBytes, BOX_FILE_FAILED, BOX_FILE_FAILED, BOX_FILE_FAILED);
    add(kBoxHeaderBytes - kOwnNoBytes, BOX_HEAD_READ_FAILED, BOX_HEAD_READ_FAILED,
        BOX_HEAD_WRITE_FAILED);
    add(kOwnNoBytes, REC_OWN_NO, REC_OWN_NO, REC_WRITE | REC_OWN_NO);
    add(kTextCountBytes + plt.PNm.GetLength() + sizeof plt.Zty, REC_PLT_HEAD, REC_PLT_HEAD,
        REC_WRITE | REC_PLT_HEAD);
    const VelmoraZokKind kind = VelmoraZokKindOf(plt.Zty);
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
        const CVObjBrs& brs = plt.Brs[pos];
        add(sizeof brs.BFg, REC_ITEM, 0, REC_WRITE | REC_ITEM);
        add(sizeof brs.Col, REC_COL, 0, REC_WRITE | REC_COL);
        add(sizeof brs.Hat, REC_HAT, 0, REC_WRITE | REC_HAT);
        add(kTextCountBytes + brs.BNm.GetLength(), REC_BNM, 0, REC_WRITE | REC_BNM);
        add(sizeof(WORD) + (kind == ZOK_KIND_TEXT
                                ? kTextCountBytes + std::strlen(brs.ZVal.ZText.Text)
                                : kConditionValueBytes[kind]),
            REC_ITEM, 0, REC_WRITE | REC_ITEM);
        if (older)
            continue;
        add(sizeof kBrsTailMark, 0, 0, REC_WRITE | REC_ITEM);
        add(kBrsTailBytes - sizeof kBrsTailMark, 0, REC_ITEM, REC_WRITE | REC_ITEM);
    }
    return items;
}

int ReadBoxThroughFile(CVPaletteBox& box, Bytes bytes, bool older) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    int count = 0, result = 0;
    if (OwnNoCheck(&file, VELMORA_OWN_NO) != 0)
        return BOX_FILE_FAILED;
    if (!ReadData(&file, &box.SelPNo, 4) || !ReadData(&file, &box.BoxWord, 4) ||
        !ReadData(&file, &count, 4) || count < 0 || count > VELMORA_MAX_PLT)
        return BOX_HEAD_READ_FAILED;
    for (int k = 0; k < count; ++k) {
        auto plt = std::make_unique<CVObjPlt>();
        result = older ? plt->ReadPltOld(&file) : plt->ReadPlt(&file);
        if (result == 0)
            box.AddPlt(box.GetPltCount(), plt.release());
    }
    return result;
}

// Every byte of every slot, condition union included; BNm lies among the items.
bool SameSlots(const CVObjPlt& a, const CVObjPlt& b) {
    auto same = [](const void* x, const void* y, const void* xEnd) {
        return std::memcmp(x, y, static_cast<const char*>(xEnd) - static_cast<const char*>(x)) == 0;
    };
    bool alike = a.PNm == b.PNm && a.Zty == b.Zty;
    for (int k = 0; alike && k < VELMORA_MAX_BRS; ++k)
        alike = same(&a.Brs[k].BFg, &b.Brs[k].BFg, &a.Brs[k].BNm) && a.Brs[k].BNm == b.Brs[k].BNm &&
                same(&a.Brs[k].ZVal, &b.Brs[k].ZVal, &a.Brs[k].HatchData + 1);
    return alike;
}

// The loader's result and box, which the record functions must match. The
// bytes are a copy, so that the sanitizers see any read past them.
int ExpectSameRead(Bytes bytes, bool older, size_t at, CVPaletteBox& read, UINT most = 0) {
    CVPaletteBox throughFile;
    CTrickleFile file(bytes, most ? most : static_cast<UINT>(bytes.size()));
    const int result = ReadBoxRecords(read, &file, older);
    EXPECT_EQ(ReadBoxThroughFile(throughFile, bytes, older), result) << at;
    EXPECT_EQ(std::make_tuple(+throughFile.SelPNo, +throughFile.BoxWord, throughFile.GetPltCount()),
              std::make_tuple(+read.SelPNo, +read.BoxWord, read.GetPltCount()))
        << at;
    for (int pos = 0; pos < read.GetPltCount() && pos < throughFile.GetPltCount(); ++pos)
        EXPECT_TRUE(SameSlots(*throughFile.GetPlt(pos), *read.GetPlt(pos))) << at;
    return result;
}

Bytes WriteBox(CVPaletteBox& box, bool older) {
    CMemFile file;
    EXPECT_EQ(0, older ? WriteBoxOld(box, &file) : WriteBoxRecords(box, &file));
    return BytesOf(file);
}
} // namespace

// Every kind in both layouts, cut at every byte of its first slots and its end.
TEST(Records, EachCutGivesTheCodeOfItsItemAndDamageReadsAlike) {
    for (WORD zty : {0, 101, 201, 301, 401, 501})
        for (bool older : {false, true}) {
            SCOPED_TRACE(std::to_string(zty) + (older ? " older" : " current"));
            CVPaletteBox box;
            CVObjPlt* plt = new CVObjPlt;
            FillSamplePlt(*plt, zty, 1, zty);
            const CVObjBrs last = SampleBrs(zty, 77); // out of list order, stored all the same
            plt->SetObjBrs(VELMORA_MAX_BRS - 1, &last);
            box.AddPlt(plt);
            const Bytes bytes = WriteBox(box, older);
            const std::vector<Item> items = BoxItems(*plt, older);
            ASSERT_EQ(items.back().end, bytes.size());
            const size_t slotsEnd = items[3 + 2 * (older ? 5 : 7)].end;
            for (size_t at = 0; at <= bytes.size(); ++at) {
                if (at >= slotsEnd && at + 32 < bytes.size())
                    continue;
                const auto item = std::find_if(items.begin(), items.end(),
                                               [at](const Item& i) { return i.end > at; });
                const bool whole = item == items.end();
                const int code = whole ? 0 : older ? item->olderRead : item->currentRead;
                if (!older) {
                    CFullFile file(at);
                    ASSERT_EQ(whole ? 0 : item->write, WriteBoxRecords(box, &file)) << at;
                }
                CVPaletteBox read;
                ASSERT_EQ(code, ExpectSameRead(Bytes(bytes.begin(), bytes.begin() + at), older, at,
                                               read));
                ASSERT_EQ(code == 0 && at >= kBoxHeaderBytes ? 1 : 0, read.GetPltCount());
                // 0xFF makes a count run past the end; 0x01 shortens it.
                for (BYTE value : {BYTE{0xFF}, BYTE{0x01}}) {
                    Bytes damaged = bytes;
                    if (at < bytes.size())
                        damaged[at] = value;
                    CVPaletteBox ignored;
                    ExpectSameRead(damaged, older, at, ignored);
                }
            }
            CVPaletteBox read; // every field back, the older layout's tails cleared
            ASSERT_EQ(0, ExpectSameRead(bytes, older, 0, read));
            if (older)
                ClearTails(*plt);
            EXPECT_EQ(Stored(box), Stored(read));
        }
}

// Items across the loader's pieces, from a file giving a few bytes at a time.
TEST(Records, ReadAheadAcrossItsPieces) {
    CVPaletteBox box;
    for (WORD zty : {301, 401, 501}) {
        CVObjPlt* plt = new CVObjPlt;
        FillSamplePlt(*plt, zty, 3, zty);
        box.AddPlt(plt);
    }
    box.GetPlt(1)->PNm = CString(std::string(300000, 'p').c_str());
    for (bool older : {false, true})
        for (UINT most : {1u, 3u, 64u, 0u}) {
            CVPaletteBox read;
            EXPECT_EQ(0, ExpectSameRead(WriteBox(box, older), older, most, read, most));
            EXPECT_TRUE(older || Stored(box) == Stored(read));
        }
}

// An unterminated condition text is written as its 254 bytes, a longer stored
// one cut to them; a text past the file's end fails and leaves the text alone.
TEST(Records, TextsAreBoundedByTheFieldAndTheFile) {
    CVObjBrs brs = SampleBrs(301, 1), read;
    std::memset(brs.ZVal.ZText.Text, 'z', sizeof brs.ZVal.ZText.Text);
    CMemFile file, older, cut;
    ASSERT_EQ(0, brs.WriteBrs(&file, 301));
    file.SeekToBegin();
    EXPECT_EQ(0, read.ReadBrs(&file, 301));
    EXPECT_EQ(std::string(VELMORA_ZTEXT_MAX, 'z'), read.ZVal.ZText.Text);
    const BYTE head[kBrsHeadFixedBytes] = {1};
    const WORD zty = 301;
    WriteData(&older, head, sizeof head);
    WriteCString(&older, "n");
    WriteData(&older, &zty, sizeof zty);
    WriteCString(&older, CString(std::string(300, 'x').c_str()));
    older.SeekToBegin();
    EXPECT_EQ(0, read.ReadBrsOld(&older, 301));
    EXPECT_EQ(std::string(VELMORA_ZTEXT_MAX, 'x'), read.ZVal.ZText.Text);

    const DWORD huge = 0x7FFFFFF0;
    WriteData(&cut, &huge, sizeof huge);
    WriteData(&cut, "abc", 3);
    cut.SeekToBegin();
    CString text("keep");
    EXPECT_EQ(0, ReadCString(&cut, text));
    EXPECT_EQ(CString("keep"), text);
}
