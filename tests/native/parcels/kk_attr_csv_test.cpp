#include "tests/native/temp_dir.h"
#include "parcels/attrs/csv_rows.h"
#include "parcels/attrs/kk_attr.h"
#include "parcels/text/kk_date.h"
#include "parcels/text/text_codec.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

namespace {
KkAttrTable Read(const std::string& text, std::initializer_list<KkParcelKey> parcels,
                 KkAttrReport& report) {
    static TempDir dir;
    KkParcelKeys keys;
    for (const KkParcelKey& key : parcels)
        keys.Add(key.oaza, key.chiban);
    return ReadKkAttrCsv(dir.Write("attrs.csv", text), keys, KkAttrOptions(), report);
}

// Columns in any order, quotes, BOM and CRLF; unknown columns are named once.
TEST(KkAttrCsv, ReadsColumnsInAnyOrderAndNamesUnknownOnes) {
    KkAttrReport report;
    KkAttrTable table =
        Read(u8"\xEF\xBB\xBF所有者,地番,登記日付,公簿面積,所有権,不動産番号,土地種別,備考,現況地日,"
             u8"共有人数,備考\r\n"
             u8"\"9002;9001\",\"1-2\",2013-04-05,123.45,有り,1234567890123,2,x,99999,4,y\r\n"
             u8"9003,\"2,\"\"x\"\"\",,,0,,,\"a,b\",,5,\r\n",
             {{3, "1-2"}, {3, "2,\"x\""}, {4, "3"}}, report);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(report.rows, 2);
    EXPECT_STREQ(report.encoding, "UTF-8");
    EXPECT_EQ(report.ignoredColumns, (std::vector<std::string>{u8"備考", u8"現況地日"}));
    const KkAttr& a = table.at({3, "1-2"});
    EXPECT_EQ(DayOf(a.tokiDate).year * 10000 + DayOf(a.tokiDate).day, 20130005);
    EXPECT_EQ(std::make_tuple(a.owners, a.koboArea, +a.shoyuken, a.fudosanNo, +a.tochiShubetsu,
                              +a.kyoyuNinzu),
              std::make_tuple(std::vector<WORD>{9002, 9001}, 123.45, 1,
                              std::string("1234567890123"), 2, 4));
    const KkAttr& b = table.at({3, "2,\"x\""});
    EXPECT_EQ(std::make_tuple(b.owners, b.tokiDate, +b.shoyuken, +b.kyoyuNinzu),
              std::make_tuple(std::vector<WORD>{9003}, 0, 0, 5));

    std::string cp932;
    ASSERT_TRUE(Utf8ToCp932(u8"地番,所有権\n川原-1,有り\n", cp932));
    EXPECT_EQ(Read(cp932, {{1, u8"川原-1"}}, report).at({1, u8"川原-1"}).shoyuken, 1);
    EXPECT_STREQ(report.encoding, "CP932");
    // A 大字コード column tells apart parcels of one 地番 in several 大字.
    table = Read(u8"大字コード,地番,共有人数\n001,5,1\n2,5,2\n,6,3\n9999,5,4\n",
                 {{1, "5"}, {2, "5"}, {2, "6"}, {9999, "5"}}, report);
    EXPECT_EQ(std::make_tuple(+table.at({1, "5"}).kyoyuNinzu, +table.at({2, "5"}).kyoyuNinzu,
                              +table.at({2, "6"}).kyoyuNinzu, +table.at({9999, "5"}).kyoyuNinzu),
              std::make_tuple(1, 2, 3, 4));
}

// 32-bit seconds: 1901-12-14 to 2038-01-19 in Tokyo; dates before 1970 are counted.
TEST(KkAttrCsv, DatesSpanTheThirtyTwoBitCount) {
    KkAttrReport report;
    KkAttrTable table = Read(u8"地番,立会日付,登記日付\n"
                             u8"1,1901-12-14,1965-09-30\n"
                             u8"2,2038-01-19,1969-12-31\n"
                             u8"3,1970-01-01,1970-01-02\n",
                             {{0, "1"}, {0, "2"}, {0, "3"}}, report);
    // 1901-12-14 begins before the count; 1965-09-30 is 1965-09-29 15:00 UTC.
    EXPECT_EQ(std::make_tuple(table.at({0, "1"}).tachiaiDate, table.at({0, "1"}).tokiDate,
                              table.at({0, "2"}).tachiaiDate, table.at({0, "3"}).tachiaiDate),
              std::make_tuple(INT32_MIN, -134298000, 2147439600, -32400));
    EXPECT_EQ(report.earlyDates,
              (std::map<std::string, int>{{u8"立会日付", 2}, {u8"登記日付", 2}}));
}

// With a code book loaded, codes outside it are bad too.
TEST(KkAttrCsv, BadRowsNameFileLineColumnAndValue) {
    const std::string header =
        u8"地番,現況地目,共有人数,所有権,立会日付,登記日付,公簿面積,不動産番号,所有者\n";
    const std::string good = u8"1,3,1,1,2001-01-01,2002-02-02,10.5,12,9001\n";
    const struct {
        std::string text;
        std::string message; // "" when the file is read
        bool codeBook = false;
    } cases[] = {
        {header + good + u8"2,65535,1,1,2000-02-29,,,1234567890123,\n", ""},
        {header + good + u8"2,3,1,1,2001-02-29,,,,\n", u8":3: bad date '2001-02-29' in 立会日付"},
        {header + good + u8"2,3,1,1,,2001-1-5,,,\n", u8":3: bad date '2001-1-5' in 登記日付"},
        {header + good + u8"2,3,1,1,,1901-12-13,,,\n", u8":3: bad date '1901-12-13'"},
        {header + good + u8"2,3,1,1,,2038-01-20,,,\n", u8":3: bad date '2038-01-20'"},
        {header + good + u8"2,65536,1,1,,,,,\n", u8":3: bad number '65536' in 現況地目"},
        {header + good + u8"2,-3,1,1,,,,,\n", u8":3: bad number '-3' in 現況地目"},
        {header + good + u8"2,3,1,2,,,,,\n", u8":3: bad value '2' in 所有権"},
        {header + good + u8"2,3,1,1,,,12.5.1,,\n", u8":3: bad area '12.5.1' in 公簿面積"},
        {header + good + u8"2,3,1,1,,,,12345678901234,\n",
         u8":3: bad number '12345678901234' in 不動産番号"},
        {header + good + u8"2,3,1,1,,,,,9001;;9002\n", u8":3: empty person code in 所有者"},
        {header + good + u8"2,3,1,1,,,,\n", u8":3: expected 9 fields, found 8"},
        {header + good + u8"7,3,1,1,,,,,\n", u8":3: 地番 '7' is not a parcel of the maps"},
        {header + good + u8"5,3,1,1,,,,,\n", u8":3: 地番 '5' lies in several 大字 (1, 2)"},
        {header + good + good, u8":3: 地番 '1' appears twice"},
        {header + good + u8"2,\"3,1,1,,,,,\n", u8":3: a quoted field is not closed"},
        {u8"地番,現況地目,備考,現況地目\n", u8":1: column '現況地目' appears twice"},
        {u8"現況地目\n3\n", u8":1: the header has no 地番 column"},
        {u8"大字コード,地番\n3,5\n", u8":2: 大字コード 3, 地番 '5' is not a parcel"},
        {u8"大字コード,地番\n00001,5\n", u8":2: bad code '00001' in 大字コード"},
        {"x\n\x81\x20\n", ":2: the file is neither UTF-8 nor code page 932"},
        // 土地種別 7 passes: the code book lists no land types.
        {u8"地番,現況地目,土地種別\n1,3,7\n2,4,\n", u8":3: unknown code 4 in 現況地目", true},
        {u8"地番,現況地目,土地種別\n1,3,7\n2,3,\n", "", true},
    };
    for (const auto& c : cases) {
        CCodeBook::Clear();
        if (c.codeBook)
            CCodeBook::SetName(CODE_TBL_CHIMOKU, 3, "x");
        KkAttrReport report;
        std::string message = InputErrorOf([&] {
            Read(c.text, {{1, "1"}, {1, "2"}, {1, "5"}, {2, "5"}}, report);
        });
        EXPECT_TRUE(c.message.empty() ? message.empty()
                                      : message.find("attrs.csv" + c.message) != std::string::npos)
            << message << " for " << c.text;
    }
    CCodeBook::Clear();
}

// Rows of parcels left out are checked, but only painted parcels are kept; a
// parcel both painted and left out (in two maps) is painted.
TEST(KkAttrCsv, RowsOfParcelsLeftOutAreCheckedButNotKept) {
    TempDir dir;
    KkParcelKeys keys;
    keys.AddLeftOut(1, "9");
    keys.Add(1, "1");
    keys.AddLeftOut(1, "2");
    keys.AddLeftOut(1, "2");
    keys.AddLeftOut(1, "1");
    keys.AddLeftOut(2, "3");
    keys.Add(1, "3");
    KkAttrReport report;
    const auto read = [&](const std::string& rows) {
        return ReadKkAttrCsv(dir.Write("attrs.csv", u8"地番,共有人数\n" + rows), keys,
                             KkAttrOptions(), report);
    };
    KkAttrTable table = read("1,3\n2,4\n");
    EXPECT_EQ(std::make_tuple(table.size(), +table.at({1, "1"}).kyoyuNinzu, report.rows),
              std::make_tuple(size_t{1}, 3, 2));
    EXPECT_NE(InputErrorOf([&] { read("2,4\n2,5\n"); }).find(u8":3: 地番 '2' appears twice"),
              std::string::npos);
    EXPECT_NE(InputErrorOf([&] { read("2,x\n"); }).find(":2: "), std::string::npos);
    EXPECT_EQ(read("9,1\n1,1\n").size(), 1u);
    EXPECT_NE(InputErrorOf([&] { read("8,1\n"); }).find("'8' is not a parcel"), std::string::npos);
    EXPECT_NE(InputErrorOf([&] { read("3,1\n"); }).find(u8"'3' lies in several 大字 (1, 2)"),
              std::string::npos);
    EXPECT_NE(InputErrorOf([&] {
                  ReadKkAttrCsv(dir.File(""), keys, KkAttrOptions(), report);
              }).find(": cannot read the file"),
              std::string::npos);
}

// Files are read a megabyte of whole lines at a time and read as if whole: a
// quoted line end where the first megabyte ends, a line longer than that, and
// an encoding that only a late line shows.
TEST(CsvRows, LargeFilesReadAsSmallOnes) {
    TempDir dir;
    const std::string row = "a,\"b\nc\",d\n"; // 10 bytes; its quoted line end is its 5th
    std::string text = "hh,ii,j\n";           // puts the megabyte's end 8 bytes into a row
    while (text.size() < (1u << 20) + 10)
        text += row;
    const size_t rows = (text.size() - 8) / row.size();
    text += std::string(3u << 20, 'x') + "\n";
    std::string late;
    ASSERT_TRUE(Utf8ToCp932(u8"川原,\"\"\"\"\n", late));
    std::vector<CsvRow> read = ReadCsv(dir.Write("big.csv", text + late));
    ASSERT_EQ(read.size(), rows + 3);
    for (size_t i = 1; i <= rows; ++i)
        ASSERT_EQ(read[i].fields, (std::vector<std::string>{"a", "b\nc", "d"})) << i;
    EXPECT_EQ(read[rows + 1].fields[0].size(), 3u << 20);
    EXPECT_EQ(read[rows + 2].fields, (std::vector<std::string>{u8"川原", "\""}));
    EXPECT_EQ(read[rows + 2].line, static_cast<int>(2 * rows + 3));
    EXPECT_EQ(CsvReader(dir.File("big.csv")).Encoding(), std::string("CP932"));
    EXPECT_NE(InputErrorOf([&] {
                  ReadCsv(dir.Write("bad.csv", text + late + "\x81\n"));
              }).find("bad.csv:" + std::to_string(2 * rows + 4) + ": the file is neither"),
              std::string::npos);
}
} // namespace
