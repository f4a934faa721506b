#include "tests/native/storage/storage_samples.h"
#include "tests/native/storage/storage_support.h"

#include <cstdlib>

namespace {
Bytes Header(int selPNo, int boxWord, int count) {
    Bytes bytes(kBoxHeaderBytes);
    std::memcpy(&bytes[0], &VELMORA_OWN_NO, kOwnNoBytes);
    std::memcpy(&bytes[kBoxSelPNoAt], &selPNo, 4);
    std::memcpy(&bytes[kBoxWordAt], &boxWord, 4);
    std::memcpy(&bytes[kBoxCountAt], &count, 4);
    return bytes;
}

Bytes operator+(Bytes bytes, const Bytes& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
    return bytes;
}

CVObjPlt* SamplePlt(WORD zty, int n) {
    CVObjPlt* plt = new CVObjPlt;
    FillSamplePlt(*plt, zty, 3, n);
    return plt;
}
} // namespace

// The older layout loads with its tails cleared. VELMORA_WRITE_GOLDEN writes
// the golden file anew, for a layout changed on purpose.
TEST_F(BoxFolderTest, GoldenFullAndOlderBoxesSaveAndLoadBack) {
    const fs::path goldenPath = fs::path(VELMORA_TEST_DATA) / "storage" / "golden_box.dat";
    CVPaletteBox golden, full, older;
    FillGoldenBox(golden);
    if (std::getenv("VELMORA_WRITE_GOLDEN")) {
        Halvex_SetJknFolderPath(kKind, goldenPath.parent_path().string().c_str());
        ASSERT_EQ(0, golden.WritePltsBox("golden_box", kKind));
        Halvex_SetJknFolderPath(kKind, m_folder.string().c_str());
    }
    FillFullBox(full);
    full.SelPNo = 42;
    full.BoxWord = -7;
    ASSERT_EQ(0, golden.WritePltsBox("golden", kKind));
    ASSERT_EQ(0, full.WritePltsBox("full", kKind));
    EXPECT_TRUE(ReadBytes(goldenPath) == ReadBytes(BoxPath("golden")));
    CMemFile file;
    ASSERT_EQ(0, WriteBoxOld(golden, &file));
    WriteBytes(BoxPath("older"), BytesOf(file));
    FillGoldenBox(older);
    ClearTails(*older.GetPlt(0));
    ClearTails(*older.GetPlt(1));
    for (auto [box, name] : {std::pair{&golden, "golden"}, {&full, "full"}, {&older, "older"}}) {
        CVPaletteBox read;
        ASSERT_EQ(0,
                  box == &older ? read.ReadPltsBoxOld(name, kKind) : read.ReadPltsBox(name, kKind));
        EXPECT_TRUE(Stored(*box) == Stored(read)) << name;
    }
}

// Only the current reader creates the folder and the file, from the box,
// which it does not empty: the file's copy stands in front of the original.
TEST_F(BoxFolderTest, FirstLoadCreatesFolderAndFile) {
    CVPaletteBox box;
    box.AddPlt(SamplePlt(401, 1));
    box.SelPNo = 0;
    EXPECT_EQ(BOX_FILE_FAILED, box.ReadPltsBoxOld("first", kKind));
    EXPECT_FALSE(fs::exists(m_folder));
    EXPECT_EQ(0, box.ReadPltsBox("first", kKind));
    EXPECT_TRUE(fs::exists(BoxPath("first")));
    ASSERT_EQ(2, box.GetPltCount());
    EXPECT_EQ(Stored(*box.GetPlt(1)), Stored(*box.GetPlt(0)));
    WriteBytes(m_root / "plain", Bytes{1});
    Halvex_SetJknFolderPath(kKind, (m_root / "plain" / "jkn").string().c_str());
    EXPECT_EQ(BOX_FILE_FAILED, box.WritePltsBox("x", kKind));
    EXPECT_EQ(BOX_FILE_FAILED, box.ReadPltsBox("x", kKind));
}

// Only the file-name part counts, of a name of up to 255 bytes; a save
// replaces the file and leaves nothing beside it.
TEST_F(BoxFolderTest, NamesUpTo255BytesTheirFileNamePartCounting) {
    CVPaletteBox box, empty;
    box.AddPlt(SamplePlt(101, 2));
    const std::string longest = std::string(_MAX_FNAME - 3, 'd') + "\\b";
    ASSERT_EQ(0, box.WritePltsBox("C:\\work\\town.txt", kKind));
    ASSERT_EQ(0, box.WritePltsBox(longest.c_str(), kKind));
    EXPECT_EQ(BOX_FILE_FAILED, empty.WritePltsBox(("d" + longest).c_str(), kKind));
    ASSERT_EQ(0, empty.WritePltsBox("a/b.txt", kKind));
    EXPECT_EQ(Header(-1, 0, 0), ReadBytes(BoxPath("b")));
    CVPaletteBox read;
    EXPECT_EQ(0, read.ReadPltsBox("town", kKind));
    EXPECT_EQ(Stored(box), Stored(read));
    EXPECT_EQ((std::vector<fs::path>{BoxPath("b"), BoxPath("town")}), Files());
}

// The box values are taken whatever the count; a count past 0 to 100 reads no
// palette, and a file without the owner mark changes nothing.
TEST_F(BoxFolderTest, HeaderCountsAtAndBeyondTheLimits) {
    CVObjPlt plt;
    FillSamplePlt(plt, 101, 1, 1);
    const struct {
        Bytes header;
        int result, palettes, selPNo;
    } cases[] = {{Header(5, 6, -1), 2, 1, 5},   {Header(5, 6, 0), 0, 1, 5},
                 {Header(5, 6, 1), 0, 2, 5},    {Header(5, 6, 101), 2, 1, 5},
                 {Bytes{0x8C}, 0x10001, 1, -1}, {Bytes{0x8D, 0x13, 0, 0}, 0x10001, 1, -1}};
    for (const auto& each : cases) {
        WriteBytes(BoxPath("count"), each.header + Stored(plt));
        for (bool older : {false, true}) {
            if (older && each.result == 0)
                continue; // the record is of the current layout
            CVPaletteBox box;
            box.AddPlt(SamplePlt(201, 3));
            EXPECT_EQ(each.result,
                      older ? box.ReadPltsBoxOld("count", kKind) : box.ReadPltsBox("count", kKind));
            EXPECT_EQ(each.palettes, box.GetPltCount());
            EXPECT_EQ(each.selPNo, +box.SelPNo);
        }
    }
}

TEST_F(BoxFolderTest, FailedPaletteLeavesNoGapAndTheLastReadGivesTheResult) {
    CVObjPlt a, b;
    FillSamplePlt(a, 301, 2, 1);
    FillSamplePlt(b, 501, 2, 2);
    const Bytes broken{0, 0}; // an owner mark of another number, and nothing else
    for (bool brokenLast : {false, true}) {
        WriteBytes(BoxPath("gap"), Header(0, 0, 3) + Stored(a) + (brokenLast ? Stored(b) : broken) +
                                       (brokenLast ? broken : Stored(b)));
        CVPaletteBox box;
        CVObjPlt* before = SamplePlt(101, 9);
        box.AddPlt(before);
        EXPECT_EQ(brokenLast ? REC_OWN_NO : 0, box.ReadPltsBox("gap", kKind));
        ASSERT_EQ(3, box.GetPltCount());
        EXPECT_TRUE(Stored(a) == Stored(*box.GetPlt(0)) && Stored(b) == Stored(*box.GetPlt(1)));
        EXPECT_EQ(before, box.GetPlt(2));
    }
}
