// The files the host program opens and saves; a bad one is refused, naming it.
#include "app_test_map.h"

#include "app/app_map.h"
#include "app/box_store.h"
#include "app/kk_value_text.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
const std::string kSample = VELMORA_SAMPLE_DIR;

std::string Value(const AppMap& map, const char* chiban, WORD zty) {
    for (const SvyKkData& kk : map.records)
        if (std::string(kk.KkNm) == chiban)
            return KkValueText(kk, zty);
    return "no parcel " + std::string(chiban);
}

std::string TestFolder(const std::string& name) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / ("velmora_app_" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    return folder.string();
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder holding the sample town and the given file beside it.
std::string TownWith(const std::string& name, const std::string& bytes) {
    std::string folder = TestFolder(name);
    std::filesystem::copy_file(kSample + "/town.xml", folder + "\\town.xml");
    std::ofstream(folder + "\\" + name, std::ios::binary) << bytes;
    return folder;
}

TEST(MapLoadTest, BadCodeBookLeavesTheCodeNamesAsTheyWere) {
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 3, "前の名前");
    std::string folder = TownWith("codes.csv", "表,コード,名称\n地目,3,宅地\n地目,abc,田\n");
    try {
        LoadAppMap(folder + "\\town.xml");
        ADD_FAILURE() << "opened with a bad code book";
    } catch (const MapLoadError& e) {
        EXPECT_EQ(e.File(), folder + "\\codes.csv");
        EXPECT_NE(std::string(e.what()).find("codes.csv:3"), std::string::npos) << e.what();
    }
    CString name;
    CCodeBook::GetName(CODE_TBL_CHIMOKU, 0, 3, name);
    EXPECT_STREQ(name, "前の名前");
    CCodeBook::Clear();
}

TEST(MapLoadTest, BadCsvRowsAreLeftOutAndTheRestIsRead) {
    std::unique_ptr<AppMap> map = LoadAppMap(
        TownWith("town.csv", "地番,現況地目,登記日付\n1-1,3,2001-02-30\n1-2,1,2001-02-03\n") +
        "\\town.xml");
    ASSERT_EQ(map->skippedRows.size(), 1u);
    EXPECT_NE(map->skippedRows[0].find("town.csv:2"), std::string::npos) << map->skippedRows[0];
    EXPECT_EQ(Value(*map, "1-1", 102), "0");
    EXPECT_EQ(Value(*map, "1-2", 102), "1");
    // Without a code book a 大字 takes the map's 大字名.
    EXPECT_EQ(Value(*map, "1-1", 101).find("川原"), 0u);
}

TEST(KkValueTextTest, ValuesShowAsTheStatusBarShowsThem) {
    AppMap map;
    AddRectParcel(map, "12-3", 0, 0, 10, 20, 23);
    SVY_KKDB_ZOKUSEI zoku = {};
    zoku.GenkyoChimoku = 23;
    zoku.ShoyukenFlg = 1;
    zoku.Toki = 1365087600; // 2013-04-05 00:00 in Tokyo
    zoku.KoboMen = 123.456;
    std::memcpy(zoku.FudosanNo, "12345678901234", sizeof zoku.FudosanNo); // fills the field
    map.records[0].SetZoku(zoku);
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 23, "雑種地");
    const struct {
        WORD zty;
        const char* text;
    } cases[] = {{102, "雑種地 (23)"},   {106, "有り"},      {401, "2013/4/5"},
                 {400, "（なし）"},      {500, "123.46 ㎡"}, {501, "200.00 ㎡"},
                 {301, "12345678901234"}};
    for (const auto& c : cases)
        EXPECT_EQ(Value(map, "12-3", c.zty), c.text) << c.zty;
    CCodeBook::Clear();
}

TEST(BoxStoreTest, BadFilesGiveNoBoxAndAMessageNamingTheFileAndFailedSavesLeaveTheFile) {
    std::string folder = TestFolder("box_store");
    CVPaletteBox box;
    box.AddPlt(new CVObjPlt);
    std::string error;
    ASSERT_TRUE(WriteBoxFile(box, folder + "\\good.dat", error)) << error;
    EXPECT_FALSE(std::filesystem::exists(folder + "\\good~saving.dat"));
    EXPECT_FALSE(ReadBoxFile(folder + "\\good.dat", BoxLayout::OLD, error));

    // The library would read, or create, folder\town.dat for these names.
    std::ofstream(folder + "\\other.dat", std::ios::binary) << "not a palette box";
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
    EXPECT_FALSE(std::filesystem::exists(folder + "\\town.dat"));

    // A save that fails (a folder in the way) leaves the saved file as it was.
    std::string before = ReadBytes(folder + "\\good.dat");
    CVPaletteBox empty;
    EXPECT_FALSE(WriteBoxFile(empty, folder + "\\good", error));
    std::filesystem::create_directory(folder + "\\good~saving.dat");
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
