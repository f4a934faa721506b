// The box file as the host keeps it: only ".dat" files that exist are read,
// a failed read gives no box, and a failed write leaves nothing behind.
#include "app_test_map.h"

#include "app/box_store.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {
// A box of three palettes, the second selected, saved as folder\name.
std::string SaveBox(const std::string& folder, const std::string& name) {
    CVPaletteBox box;
    for (const char* palette : {"一", "二", "三"}) {
        auto* plt = new CVObjPlt;
        plt->SetPNm(palette);
        plt->SetZty(102);
        CVObjBrs brush = CategoryBrush("宅地", 3);
        plt->AddBrs(0, &brush);
        box.AddPlt(plt);
    }
    box.SetSelPNo(1);
    std::string error;
    EXPECT_TRUE(WriteBoxFile(box, folder + "\\" + name, error)) << error;
    EXPECT_FALSE(FileExists(folder + "\\" + name.substr(0, name.size() - 4) + "~saving.dat"));
    return ReadBytes(folder + "\\" + name);
}

TEST(BoxStoreTest, BadNamesAndDamagedFilesGiveNoBoxAndAMessageNamingTheFile) {
    std::string folder = TestFolder("damaged");
    std::string good = SaveBox(folder, "good.dat");
    WriteBytes(folder + "\\half.dat", good.substr(0, good.size() / 2));
    WriteBytes(folder + "\\other.dat", "not a palette box");
    WriteBytes(folder + "\\empty.dat", "");
    // The library would read, or create, folder\town.dat for a name without
    // ".dat" or a file that is not there.
    const struct {
        const char* name;
        const char* says;
        const char* code;
    } cases[] = {{"half.dat", "half.dat", "結果コード"},
                 {"other.dat", "other.dat", "結果コード"},
                 {"empty.dat", "empty.dat", "結果コード"},
                 {"town.txt", ".dat", ""},
                 {"town.dat", "town.dat", ""}};
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ReadBoxFile(folder + "\\" + c.name, BoxLayout::CURRENT, error)) << c.name;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_NE(error.find(c.code), std::string::npos) << error;
    }
    EXPECT_FALSE(FileExists(folder + "\\town.dat"));
    std::string error;
    EXPECT_FALSE(ReadBoxFile(folder + "\\good.dat", BoxLayout::OLD, error));
    std::unique_ptr<CVPaletteBox> read =
        ReadBoxFile(folder + "\\good.dat", BoxLayout::CURRENT, error);
    ASSERT_TRUE(read) << error;
    ASSERT_EQ(read->GetPltCount(), 3);
    EXPECT_STREQ(read->GetPltName(2), "三");
    EXPECT_EQ(read->GetSelPNo(), 1);
}

TEST(BoxStoreTest, FailedSaveLeavesTheSavedFileAsItWas) {
    std::string folder = TestFolder("failed_save");
    std::string before = SaveBox(folder, "town.dat");
    CVPaletteBox empty;
    std::string error;
    EXPECT_FALSE(WriteBoxFile(empty, folder + "\\town", error));
    // The file to be written is in the way as a folder.
    ::CreateDirectoryA((folder + "\\town~saving.dat").c_str(), nullptr);
    EXPECT_FALSE(WriteBoxFile(empty, folder + "\\town.dat", error));
    EXPECT_NE(error.find("town.dat"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(folder + "\\town.dat"), before);
    ::RemoveDirectoryA((folder + "\\town~saving.dat").c_str());
}

TEST(BoxStoreTest, EachResultCodeIsNamedForReadingAndWriting) {
    // A reading code is the writing code of the same item without 0x100.
    const struct {
        int code;
        bool writing;
        const char* words;
    } cases[] = {{0x10001, false, "5004"},
                 {0x10101, true, "フォルダ"},
                 {0x01, false, "パレットの所有者マークが読めません"},
                 {0x101, true, "パレットの所有者マークが書き込めません"},
                 {0x02, false, "値が正しくありません"},
                 {0x102, true, "使用フラグ・条件・塗り設定を書き込めません"},
                 {0x04, false, "描画色が読めません"},
                 {0x104, true, "描画色が書き込めません"},
                 {0x08, false, "ハッチコードが読めません"},
                 {0x108, true, "ハッチコードが書き込めません"},
                 {0x10, false, "ブラシ名が読めません"},
                 {0x110, true, "ブラシ名が書き込めません"},
                 {0x20, false, "パレット名または対象属性が読めません"},
                 {0x120, true, "パレット名または対象属性が書き込めません"},
                 {0x140, true, "見出し"},
                 {0x200, false, "パレットボックスが読めません"},
                 {0x200, true, "パレットボックスが書き込めません"}};
    for (const auto& c : cases)
        EXPECT_NE(BoxResultText(c.code, c.writing).find(c.words), std::string::npos)
            << std::hex << c.code << " " << c.writing;
}
} // namespace
