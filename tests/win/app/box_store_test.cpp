// The box file as the host keeps it: only ".dat" files that exist are read,
// a failed read gives no box, and a failed write leaves nothing behind.
#include "app_test_map.h"

#include "app/box_store.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {
std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void FillBox(CVPaletteBox& box) {
    for (const char* name : {"一", "二", "三"}) {
        auto* plt = new CVObjPlt;
        plt->SetPNm(name);
        plt->SetZty(102);
        CVObjBrs brush = CategoryBrush("宅地", 3);
        plt->AddBrs(0, &brush);
        box.AddPlt(plt);
    }
    box.SetSelPNo(1);
}

TEST(BoxStoreTest, SavedBoxReadsBackWithItsPalettesAndSelection) {
    std::string folder = TestFolder("round_trip");
    CVPaletteBox box;
    FillBox(box);
    std::string error;
    ASSERT_TRUE(WriteBoxFile(box, folder + "\\town.dat", error)) << error;
    EXPECT_FALSE(FileExists(folder + "\\town~saving.dat"));
    std::unique_ptr<CVPaletteBox> read =
        ReadBoxFile(folder + "\\town.dat", BoxLayout::CURRENT, error);
    ASSERT_TRUE(read) << error;
    ASSERT_EQ(read->GetPltCount(), 3);
    EXPECT_STREQ(read->GetPltName(2), "三");
    EXPECT_EQ(read->GetSelPNo(), 1);
    EXPECT_EQ(read->GetPlt(0)->CountBrs(), 1);
}

TEST(BoxStoreTest, OnlyExistingDatFilesAreHandedToTheLibrary) {
    std::string folder = TestFolder("names");
    std::string error;
    // The library would read, or create, folder\town.dat for either name.
    EXPECT_FALSE(ReadBoxFile(folder + "\\town.txt", BoxLayout::CURRENT, error));
    EXPECT_NE(error.find(".dat"), std::string::npos);
    EXPECT_FALSE(ReadBoxFile(folder + "\\town.dat", BoxLayout::CURRENT, error));
    EXPECT_NE(error.find("town.dat"), std::string::npos);
    EXPECT_FALSE(FileExists(folder + "\\town.dat"));
    CVPaletteBox box;
    EXPECT_FALSE(WriteBoxFile(box, folder + "\\town", error));
    EXPECT_FALSE(FileExists(folder + "\\town.dat"));
}

TEST(BoxStoreTest, DamagedFilesGiveNoBoxAndAMessageWithTheResultCode) {
    std::string folder = TestFolder("damaged");
    CVPaletteBox box;
    FillBox(box);
    std::string error;
    ASSERT_TRUE(WriteBoxFile(box, folder + "\\good.dat", error));
    std::string good = ReadBytes(folder + "\\good.dat");
    WriteText(folder + "\\half.dat", good.substr(0, good.size() / 2));
    WriteText(folder + "\\other.dat", "not a palette box");
    WriteText(folder + "\\empty.dat", "");
    for (const char* name : {"half.dat", "other.dat", "empty.dat"}) {
        error.clear();
        EXPECT_FALSE(ReadBoxFile(folder + "\\" + name, BoxLayout::CURRENT, error)) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
        EXPECT_NE(error.find("結果コード"), std::string::npos) << error;
    }
    EXPECT_FALSE(ReadBoxFile(folder + "\\good.dat", BoxLayout::OLD, error));
}

TEST(BoxStoreTest, FailedSaveLeavesTheSavedFileAsItWas) {
    std::string folder = TestFolder("failed_save");
    CVPaletteBox box;
    FillBox(box);
    std::string error;
    ASSERT_TRUE(WriteBoxFile(box, folder + "\\town.dat", error));
    std::string before = ReadBytes(folder + "\\town.dat");
    // The file to be written is in the way as a folder.
    ::CreateDirectoryA((folder + "\\town~saving.dat").c_str(), nullptr);
    CVPaletteBox empty;
    EXPECT_FALSE(WriteBoxFile(empty, folder + "\\town.dat", error));
    EXPECT_NE(error.find("town.dat"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(folder + "\\town.dat"), before);
    ::RemoveDirectoryA((folder + "\\town~saving.dat").c_str());
}

TEST(BoxStoreTest, ResultCodesAreNamedForReadingAndWriting) {
    EXPECT_NE(BoxResultText(0x10001, false).find("5004"), std::string::npos);
    EXPECT_NE(BoxResultText(0x20, false).find("パレット名"), std::string::npos);
    EXPECT_NE(BoxResultText(0x120, true).find("書き込めません"), std::string::npos);
    EXPECT_NE(BoxResultText(0x10, false).find("読めません"), std::string::npos);
}
} // namespace
