// Box files cut at every byte: the reader returns a code, and the box holds
// exactly the palettes whose records it read, never a failed one. The
// loader, which reads the file ahead, against the record functions.
#include "host/record_file.h"
#include "storage/box_records.h"
#include "tests/native/storage/box_test_support.h"
#include "tests/native/storage/storage_expect.h"
#include "tests/native/storage/storage_samples.h"

#include <cstring>
#include <memory>
#include <string>

namespace {
constexpr int kBoxCodes[] = {0, 1, 2, 4, 8, 0x10, 0x20, 0x10001};

bool IsBoxCode(int result) {
    for (int code : kBoxCodes)
        if (result == code)
            return true;
    return false;
}

struct Written {
    std::vector<BYTE> bytes;
    std::vector<size_t> recordEnds; // where each palette record ends
};

Written WriteBox(CVPaletteBox& box, bool older) {
    Written written;
    CMemFile file;
    EXPECT_EQ(0, older ? WriteBoxOld(box, &file) : WriteBoxRecords(box, &file));
    written.bytes = BytesOf(file);
    size_t end = 14;
    for (int pos = 0; pos < box.GetPltCount(); ++pos) {
        CMemFile record;
        if (older)
            WritePltOld(*box.GetPlt(pos), &record);
        else
            box.GetPlt(pos)->WritePlt(&record);
        end += static_cast<size_t>(record.GetLength());
        written.recordEnds.push_back(end);
    }
    EXPECT_EQ(end, written.bytes.size());
    return written;
}

int WholeRecords(const Written& written, size_t cut) {
    int whole = 0;
    while (whole < static_cast<int>(written.recordEnds.size()) && written.recordEnds[whole] <= cut)
        ++whole;
    return whole;
}

// Every field of a palette at once, as its current record.
std::vector<BYTE> RecordOf(CVObjPlt& plt) {
    CMemFile file;
    plt.WritePlt(&file);
    return BytesOf(file);
}

// Every byte near the start and the end of a long file, every seventh
// between, where the empty slots repeat one another.
size_t NextCut(size_t cut, size_t size) {
    return cut < 2000 || cut + 1000 > size ? cut + 1 : cut + 7;
}

CVPaletteBox* TwoPalettes() {
    CVPaletteBox* box = new CVPaletteBox;
    for (int n = 0; n < 2; ++n) {
        CVObjPlt* plt = new CVObjPlt;
        FillSamplePlt(*plt, n == 0 ? 301 : 201, 2, n);
        box->AddPlt(plt);
    }
    return box;
}
// The bytes up to a cut, in a buffer of their own, so that the sanitizers see
// any read past them.
std::vector<BYTE> Cut(const std::vector<BYTE>& bytes, size_t cut) {
    return std::vector<BYTE>(bytes.begin(), bytes.begin() + cut);
}

// A file that gives at most a few bytes on each read, as a pipe may.
class CTrickleFile : public CMemFile {
public:
    CTrickleFile(std::vector<BYTE>& bytes, UINT most)
        : CMemFile(bytes.data(), static_cast<UINT>(bytes.size())), m_most(most) {}
    UINT Read(void* data, UINT count) override {
        return CMemFile::Read(data, count < m_most ? count : m_most);
    }

private:
    UINT m_most;
};

// The loader's reader; `most` bytes at a time from the file when not 0.
int ReadBox(CVPaletteBox& box, std::vector<BYTE> bytes, bool olderLayout, UINT most = 0) {
    CTrickleFile file(bytes, most ? most : static_cast<UINT>(bytes.size()));
    return ReadBoxRecords(box, &file, olderLayout);
}

// The box read through the host's record functions on a file, palette by
// palette; the loader, reading ahead, must give the same in every case.
int ReadBoxThroughFile(CVPaletteBox& box, std::vector<BYTE> bytes, bool olderLayout) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    int count = 0;
    if (OwnNoCheck(&file, 5004) != 0)
        return 0x10001;
    if (!ReadData(&file, &box.SelPNo, 4) || !ReadData(&file, &box.BoxWord, 4) ||
        !ReadData(&file, &count, 4) || count < 0 || count > VELMORA_MAX_PLT)
        return 2;
    int result = 0;
    for (int k = 0; k < count; ++k) {
        CVObjPlt* plt = new CVObjPlt;
        result = olderLayout ? plt->ReadPltOld(&file) : plt->ReadPlt(&file);
        if (result == 0)
            box.AddPlt(box.GetPltCount(), plt);
        else
            delete plt;
    }
    return result;
}

// Every byte of every slot, the whole condition union included.
bool SameSlots(const CVObjPlt& a, const CVObjPlt& b) {
    if (a.PNm != b.PNm || a.Zty != b.Zty)
        return false;
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
        const CVObjBrs& x = a.Brs[pos];
        const CVObjBrs& y = b.Brs[pos];
        if (x.BFg != y.BFg || x.Col != y.Col || x.Hat != y.Hat || x.BNm != y.BNm ||
            std::memcmp(&x.ZVal, &y.ZVal, sizeof x.ZVal) != 0 || x.LayerNo != y.LayerNo ||
            x.PaintFlg != y.PaintFlg ||
            std::memcmp(&x.PaintData, &y.PaintData, sizeof x.PaintData) != 0 ||
            std::memcmp(&x.HatchData, &y.HatchData, sizeof x.HatchData) != 0)
            return false;
    }
    return true;
}

void ExpectSameRead(const std::vector<BYTE>& bytes, bool olderLayout, size_t where, UINT most = 0) {
    CVPaletteBox readAhead;
    CVPaletteBox throughFile;
    ASSERT_EQ(ReadBoxThroughFile(throughFile, bytes, olderLayout),
              ReadBox(readAhead, bytes, olderLayout, most))
        << where;
    ASSERT_EQ(+throughFile.SelPNo, +readAhead.SelPNo) << where;
    ASSERT_EQ(+throughFile.BoxWord, +readAhead.BoxWord) << where;
    ASSERT_EQ(throughFile.GetPltCount(), readAhead.GetPltCount()) << where;
    for (int pos = 0; pos < readAhead.GetPltCount(); ++pos)
        ASSERT_TRUE(SameSlots(*throughFile.GetPlt(pos), *readAhead.GetPlt(pos))) << where;
}
} // namespace

TEST(Truncation, OlderLayoutKeepsExactlyTheWholePalettes) {
    std::unique_ptr<CVPaletteBox> box(TwoPalettes());
    Written written = WriteBox(*box, true);
    // The palettes as the whole file gives them: heads read, tails cleared.
    CVPaletteBox whole;
    ASSERT_EQ(0, ReadBox(whole, written.bytes, true));
    for (size_t cut = 0; cut <= written.bytes.size(); ++cut) {
        CVPaletteBox read;
        const int result = ReadBox(read, Cut(written.bytes, cut), true);
        ASSERT_TRUE(IsBoxCode(result)) << cut;
        ASSERT_EQ(cut == written.bytes.size(), result == 0) << cut;
        const int count = WholeRecords(written, cut);
        ASSERT_EQ(count, read.GetPltCount()) << cut;
        // A palette reads alike from every longer prefix: compare where one ends.
        const bool recordEnd = count > 0 && written.recordEnds[count - 1] == cut;
        for (int pos = 0; recordEnd && pos < count; ++pos)
            ASSERT_TRUE(RecordOf(*whole.GetPlt(pos)) == RecordOf(*read.GetPlt(pos))) << cut;
    }
}

TEST(Truncation, CurrentLayoutKeepsAPaletteCutInABrushHead) {
    CVPaletteBox box;
    CVObjPlt* plt = new CVObjPlt;
    FillSamplePlt(*plt, 501, 2, 3);
    box.AddPlt(plt);
    const Written written = WriteBox(box, false);
    for (size_t cut = 0; cut <= written.bytes.size(); cut = NextCut(cut, written.bytes.size())) {
        CVPaletteBox read;
        const int result = ReadBox(read, Cut(written.bytes, cut), false);
        ASSERT_TRUE(IsBoxCode(result)) << cut;
        ASSERT_EQ(result == 0 && cut >= 14, read.GetPltCount() == 1) << cut;
        if (read.GetPltCount() == 1) {
            ASSERT_EQ(plt->PNm, read.GetPlt(0)->PNm) << cut;
            ASSERT_EQ(plt->Zty, read.GetPlt(0)->Zty) << cut;
        }
    }
}

class TruncatedFileTest : public BoxFolderTest {};

TEST_F(TruncatedFileTest, CutFilesLoadWithACode) {
    std::unique_ptr<CVPaletteBox> box(TwoPalettes());
    const Written written = WriteBox(*box, true);
    for (size_t cut = 0; cut <= written.bytes.size(); cut += 17) {
        WriteBytes(BoxPath("cut"),
                   std::vector<unsigned char>(written.bytes.begin(), written.bytes.begin() + cut));
        CVPaletteBox read;
        const int result = read.ReadPltsBoxOld("cut", kKind);
        ASSERT_TRUE(IsBoxCode(result)) << cut;
        ASSERT_EQ(WholeRecords(written, cut), read.GetPltCount()) << cut;
    }
}

TEST(BoxRecords, WriteCodesOfTheHeader) {
    CVPaletteBox box;
    CVObjPlt* plt = new CVObjPlt;
    FillSamplePlt(*plt, 101, 1, 1);
    box.AddPlt(plt);
    class FullFile : public CMemFile {
    public:
        explicit FullFile(UINT room) : m_room(room) {}
        void Write(const void* data, UINT count) override {
            if (GetPosition() + count > m_room)
                AfxThrowMemoryException();
            CMemFile::Write(data, count);
        }
        UINT m_room;
    };
    const struct {
        UINT room;
        int code;
    } cases[] = {{0, 0x10001}, {1, 0x10001}, {2, 0x140}, {9, 0x140}, {13, 0x140}, {14, 0x101}};
    for (const auto& each : cases) {
        FullFile file(each.room);
        EXPECT_EQ(each.code, WriteBoxRecords(box, &file)) << each.room;
    }
}

void ExpectSameReadCutAndDamaged(const std::vector<BYTE>& bytes, bool older, size_t at) {
    ExpectSameRead(Cut(bytes, at), older, at);
    // 0xFF makes a count run past the end; 0x01 shortens it.
    for (BYTE value : {BYTE{0xFF}, BYTE{0x01}}) {
        std::vector<BYTE> damaged = bytes;
        if (at < bytes.size())
            damaged[at] = value;
        ExpectSameRead(damaged, older, at);
    }
}

// Cut or damaged files of each condition layout, in both record layouts:
// every result, field and partial read of the loader is that of the host's
// record functions. Bytes are cut and damaged one by one through the header,
// the brush in use and the first empty slot, and at the end of the file.
TEST(ReadAhead, SameAsThroughTheRecordFunctions) {
    // 201 stands for 401 too: integer and date conditions share their layout.
    for (WORD zty : {0, 101, 201, 301, 501})
        for (bool older : {false, true}) {
            SCOPED_TRACE(std::to_string(zty) + (older ? " older layout" : " current layout"));
            CVPaletteBox box;
            CVObjPlt* plt = new CVObjPlt;
            FillSamplePlt(*plt, zty, 1, zty);
            box.AddPlt(plt);
            const std::vector<BYTE> bytes = WriteBox(box, older).bytes;
            // Where the second slot, the first empty one, ends.
            const size_t slotsEnd = older ? 120 : 550;
            for (size_t at = 0; at <= bytes.size(); ++at)
                if (at < slotsEnd || at + 32 >= bytes.size())
                    ExpectSameReadCutAndDamaged(bytes, older, at);
        }
}

// Items that lie across the end of what the loader has read so far: from a
// file that gives a few bytes at a time, every item needs another read.
TEST(ReadAhead, FileGivingAFewBytesAtATime) {
    CVPaletteBox box;
    for (WORD zty : {301, 401, 501}) {
        CVObjPlt* plt = new CVObjPlt;
        FillSamplePlt(*plt, zty, 3, zty);
        box.AddPlt(plt);
    }
    for (bool older : {false, true}) {
        const std::vector<BYTE> bytes = WriteBox(box, older).bytes;
        for (UINT most : {1u, 3u, 64u})
            for (size_t cut : {bytes.size(), bytes.size() / 2, size_t{100}})
                ExpectSameRead(Cut(bytes, cut), older, cut, most);
    }
}

// A text longer than the piece the loader reads ahead.
TEST(ReadAhead, TextLongerThanAPiece) {
    CVPaletteBox box;
    CVObjPlt* plt = new CVObjPlt;
    FillSamplePlt(*plt, 301, 2, 1);
    plt->PNm = CString(std::string(300000, 'p').c_str());
    box.AddPlt(plt);
    const std::vector<BYTE> bytes = WriteBox(box, false).bytes;
    ExpectSameRead(bytes, false, bytes.size());
    CVPaletteBox read;
    ASSERT_EQ(0, ReadBox(read, bytes, false));
    ExpectSameBox(box, read);
}
