#include "tests/native/temp_dir.h"
#include "parcels/attrs/kk_attr.h"
#include "parcels/text/kk_date.h"
#include "parcels/text/text_codec.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

namespace {
KkParcelKeys KeysOf(std::initializer_list<KkParcelKey> parcels) {
    KkParcelKeys keys;
    for (const KkParcelKey& key : parcels)
        keys.Add(key.oaza, key.chiban);
    return keys;
}

KkAttrTable Read(const std::string& path, const KkParcelKeys& keys, KkAttrReport& report,
                 bool skip = false) {
    KkAttrOptions options;
    options.skipBadRows = skip;
    return ReadKkAttrCsv(path, keys, options, report);
}

const KkAttr& At(const KkAttrTable& table, unsigned oaza, const std::string& chiban) {
    return table.at(KkParcelKey{oaza, chiban});
}

TEST(KkAttrCsv, ReadsColumnsInAnyOrderWithQuotesBomAndCrlf) {
    TempDir dir;
    std::string path = dir.Write(
        "attrs.csv", u8"\xEF\xBB\xBF所有者,地番,登記日付,公簿面積,所有権,不動産番号,土地種別\r\n"
                     u8"\"9002;9001\",\"1-2\",2013-04-05,123.45,有り,1234567890123,2\r\n"
                     u8"9003,\"2,\"\"x\"\"\",,,0,,\r\n");
    KkAttrReport report;
    KkAttrTable table = Read(path, KeysOf({{3, "1-2"}, {3, "2,\"x\""}, {4, "3"}}), report);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(report.rows, 2);
    EXPECT_STREQ(report.encoding, "UTF-8");
    const KkAttr& a = At(table, 3, "1-2");
    EXPECT_EQ(a.owners, (std::vector<WORD>{9002, 9001}));
    EXPECT_EQ(DayOf(a.tokiDate).year, 2013);
    EXPECT_EQ(DayOf(a.tokiDate).day, 5);
    EXPECT_DOUBLE_EQ(a.koboArea, 123.45);
    EXPECT_EQ(a.shoyuken, 1);
    EXPECT_EQ(a.fudosanNo, "1234567890123");
    EXPECT_EQ(a.tochiShubetsu, 2);
    const KkAttr& b = At(table, 3, "2,\"x\"");
    EXPECT_EQ(b.owners, (std::vector<WORD>{9003}));
    EXPECT_EQ(b.tokiDate, 0);
    EXPECT_EQ(b.shoyuken, 0);
}

TEST(KkAttrCsv, ReadsCodePage932) {
    TempDir dir;
    std::string cp932;
    ASSERT_TRUE(Utf8ToCp932(u8"地番,所有権\n川原-1,有り\n", cp932));
    KkAttrReport report;
    KkAttrTable table = Read(dir.Write("attrs.csv", cp932), KeysOf({{1, u8"川原-1"}}), report);
    EXPECT_STREQ(report.encoding, "CP932");
    EXPECT_EQ(At(table, 1, u8"川原-1").shoyuken, 1);
}

// The library counts dates in 32-bit seconds: 1901-12-14 to 2038-01-19 in
// Tokyo. Dates before 1970 are read as they are stored and counted.
TEST(KkAttrCsv, DatesSpanTheThirtyTwoBitCount) {
    TempDir dir;
    std::string path = dir.Write("attrs.csv", u8"地番,立会日付,登記日付\n"
                                              u8"1,1901-12-14,1965-09-30\n"
                                              u8"2,2038-01-19,1969-12-31\n"
                                              u8"3,1970-01-01,1970-01-02\n");
    KkAttrReport report;
    KkAttrTable table = Read(path, KeysOf({{0, "1"}, {0, "2"}, {0, "3"}}), report);
    EXPECT_EQ(At(table, 0, "1").tachiaiDate, INT32_MIN); // the day begins before the count
    EXPECT_EQ(At(table, 0, "1").tokiDate, -134298000);   // 1965-09-29 15:00 UTC
    EXPECT_EQ(At(table, 0, "2").tachiaiDate, 2147439600);
    EXPECT_EQ(At(table, 0, "3").tachiaiDate, -32400);
    EXPECT_EQ(report.earlyDates,
              (std::map<std::string, int>{{u8"立会日付", 2}, {u8"登記日付", 2}}));
}

TEST(KkAttrCsv, BadRowsNameFileLineColumnAndValue) {
    TempDir dir;
    KkParcelKeys keys = KeysOf({{1, "1"}, {1, "2"}, {1, "5"}, {2, "5"}});
    const std::string header =
        u8"地番,現況地目,共有人数,所有権,立会日付,登記日付,公簿面積,不動産番号,所有者\n";
    const std::string good = u8"1,3,1,1,2001-01-01,2002-02-02,10.5,12,9001\n";
    struct Case {
        std::string row;
        std::string message; // "" when the row is read
    } cases[] = {
        {u8"2,65535,1,1,2000-02-29,,,1234567890123,\n", ""},
        {u8"2,3,1,1,2001-02-29,,,,\n", u8"attrs.csv:3: bad date '2001-02-29' in 立会日付"},
        {u8"2,3,1,1,2001-02-30,,,,\n", u8"attrs.csv:3: bad date '2001-02-30' in 立会日付"},
        {u8"2,3,1,1,,2001-1-5,,,\n", u8"attrs.csv:3: bad date '2001-1-5' in 登記日付"},
        {u8"2,3,1,1,,1901-12-13,,,\n", u8"attrs.csv:3: bad date '1901-12-13'"},
        {u8"2,3,1,1,,2038-01-20,,,\n", u8"attrs.csv:3: bad date '2038-01-20'"},
        {u8"2,65536,1,1,,,,,\n", u8"attrs.csv:3: bad number '65536' in 現況地目"},
        {u8"2,-3,1,1,,,,,\n", u8"attrs.csv:3: bad number '-3' in 現況地目"},
        {u8"2,3,1,2,,,,,\n", u8"attrs.csv:3: bad value '2' in 所有権"},
        {u8"2,3,1,1,,,12.5.1,,\n", u8"attrs.csv:3: bad area '12.5.1' in 公簿面積"},
        {u8"2,3,1,1,,,,12345678901234,\n",
         u8"attrs.csv:3: bad number '12345678901234' in 不動産番号"},
        {u8"2,3,1,1,,,,,9001;;9002\n", u8"attrs.csv:3: empty person code in 所有者"},
        {u8"2,3,1,1,,,,\n", u8"attrs.csv:3: expected 9 fields, found 8"},
        {u8"7,3,1,1,,,,,\n", u8"attrs.csv:3: 地番 '7' is not a parcel of the maps"},
        {u8"5,3,1,1,,,,,\n", u8"attrs.csv:3: 地番 '5' lies in several 大字 (1, 2)"},
        {good, u8"attrs.csv:3: 地番 '1' appears twice"},
        {u8"2,\"3,1,1,,,,,\n", u8"attrs.csv:3: a quoted field is not closed"},
    };
    for (const Case& c : cases) {
        std::string path = dir.Write("attrs.csv", header + good + c.row);
        KkAttrReport report;
        std::string message = InputErrorOf([&] { Read(path, keys, report); });
        if (c.message.empty())
            EXPECT_EQ(message, "") << c.row;
        else
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
    for (const auto& [bad, message] : std::vector<std::pair<std::string, std::string>>{
             {u8"地番,現況地目,備考,現況地目\n", u8"attrs.csv:1: column '現況地目' appears twice"},
             {u8"現況地目\n3\n", u8"attrs.csv:1: the header has no 地番 column"},
             {"x\n\x81\x20\n", "attrs.csv:2: the file is neither UTF-8 nor code page 932"}}) {
        KkAttrReport report;
        std::string path = dir.Write("attrs.csv", bad);
        EXPECT_NE(InputErrorOf([&] { Read(path, keys, report); }).find(message), std::string::npos);
    }
}

// Registry exports carry columns of their own; they are left out and named
// once, and the columns around them keep their values.
TEST(KkAttrCsv, UnknownColumnsAreLeftOutAndNamed) {
    TempDir dir;
    std::string path = dir.Write("attrs.csv", u8"備考,地番,現況地日,共有人数,備考\n"
                                              u8"x,1,99999,4,y\n"
                                              u8"\"a,b\",2,,5,\n");
    KkAttrReport report;
    KkAttrTable table = Read(path, KeysOf({{0, "1"}, {0, "2"}}), report);
    EXPECT_EQ(At(table, 0, "1").kyoyuNinzu, 4);
    EXPECT_EQ(At(table, 0, "2").kyoyuNinzu, 5);
    EXPECT_EQ(report.ignoredColumns, (std::vector<std::string>{u8"備考", u8"現況地日"}));
}

// A 大字コード column tells apart parcels of one 地番 in several 大字.
TEST(KkAttrCsv, OazaColumnKeysParcelsOfSeveralOaza) {
    TempDir dir;
    std::string path =
        dir.Write("attrs.csv", u8"大字コード,地番,共有人数\n001,5,1\n2,5,2\n,6,3\n9999,5,4\n");
    KkAttrReport report;
    KkAttrTable table = Read(path, KeysOf({{1, "5"}, {2, "5"}, {2, "6"}, {9999, "5"}}), report);
    EXPECT_EQ(At(table, 9999, "5").kyoyuNinzu, 4);
    EXPECT_EQ(At(table, 1, "5").kyoyuNinzu, 1);
    EXPECT_EQ(At(table, 2, "5").kyoyuNinzu, 2);
    EXPECT_EQ(At(table, 2, "6").kyoyuNinzu, 3);
    std::string wrong = dir.Write("attrs.csv", u8"大字コード,地番\n3,5\n");
    EXPECT_NE(InputErrorOf([&] {
                  Read(wrong, KeysOf({{1, "5"}}), report);
              }).find(u8"attrs.csv:2: 大字コード 3, 地番 '5' is not a parcel"),
              std::string::npos);
    wrong = dir.Write("attrs.csv", u8"大字コード,地番\n00001,5\n");
    EXPECT_NE(InputErrorOf([&] {
                  Read(wrong, KeysOf({{1, "5"}}), report);
              }).find(u8"attrs.csv:2: bad code '00001' in 大字コード"),
              std::string::npos);
}

TEST(KkAttrCsv, CodesOutsideALoadedCodeBookAreRefused) {
    TempDir dir;
    CCodeBook::Clear();
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 3, "x");
    std::string path = dir.Write("attrs.csv", u8"地番,現況地目,土地種別\n1,3,7\n2,4,\n");
    KkAttrReport report;
    std::string message = InputErrorOf([&] { Read(path, KeysOf({{0, "1"}, {0, "2"}}), report); });
    EXPECT_NE(message.find(u8"attrs.csv:3: unknown code 4 in 現況地目"), std::string::npos)
        << message; // 土地種別 7 passes: the code book lists no land types
    CCodeBook::Clear();
}

TEST(KkAttrCsv, SkippingBadRowsKeepsTheRestAndCountsThem) {
    TempDir dir;
    std::string path = dir.Write("attrs.csv", u8"地番,登記日付,共有人数\n"
                                              u8"1,2001-01-01,1\n"
                                              u8"2,2001-13-01,1\n"
                                              u8"9,2001-01-01,1\n"
                                              u8"3,1960-01-01,x\n"
                                              u8"4,1960-01-01,4\n");
    KkAttrReport report;
    KkAttrTable table = Read(path, KeysOf({{0, "1"}, {0, "2"}, {0, "3"}, {0, "4"}}), report, true);
    EXPECT_EQ(table.size(), 2u);
    EXPECT_EQ(report.rows, 2);
    ASSERT_EQ(report.skipped.size(), 3u);
    EXPECT_NE(report.skipped[0].find("attrs.csv:3: bad date '2001-13-01'"), std::string::npos);
    EXPECT_NE(report.skipped[2].find(u8"attrs.csv:5: bad number 'x' in 共有人数"),
              std::string::npos);
    EXPECT_EQ(report.earlyDates, (std::map<std::string, int>{{u8"登記日付", 1}}));
}
} // namespace
