// Both builds write exactly the bytes of the committed golden file and read
// it back into the same box (make_golden_box wrote it).
#include "tests/native/storage/box_test_support.h"
#include "tests/native/storage/storage_expect.h"
#include "tests/native/storage/storage_samples.h"

class GoldenBoxTest : public BoxFolderTest {
protected:
    const fs::path golden = fs::path(VELMORA_TEST_DATA) / "storage" / "golden_box.dat";
};

TEST_F(GoldenBoxTest, SavingTheGoldenBoxWritesTheGoldenBytes) {
    CVPaletteBox box;
    FillGoldenBox(box);
    ASSERT_EQ(0, box.WritePltsBox("golden", kKind));
    const auto want = ReadBytes(golden);
    ASSERT_FALSE(want.empty());
    EXPECT_TRUE(want == ReadBytes(BoxPath("golden")));
}

TEST_F(GoldenBoxTest, LoadingTheGoldenFileGivesTheGoldenBox) {
    WriteBytes(BoxPath("golden"), ReadBytes(golden));
    CVPaletteBox read;
    ASSERT_EQ(0, read.ReadPltsBox("golden", kKind));
    CVPaletteBox box;
    FillGoldenBox(box);
    ExpectSameBox(box, read);
}
