// Opening a map with what lies beside it: the code book and the attribute
// CSV reach the parcel records; a bad file is refused naming it, and the
// host's code names stay as they were; a bad CSV row is left out.
#include "app_test_map.h"

#include "app/app_map.h"
#include "app/kk_value_text.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
const std::string kSample = VELMORA_SAMPLE_DIR;

std::string CodeName(WORD tblNo, WORD code) {
    CString name;
    CCodeBook::GetName(tblNo, 0, code, name);
    return name.GetString();
}

const SvyKkData* Record(const AppMap& map, const char* chiban) {
    for (const SvyKkData& kk : map.records)
        if (std::string(kk.KkNm) == chiban)
            return &kk;
    return nullptr;
}

class MapLoadTest : public ::testing::Test {
protected:
    void TearDown() override { CCodeBook::Clear(); }
};

TEST_F(MapLoadTest, SampleTownComesWithItsCodeBookAndAttributes) {
    std::unique_ptr<AppMap> map = LoadAppMap(kSample + "/town.xml");
    EXPECT_EQ(map->map.parcels.size(), 290u);
    ASSERT_EQ(map->records.size(), 290u);
    EXPECT_EQ(map->map.scale, 500);
    EXPECT_TRUE(map->skippedRows.empty());
    EXPECT_EQ(CodeName(CODE_TBL_CHIMOKU, 3), "宅地");
    // town.csv: 1-1,1,2,2,9032,9032,1,1,2012-11-29,1989-09-30,925.49,...
    const SvyKkData* kk = Record(*map, "1-1");
    ASSERT_NE(kk, nullptr);
    EXPECT_EQ(KkValueText(*kk, 102), "畑 (2)");
    EXPECT_EQ(KkValueText(*kk, 500), "925.49 ㎡");
    EXPECT_GT(map->bounds.maxY - map->bounds.minY, 100.0);
}

TEST_F(MapLoadTest, NotAMapIsRefusedNamingTheFile) {
    std::string folder = TestFolder("not_a_map");
    for (const char* text : {"<?xml version=\"1.0\"?><html><body/></html>", "", "<地図><筆>"}) {
        WriteBytes(folder + "\\page.xml", text);
        try {
            LoadAppMap(folder + "\\page.xml");
            ADD_FAILURE() << "opened: " << text;
        } catch (const MapLoadError& e) {
            EXPECT_EQ(e.File(), folder + "\\page.xml");
            EXPECT_EQ(std::string(e.what()).find(folder + "\\page.xml"), 0u) << e.what();
        }
    }
}

TEST_F(MapLoadTest, BadCodeBookLeavesTheCodeNamesAsTheyWere) {
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 3, "前の名前");
    CCodeBook::SetKoazaName(2, 5, "前の小字");
    std::string folder = TestFolder("bad_codes");
    WriteBytes(folder + "\\town.xml", ReadBytes(kSample + "/town.xml"));
    WriteBytes(folder + "\\codes.csv", "表,コード,名称\n地目,3,宅地\n地目,abc,田\n");
    try {
        LoadAppMap(folder + "\\town.xml");
        ADD_FAILURE() << "opened with a bad code book";
    } catch (const MapLoadError& e) {
        EXPECT_EQ(e.File(), folder + "\\codes.csv");
        EXPECT_NE(std::string(e.what()).find("codes.csv:3"), std::string::npos) << e.what();
    }
    EXPECT_EQ(CodeName(CODE_TBL_CHIMOKU, 3), "前の名前");
    CString koaza;
    EXPECT_TRUE(CCodeBook::GetName(CODE_TBL_KOAZA, 2, 5, koaza));
    EXPECT_STREQ(koaza.GetString(), "前の小字");
}

TEST_F(MapLoadTest, BadCsvRowsAreLeftOutAndTheRestIsRead) {
    std::string folder = TestFolder("bad_rows");
    WriteBytes(folder + "\\town.xml", ReadBytes(kSample + "/town.xml"));
    WriteBytes(folder + "\\town.csv",
               "地番,現況地目,登記日付\n1-1,3,2001-02-30\n1-2,1,2001-02-03\n");
    std::unique_ptr<AppMap> map = LoadAppMap(folder + "\\town.xml");
    ASSERT_EQ(map->skippedRows.size(), 1u);
    EXPECT_NE(map->skippedRows[0].find("town.csv:2"), std::string::npos) << map->skippedRows[0];
    EXPECT_EQ(KkValueText(*Record(*map, "1-1"), 102), "0");
    EXPECT_EQ(KkValueText(*Record(*map, "1-2"), 102), "1");
    // Without a code book a 大字 takes the map's 大字名.
    EXPECT_EQ(KkValueText(*Record(*map, "1-1"), 101).find("川原"), 0u);
}

TEST(KkValueTextTest, ValuesShowAsTheStatusBarShowsThem) {
    AppMap map;
    AddRectParcel(map, "12-3", 0, 0, 10, 20, 23);
    SvyKkData& kk = map.records[0];
    SVY_KKDB_ZOKUSEI zoku = {};
    zoku.GenkyoChimoku = 23;
    zoku.ShoyukenFlg = 1;
    zoku.Toki = 1365087600; // 2013-04-05 00:00 in Tokyo
    zoku.KoboMen = 123.456;
    std::memcpy(zoku.FudosanNo, "12345678901234", sizeof zoku.FudosanNo); // fills the field
    kk.SetZoku(zoku);
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 23, "雑種地");
    EXPECT_EQ(KkValueText(kk, 102), "雑種地 (23)");
    EXPECT_EQ(KkValueText(kk, 103), "0");
    EXPECT_EQ(KkValueText(kk, 106), "有り");
    EXPECT_EQ(KkValueText(kk, 401), "2013/4/5");
    EXPECT_EQ(KkValueText(kk, 400), "（なし）");
    EXPECT_EQ(KkValueText(kk, 500), "123.46 ㎡");
    EXPECT_EQ(KkValueText(kk, 501), "200.00 ㎡");
    EXPECT_EQ(KkValueText(kk, 301), "12345678901234");
    EXPECT_EQ(KkValueText(kk, 300), "12-3");
    EXPECT_EQ(KkValueText(kk, 200), "1");
    EXPECT_EQ(KkValueText(kk, 0), "");
    CCodeBook::Clear();
}
} // namespace
