// Brush and palette records through a memory file: layouts, round trips,
// and the result code of every item that fails.
#include "host/record_file.h"
#include "tests/native/storage/storage_expect.h"
#include "tests/native/storage/storage_samples.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
constexpr UINT kTailBytes = 200; // tail mark, LayerNo, PaintFlg, PaintData, HatchData

// A memory file that takes only `room` bytes, then fails as a full disk does.
class FullFile : public CMemFile {
public:
    explicit FullFile(UINT room) : m_room(room) {}
    void Write(const void* data, UINT count) override {
        if (GetPosition() + count > m_room)
            AfxThrowFileException(CFileException::diskFull);
        CMemFile::Write(data, count);
    }

private:
    UINT m_room;
};

// A memory file holding the given bytes, positioned at the start.
class BytesFile : public CMemFile {
public:
    explicit BytesFile(const std::vector<BYTE>& bytes) : m_bytes(bytes) {
        Attach(m_bytes.data(), static_cast<UINT>(m_bytes.size()));
    }

private:
    std::vector<BYTE> m_bytes;
};

std::vector<BYTE> Prefix(const std::vector<BYTE>& bytes, size_t length) {
    return std::vector<BYTE>(bytes.begin(), bytes.begin() + length);
}

UINT ConditionBytes(WORD zty, const CVObjBrs& brs) {
    switch (zty / 100) {
    case 1:
        return 6;
    case 2:
    case 4:
        return 14;
    case 3:
        return 2 + 4 + static_cast<UINT>(std::strlen(brs.ZVal.ZText.Text));
    case 5:
        return 22;
    default:
        return 2;
    }
}

UINT HeadBytes(WORD zty, const CVObjBrs& brs) {
    return 4 + 1 + 4 + 4 + brs.BNm.GetLength() + ConditionBytes(zty, brs);
}

std::vector<BYTE> WrittenPlt(CVObjPlt& plt) {
    CMemFile file;
    EXPECT_EQ(0, plt.WritePlt(&file));
    return BytesOf(file);
}

const WORD kEveryKind[] = {0, 101, 201, 301, 401, 501, 700};
} // namespace

TEST(PltRecord, RoundTripsEveryFieldOfEveryKindWithTheExpectedSize) {
    for (WORD zty : kEveryKind) {
        SCOPED_TRACE(zty);
        CVObjPlt plt;
        FillSamplePlt(plt, zty, 4, zty);
        // A slot out of list order is stored as it is, too.
        const CVObjBrs last = SampleBrs(zty, 77);
        plt.SetObjBrs(VELMORA_MAX_BRS - 1, &last);
        const std::vector<BYTE> bytes = WrittenPlt(plt);

        size_t size = 2 + 4 + plt.PNm.GetLength() + 2;
        for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos)
            size += HeadBytes(zty, plt.Brs[pos]) + kTailBytes;
        EXPECT_EQ(size, bytes.size());

        BytesFile file(bytes);
        CVObjPlt read;
        EXPECT_EQ(0, read.ReadPlt(&file));
        EXPECT_EQ(bytes.size(), file.GetPosition());
        ExpectSamePlt(plt, read);
    }
}

TEST(PltRecord, EmptyPaletteStoresAllSlotsAndReadsBackEmpty) {
    CVObjPlt plt;
    plt.SetPNm("空");
    plt.SetZty(201);
    const std::vector<BYTE> bytes = WrittenPlt(plt);
    const CVObjBrs cleared;
    EXPECT_EQ(2 + 4 + plt.PNm.GetLength() + 2 + VELMORA_MAX_BRS * (HeadBytes(201, cleared) + 200),
              bytes.size());
    BytesFile file(bytes);
    CVObjPlt read;
    FillSamplePlt(read, 301, 10, 1);
    EXPECT_EQ(0, read.ReadPlt(&file));
    EXPECT_EQ(0, read.CountBrs());
    EXPECT_EQ(CString("空"), read.PNm);
    EXPECT_EQ(201, +read.Zty);
}

TEST(BrsRecord, ItemsLieInOrderWithTheConditionOfThePalettesKind) {
    // The brush's own condition is of another kind: the palette's kind decides.
    CVObjBrs brs = SampleBrs(201, 5);
    brs.ZVal.ZLong.RangeFlg = 0; // a single value still stores its To
    CMemFile file;
    ASSERT_EQ(0, brs.WriteBrs(&file, 401));
    const std::vector<BYTE> bytes = BytesOf(file);
    ASSERT_EQ(HeadBytes(401, brs) + kTailBytes, bytes.size());

    size_t at = 0;
    auto take = [&](void* field, size_t size) {
        std::memcpy(field, bytes.data() + at, size);
        at += size;
    };
    int bfg;
    BYTE col;
    DWORD hat, nameLength, rangeFlg, tailMark, layerNo;
    std::int32_t from, to;
    WORD zty, paintFlg;
    take(&bfg, 4);
    take(&col, 1);
    take(&hat, 4);
    take(&nameLength, 4);
    EXPECT_EQ(std::string(brs.BNm.GetString()),
              std::string(reinterpret_cast<const char*>(bytes.data() + at), nameLength));
    at += nameLength;
    take(&zty, 2);
    take(&rangeFlg, 4);
    take(&from, 4);
    take(&to, 4);
    take(&tailMark, 4);
    take(&layerNo, 4);
    take(&paintFlg, 2);
    EXPECT_EQ(+brs.BFg, bfg);
    EXPECT_EQ(+brs.Col, col);
    EXPECT_EQ(+brs.Hat, hat);
    EXPECT_EQ(201, zty);
    EXPECT_EQ(0u, rangeFlg);
    EXPECT_EQ(+brs.ZVal.ZLong.From, from);
    EXPECT_EQ(+brs.ZVal.ZLong.To, to);
    EXPECT_EQ(1u, tailMark);
    EXPECT_EQ(+brs.LayerNo, layerNo);
    EXPECT_EQ(+brs.PaintFlg, paintFlg);
    EXPECT_EQ(0, std::memcmp(&brs.PaintData, bytes.data() + at, 12));
    EXPECT_EQ(0, std::memcmp(&brs.HatchData, bytes.data() + at + 12, 178));
}

TEST(BrsRecord, StoredTextLongerThanTheFieldIsCut) {
    CVObjBrs brs = SampleBrs(301, 1);
    CMemFile file;
    const DWORD zero = 0;
    const BYTE col = 9;
    const WORD zty = 301;
    WriteData(&file, &brs.BFg, 4);
    WriteData(&file, &col, 1);
    WriteData(&file, &zero, 4);
    WriteCString(&file, "n");
    WriteData(&file, &zty, 2);
    WriteCString(&file, CString(std::string(300, 'x').c_str()));
    file.SeekToBegin();

    CVObjBrs read;
    std::memset(read.ZVal.ZText.Text, 'y', sizeof read.ZVal.ZText.Text);
    EXPECT_EQ(0, read.ReadBrsOld(&file, 301));
    EXPECT_EQ(std::string(VELMORA_ZTEXT_MAX, 'x'), read.ZVal.ZText.Text);
}

TEST(BrsRecord, TextFieldWithoutTerminatorIsWrittenBounded) {
    CVObjBrs brs = SampleBrs(301, 1);
    std::memset(brs.ZVal.ZText.Text, 'z', sizeof brs.ZVal.ZText.Text);
    CMemFile file;
    ASSERT_EQ(0, brs.WriteBrs(&file, 301));
    file.SeekToBegin();
    CVObjBrs read;
    EXPECT_EQ(0, read.ReadBrs(&file, 301));
    EXPECT_EQ(std::string(VELMORA_ZTEXT_MAX, 'z'), read.ZVal.ZText.Text);
}

TEST(OlderLayout, ReadsHeadsAndKeepsTheClearedTails) {
    for (WORD zty : kEveryKind) {
        SCOPED_TRACE(zty);
        CVObjPlt plt;
        FillSamplePlt(plt, zty, 6, 2);
        CMemFile file;
        ASSERT_EQ(0, WritePltOld(plt, &file));
        file.SeekToBegin();
        CVObjPlt read;
        EXPECT_EQ(0, read.ReadPltOld(&file));
        EXPECT_EQ(file.GetLength(), file.GetPosition());
        const CVObjBrs cleared;
        for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
            // The head as stored, the tail as a fresh brush has it.
            CVObjBrs want = cleared;
            want.BFg = plt.Brs[pos].BFg;
            want.Col = plt.Brs[pos].Col;
            want.Hat = plt.Brs[pos].Hat;
            want.BNm = plt.Brs[pos].BNm;
            want.ZVal = plt.Brs[pos].ZVal;
            ExpectSameBrs(want, read.Brs[pos], zty);
        }
    }
}

TEST(OlderLayout, CurrentRecordsReadAsOlderAreMisread) {
    CVObjPlt plt;
    FillSamplePlt(plt, 101, 2, 4);
    const std::vector<BYTE> bytes = WrittenPlt(plt);
    BytesFile file(bytes);
    CVObjPlt read;
    read.ReadPltOld(&file);
    // The tail of brush 0 becomes the head of slot 1: the tail mark its BFg,
    // the low byte of LayerNo its Col.
    EXPECT_EQ(1, +read.Brs[1].BFg);
    EXPECT_EQ(static_cast<BYTE>(plt.Brs[0].LayerNo), +read.Brs[1].Col);
}

TEST(ReadCodes, EachHeadItemOfTheOlderLayoutNamesItself) {
    CVObjBrs brs = SampleBrs(301, 8);
    CMemFile file;
    ASSERT_EQ(0, brs.WriteBrs(&file, 301));
    const std::vector<BYTE> bytes = BytesOf(file);
    const UINT nameEnd = 13 + brs.BNm.GetLength();
    const struct {
        size_t cut;
        int code;
    } cases[] = {{0, 2},       {3, 2},           {4, 4},           {5, 8},
                 {8, 8},       {9, 16},          {12, 16},         {nameEnd - 1, 16},
                 {nameEnd, 2}, {nameEnd + 1, 2}, {nameEnd + 2, 2}, {nameEnd + 7, 2}};
    for (const auto& each : cases) {
        SCOPED_TRACE(each.cut);
        BytesFile cut(Prefix(bytes, each.cut));
        CVObjBrs read;
        EXPECT_EQ(each.code, read.ReadBrsOld(&cut, 301));
    }
}

TEST(ReadCodes, CurrentLayoutFailsOnlyInItsTail) {
    CVObjBrs brs = SampleBrs(501, 8);
    CMemFile file;
    ASSERT_EQ(0, brs.WriteBrs(&file, 501));
    const std::vector<BYTE> bytes = BytesOf(file);
    const UINT head = HeadBytes(501, brs);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        BytesFile part(Prefix(bytes, cut));
        CVObjBrs read;
        EXPECT_EQ(cut < head + 4 ? 0 : 2, read.ReadBrs(&part, 501));
    }
}

TEST(ReadCodes, PaletteHeadAndOwnerMark) {
    CVObjPlt plt;
    FillSamplePlt(plt, 101, 1, 3);
    std::vector<BYTE> bytes = WrittenPlt(plt);
    const size_t headEnd = 2 + 4 + plt.PNm.GetLength() + 2;
    for (size_t cut : {size_t(0), size_t(1), size_t(2), size_t(5), headEnd - 1}) {
        SCOPED_TRACE(cut);
        BytesFile part(Prefix(bytes, cut));
        CVObjPlt read;
        EXPECT_EQ(cut < 2 ? 1 : 0x20, read.ReadPlt(&part));
    }
    bytes[0] ^= 1;
    BytesFile wrongMark(bytes);
    CVObjPlt read;
    EXPECT_EQ(1, read.ReadPlt(&wrongMark));
    EXPECT_EQ(1, read.ReadPltOld(&wrongMark));
}

TEST(ReadCodes, RecordEndingInABrushHeadReadsWithThatBrushPartlyRead) {
    CVObjPlt plt;
    FillSamplePlt(plt, 201, 3, 6);
    const std::vector<BYTE> bytes = WrittenPlt(plt);
    const size_t headEnd = 2 + 4 + plt.PNm.GetLength() + 2;
    // BFg and Col of the first brush, then the end.
    BytesFile part(Prefix(bytes, headEnd + 5));
    CVObjPlt read;
    EXPECT_EQ(0, read.ReadPlt(&part));
    EXPECT_EQ(+plt.Brs[0].BFg, +read.Brs[0].BFg);
    EXPECT_EQ(+plt.Brs[0].Col, +read.Brs[0].Col);
    EXPECT_EQ(+CVObjBrs().Hat, +read.Brs[0].Hat);
    EXPECT_EQ(0, +read.Brs[1].BFg);
}

TEST(ReadCodes, FailedTailStopsThePaletteAndLeavesLaterSlots) {
    CVObjPlt plt;
    FillSamplePlt(plt, 101, 3, 6);
    const std::vector<BYTE> bytes = WrittenPlt(plt);
    const size_t firstEnd = 2 + 4 + plt.PNm.GetLength() + 2 + HeadBytes(101, plt.Brs[0]) + 200;
    BytesFile part(Prefix(bytes, firstEnd + HeadBytes(101, plt.Brs[1]) + 4 + 3));
    CVObjPlt read;
    const CVObjBrs kept = SampleBrs(101, 99);
    read.SetObjBrs(2, &kept);
    EXPECT_EQ(2, read.ReadPlt(&part));
    ExpectSameBrs(plt.Brs[0], read.Brs[0], 101);
    ExpectSameBrs(kept, read.Brs[2], 101);
}

TEST(ReadCodes, TextLongerThanTheFileFailsWithoutTouchingTheText) {
    CMemFile file;
    const DWORD huge = 0x7FFFFFF0;
    WriteData(&file, &huge, 4);
    WriteData(&file, "abc", 3);
    file.SeekToBegin();
    CString text("keep");
    EXPECT_EQ(0, ReadCString(&file, text));
    EXPECT_EQ(CString("keep"), text);
}

TEST(WriteCodes, EachItemNamesItselfWithTheWriteBit) {
    CVObjPlt plt;
    FillSamplePlt(plt, 301, 1, 2);
    const CVObjBrs& brs = plt.Brs[0];
    const UINT headEnd = 2 + 4 + plt.PNm.GetLength() + 2;
    const UINT nameEnd = headEnd + 13 + brs.BNm.GetLength();
    const UINT conditionEnd = headEnd + HeadBytes(301, brs);
    const struct {
        UINT room;
        int code;
    } cases[] = {{0, 0x101},
                 {1, 0x101},
                 {2, 0x120},
                 {headEnd - 1, 0x120},
                 {headEnd, 0x102},
                 {headEnd + 4, 0x104},
                 {headEnd + 5, 0x108},
                 {headEnd + 9, 0x110},
                 {nameEnd - 1, 0x110},
                 {nameEnd, 0x102},
                 {conditionEnd, 0x102},
                 {conditionEnd + 4, 0x102},
                 {conditionEnd + 199, 0x102},
                 {conditionEnd + 200, 0x102}};
    for (const auto& each : cases) {
        SCOPED_TRACE(each.room);
        FullFile file(each.room);
        EXPECT_EQ(each.code, plt.WritePlt(&file));
        EXPECT_LE(file.GetLength(), each.room);
    }
    FullFile roomy(1 << 20);
    EXPECT_EQ(0, plt.WritePlt(&roomy));
}
