// The box file as the host keeps it: only ".dat" files that exist are read,
// a failed read gives no box, and a failed write leaves nothing behind.
#include "app_test_map.h"

#include "app/box_store.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {
bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(BoxStoreTest, BadFilesGiveNoBoxAndAMessageNamingTheFileAndFailedSavesLeaveTheFile) {
    std::string folder = TestFolder("box_store");
    CVPaletteBox box;
    box.AddPlt(new CVObjPlt);
    std::string error;
    ASSERT_TRUE(WriteBoxFile(box, folder + "\\good.dat", error)) << error;
    EXPECT_FALSE(Exists(folder + "\\good~saving.dat"));
    EXPECT_FALSE(ReadBoxFile(folder + "\\good.dat", BoxLayout::OLD, error));

    // The library would read, or create, folder\town.dat for a name without
    // ".dat" or a file that is not there.
    WriteBytes(folder + "\\other.dat", "not a palette box");
    const struct {
        const char* name;
        const char* says;
    } cases[] = {{"other.dat", "other.dat\n\nファイルを開けないか"},
                 {"town.txt", ".dat のファイル"},
                 {"town.dat", "town.dat\n\nファイルがありません"}};
    for (const auto& c : cases) {
        EXPECT_FALSE(ReadBoxFile(folder + "\\" + c.name, BoxLayout::CURRENT, error)) << c.name;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
    EXPECT_FALSE(Exists(folder + "\\town.dat"));

    // A save that fails, here for a folder in the way of the file to be
    // written, leaves the saved file as it was.
    std::string before = ReadBytes(folder + "\\good.dat");
    CVPaletteBox empty;
    EXPECT_FALSE(WriteBoxFile(empty, folder + "\\good", error));
    ::CreateDirectoryA((folder + "\\good~saving.dat").c_str(), nullptr);
    EXPECT_FALSE(WriteBoxFile(empty, folder + "\\good.dat", error));
    EXPECT_NE(error.find("good.dat"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(folder + "\\good.dat"), before);
}

TEST(BoxStoreTest, EachResultCodeIsNamedForReadingAndWriting) {
    const struct {
        int code;
        bool writing;
        const char* words;
    } cases[] = {{0x10001, false, "5004"},        {0x10101, true, "フォルダ"},
                 {0x01, false, "マークが読め"},   {0x101, true, "マークが書き"},
                 {0x02, false, "値が正しく"},     {0x102, true, "設定を書き"},
                 {0x04, false, "描画色が読め"},   {0x108, true, "ハッチコードが書き"},
                 {0x10, false, "ブラシ名が読め"}, {0x120, true, "対象属性が書き"},
                 {0x140, true, "見出し"},         {0x200, false, "ボックスが読め"}};
    for (const auto& c : cases)
        EXPECT_NE(BoxResultText(c.code, c.writing).find(c.words), std::string::npos)
            << std::hex << c.code << " " << c.writing;
}
} // namespace
