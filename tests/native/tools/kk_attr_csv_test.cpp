#include "temp_dir.h"
#include "tools/kk_attr.h"
#include "tools/kk_date.h"
#include "tools/kk_map.h"

#include <gtest/gtest.h>

namespace {
KkMap MapOf(std::initializer_list<const char*> chibans) {
    KkMap map;
    map.path = "map.xml";
    for (const char* chiban : chibans) {
        MapParcel parcel;
        parcel.chiban = chiban;
        map.parcels.push_back(parcel);
    }
    return map;
}

TEST(KkAttrCsv, ReadsColumnsInAnyOrderWithQuotesBomAndCrlf) {
    TempDir dir;
    std::string path = dir.Write(
        "attrs.csv", u8"\xEF\xBB\xBF所有者,地番,登記日付,公簿面積,所有権,不動産番号,土地種別\r\n"
                     u8"\"9002;9001\",\"1-2\",2013-04-05,123.45,有り,1234567890123,2\r\n"
                     u8"9003,\"2,\"\"x\"\"\",,,0,,\r\n");
    KkAttrTable table = ReadKkAttrCsv(path, MapOf({"1-2", "2,\"x\"", "3"}));
    ASSERT_EQ(table.size(), 2u);
    const KkAttr& a = table.at("1-2");
    EXPECT_EQ(a.owners, (std::vector<WORD>{9002, 9001}));
    EXPECT_EQ(DayOf(a.tokiDate).year, 2013);
    EXPECT_EQ(DayOf(a.tokiDate).day, 5);
    EXPECT_DOUBLE_EQ(a.koboArea, 123.45);
    EXPECT_EQ(a.shoyuken, 1);
    EXPECT_EQ(a.fudosanNo, "1234567890123");
    EXPECT_EQ(a.tochiShubetsu, 2);
    const KkAttr& b = table.at("2,\"x\"");
    EXPECT_EQ(b.owners, (std::vector<WORD>{9003}));
    EXPECT_EQ(b.tokiDate, 0);
    EXPECT_EQ(b.shoyuken, 0);
}

TEST(KkAttrCsv, BadRowsNameFileLineAndValue) {
    TempDir dir;
    KkMap map = MapOf({"1", "2"});
    const std::string header =
        u8"地番,現況地目,共有人数,所有権,立会日付,登記日付,公簿面積,不動産番号,所有者\n";
    const std::string good = u8"1,3,1,1,2001-01-01,2002-02-02,10.5,12,9001\n";
    struct Case {
        std::string row;
        std::string message;
    } cases[] = {
        {u8"2,3,1,1,2001-02-30,,,,\n", u8"attrs.csv:3: bad date '2001-02-30' in 立会日付"},
        {u8"2,3,1,1,,2001-1-5,,,\n", u8"attrs.csv:3: bad date '2001-1-5' in 登記日付"},
        {u8"2,3,1,1,,1969-12-31,,,\n", u8"attrs.csv:3: bad date '1969-12-31'"},
        {u8"2,3,1,1,,2040-01-01,,,\n", u8"attrs.csv:3: bad date '2040-01-01'"},
        {u8"2,65536,1,1,,,,,\n", u8"attrs.csv:3: bad number '65536' in 現況地目"},
        {u8"2,-3,1,1,,,,,\n", u8"attrs.csv:3: bad number '-3' in 現況地目"},
        {u8"2,3,1,2,,,,,\n", u8"attrs.csv:3: bad value '2' in 所有権"},
        {u8"2,3,1,1,,,12.5.1,,\n", u8"attrs.csv:3: bad area '12.5.1' in 公簿面積"},
        {u8"2,3,1,1,,,,12345678901234,\n",
         u8"attrs.csv:3: bad number '12345678901234' in 不動産番号"},
        {u8"2,3,1,1,,,,,9001;;9002\n", u8"attrs.csv:3: empty person code in 所有者"},
        {u8"2,3,1,1,,,,\n", u8"attrs.csv:3: expected 9 fields, found 8"},
        {u8"7,3,1,1,,,,,\n", u8"attrs.csv:3: 地番 '7' is not a parcel of map.xml"},
        {good, u8"attrs.csv:3: 地番 '1' appears twice"},
        {u8"2,\"3,1,1,,,,,\n", u8"attrs.csv:3: a quoted field is not closed"},
    };
    for (const Case& c : cases) {
        std::string path = dir.Write("attrs.csv", header + good + c.row);
        std::string message = InputErrorOf([&] { ReadKkAttrCsv(path, map); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
    std::string misspelt = dir.Write("attrs.csv", u8"地番,現況地日\n1,3\n");
    EXPECT_NE(InputErrorOf([&] {
                  ReadKkAttrCsv(misspelt, map);
              }).find(u8"attrs.csv:1: unknown column '現況地日'"),
              std::string::npos);
    std::string keyless = dir.Write("attrs.csv", u8"現況地目\n3\n");
    EXPECT_NE(InputErrorOf([&] { ReadKkAttrCsv(keyless, map); }).find(u8"no 地番 column"),
              std::string::npos);
}
} // namespace
