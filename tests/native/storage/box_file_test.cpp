// The palette-box file on disk: locations, first load, counts, failed
// palettes, the older layout, and saves that never lose the previous file.
#include "host/record_file.h"
#include "tests/native/storage/box_test_support.h"
#include "tests/native/storage/storage_expect.h"
#include "tests/native/storage/storage_samples.h"

#include <algorithm>

namespace {
typedef std::vector<unsigned char> Bytes;

void Append(Bytes& bytes, const void* data, size_t size) {
    const unsigned char* begin = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), begin, begin + size);
}

Bytes Header(int selPNo, int boxWord, int count) {
    Bytes bytes;
    const WORD mark = 5004;
    Append(bytes, &mark, 2);
    Append(bytes, &selPNo, 4);
    Append(bytes, &boxWord, 4);
    Append(bytes, &count, 4);
    return bytes;
}

Bytes PltRecord(CVObjPlt& plt) {
    CMemFile file;
    EXPECT_EQ(0, plt.WritePlt(&file));
    return BytesOf(file);
}

CVObjPlt* SamplePlt(WORD zty, int n) {
    CVObjPlt* plt = new CVObjPlt;
    FillSamplePlt(*plt, zty, 3, n);
    return plt;
}
} // namespace

class BoxFileTest : public BoxFolderTest {};

TEST_F(BoxFileTest, FullBoxSavesAndLoadsBackWhole) {
    CVPaletteBox box;
    FillFullBox(box);
    box.SelPNo = 42;
    box.BoxWord = -7;
    ASSERT_EQ(0, box.WritePltsBox("full", kKind));
    CVPaletteBox read;
    ASSERT_EQ(0, read.ReadPltsBox("full", kKind));
    ExpectSameBox(box, read);
}

TEST_F(BoxFileTest, FirstLoadCreatesFolderAndFileFromTheBox) {
    ASSERT_FALSE(fs::exists(m_folder));
    CVPaletteBox box;
    box.AddPlt(SamplePlt(401, 1));
    box.SelPNo = 0;
    EXPECT_EQ(0, box.ReadPltsBox("first", kKind));
    EXPECT_TRUE(fs::exists(BoxPath("first")));
    // The box is not emptied: the file's copy stands in front of the original.
    ASSERT_EQ(2, box.GetPltCount());
    ExpectSamePlt(*box.GetPlt(1), *box.GetPlt(0));
}

TEST_F(BoxFileTest, OlderReaderRefusesAMissingFileAndCreatesNothing) {
    CVPaletteBox box;
    EXPECT_EQ(0x10001, box.ReadPltsBoxOld("none", kKind));
    EXPECT_FALSE(fs::exists(m_folder));
}

TEST_F(BoxFileTest, FolderThatCannotBeCreatedFailsSaveAndLoad) {
    WriteBytes(m_root / "plain", Bytes{1});
    Halvex_SetJknFolderPath(kKind, (m_root / "plain" / "jkn").string().c_str());
    CVPaletteBox box;
    EXPECT_EQ(0x10001, box.WritePltsBox("x", kKind));
    EXPECT_EQ(0x10001, box.ReadPltsBox("x", kKind));
}

TEST_F(BoxFileTest, FolderAndExtensionOfTheNameAreIgnored) {
    CVPaletteBox box;
    box.AddPlt(SamplePlt(101, 2));
    ASSERT_EQ(0, box.WritePltsBox("C:\\work\\town.txt", kKind));
    CVPaletteBox read;
    EXPECT_EQ(0, read.ReadPltsBox("town", kKind));
    ExpectSameBox(box, read);
    // a\b.txt, a/b.txt and b name one file.
    ASSERT_EQ(0, box.WritePltsBox("a\\b.txt", kKind));
    CVPaletteBox other;
    other.AddPlt(SamplePlt(201, 3));
    ASSERT_EQ(0, other.WritePltsBox("a/b.txt", kKind));
    CVPaletteBox readB;
    EXPECT_EQ(0, readB.ReadPltsBox("b", kKind));
    ExpectSameBox(other, readB);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(m_folder))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    EXPECT_EQ((std::vector<fs::path>{BoxPath("b"), BoxPath("town")}), files);
}

TEST_F(BoxFileTest, CountOfZeroKeepsThePalettesAndTakesTheBoxValues) {
    WriteBytes(BoxPath("zero"), Header(3, 9, 0));
    CVPaletteBox box;
    box.AddPlt(SamplePlt(201, 3));
    EXPECT_EQ(0, box.ReadPltsBox("zero", kKind));
    EXPECT_EQ(1, box.GetPltCount());
    EXPECT_EQ(3, +box.SelPNo); // kept though it names no palette
    EXPECT_EQ(9, +box.BoxWord);
}

TEST_F(BoxFileTest, CountOutsideTheLimitsReadsNoPalette) {
    CVObjPlt plt;
    FillSamplePlt(plt, 101, 1, 1);
    for (int count : {-1, 101}) {
        SCOPED_TRACE(count);
        Bytes bytes = Header(5, 6, count);
        const Bytes record = PltRecord(plt);
        bytes.insert(bytes.end(), record.begin(), record.end());
        WriteBytes(BoxPath("count"), bytes);
        CVPaletteBox box;
        EXPECT_EQ(2, box.ReadPltsBox("count", kKind));
        EXPECT_EQ(2, box.ReadPltsBoxOld("count", kKind));
        EXPECT_EQ(0, box.GetPltCount());
        EXPECT_EQ(5, +box.SelPNo);
        EXPECT_EQ(6, +box.BoxWord);
    }
}

TEST_F(BoxFileTest, FileWithoutTheOwnerMarkIsRefused) {
    for (const Bytes& bytes : {Bytes{}, Bytes{0x8C}, Bytes{0x8D, 0x13, 0, 0}}) {
        WriteBytes(BoxPath("alien"), bytes);
        CVPaletteBox box;
        EXPECT_EQ(0x10001, box.ReadPltsBox("alien", kKind));
        EXPECT_EQ(-1, +box.SelPNo);
    }
}

TEST_F(BoxFileTest, FailedPaletteLeavesNoGapAndTheLastReadGivesTheResult) {
    CVObjPlt a, b;
    FillSamplePlt(a, 301, 2, 1);
    FillSamplePlt(b, 501, 2, 2);
    const Bytes recordA = PltRecord(a);
    const Bytes recordB = PltRecord(b);
    const Bytes broken{0, 0}; // an owner mark of another number, and nothing else

    for (bool brokenLast : {false, true}) {
        SCOPED_TRACE(brokenLast);
        Bytes bytes = Header(0, 0, 3);
        bytes.insert(bytes.end(), recordA.begin(), recordA.end());
        if (!brokenLast)
            bytes.insert(bytes.end(), broken.begin(), broken.end());
        bytes.insert(bytes.end(), recordB.begin(), recordB.end());
        if (brokenLast)
            bytes.insert(bytes.end(), broken.begin(), broken.end());
        WriteBytes(BoxPath("gap"), bytes);

        CVPaletteBox box;
        CVObjPlt* before = SamplePlt(101, 9);
        box.AddPlt(before);
        EXPECT_EQ(brokenLast ? 1 : 0, box.ReadPltsBox("gap", kKind));
        ASSERT_EQ(3, box.GetPltCount());
        ExpectSamePlt(a, *box.GetPlt(0));
        ExpectSamePlt(b, *box.GetPlt(1));
        EXPECT_EQ(before, box.GetPlt(2));
    }
}

TEST_F(BoxFileTest, OlderLayoutLoadsIntoFreshPalettes) {
    CVPaletteBox box;
    FillGoldenBox(box);
    CMemFile file;
    ASSERT_EQ(0, WriteBoxOld(box, &file));
    const std::vector<BYTE> bytes = BytesOf(file);
    WriteBytes(BoxPath("old"), Bytes(bytes.begin(), bytes.end()));

    CVPaletteBox read;
    EXPECT_EQ(0, read.ReadPltsBoxOld("old", kKind));
    ASSERT_EQ(box.GetPltCount(), read.GetPltCount());
    const CVObjBrs cleared;
    for (int pos = 0; pos < box.GetPltCount(); ++pos) {
        const CVObjBrs& got = read.GetPlt(pos)->Brs[0];
        EXPECT_EQ(box.GetPlt(pos)->Brs[0].BNm, got.BNm);
        EXPECT_EQ(+cleared.LayerNo, +got.LayerNo);
        EXPECT_EQ(0, std::memcmp(&cleared.HatchData, &got.HatchData, sizeof got.HatchData));
    }
}

TEST_F(BoxFileTest, SaveReplacesTheFileAndLeavesNoTemporary) {
    CVPaletteBox first;
    first.AddPlt(SamplePlt(101, 1));
    ASSERT_EQ(0, first.WritePltsBox("keep", kKind));
    CVPaletteBox second;
    ASSERT_EQ(0, second.WritePltsBox("keep", kKind));
    EXPECT_EQ(Header(-1, 0, 0), ReadBytes(BoxPath("keep")));
    for (const auto& entry : fs::directory_iterator(m_folder))
        EXPECT_EQ(BoxPath("keep"), entry.path());
}

TEST_F(BoxFileTest, FailedSaveKeepsThePreviousFile) {
    CVPaletteBox first;
    first.AddPlt(SamplePlt(101, 1));
    ASSERT_EQ(0, first.WritePltsBox("keep", kKind));
    const Bytes before = ReadBytes(BoxPath("keep"));
    // A folder where the temporary file would go: the new content has nowhere to land.
    fs::create_directory(m_folder / "keep.dat.tmp");
    CVPaletteBox second;
    second.AddPlt(SamplePlt(501, 2));
    EXPECT_EQ(0x10001, second.WritePltsBox("keep", kKind));
    EXPECT_EQ(before, ReadBytes(BoxPath("keep")));
}
