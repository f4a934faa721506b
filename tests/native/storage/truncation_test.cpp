// Box files cut at every byte: the reader returns a code, and the box holds
// exactly the palettes whose records it read, never a failed one.
#include "storage/box_records.h"
#include "tests/native/storage/box_test_support.h"
#include "tests/native/storage/storage_expect.h"
#include "tests/native/storage/storage_samples.h"

#include <memory>

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
} // namespace

TEST(Truncation, OlderLayoutKeepsExactlyTheWholePalettes) {
    std::unique_ptr<CVPaletteBox> box(TwoPalettes());
    Written written = WriteBox(*box, true);
    // The palettes as the whole file gives them: heads read, tails cleared.
    CVPaletteBox whole;
    CMemFile full(written.bytes.data(), static_cast<UINT>(written.bytes.size()));
    ASSERT_EQ(0, ReadBoxRecords(whole, &full, &CVObjPlt::ReadPltOld));
    for (size_t cut = 0; cut <= written.bytes.size(); ++cut) {
        std::vector<BYTE> part(written.bytes.begin(), written.bytes.begin() + cut);
        CMemFile file(part.data(), static_cast<UINT>(part.size()));
        CVPaletteBox read;
        const int result = ReadBoxRecords(read, &file, &CVObjPlt::ReadPltOld);
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
        std::vector<BYTE> part(written.bytes.begin(), written.bytes.begin() + cut);
        CMemFile file(part.data(), static_cast<UINT>(part.size()));
        CVPaletteBox read;
        const int result = ReadBoxRecords(read, &file, &CVObjPlt::ReadPlt);
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
