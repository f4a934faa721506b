#include "tools/box/box_check.h"
#include "tools/box/box_json.h"

#include <gtest/gtest.h>

namespace {
// The findings of a box of one palette, as "#brush reason" lines.
std::vector<std::string> Check(const std::string& attribute, const std::string& brushes) {
    CVPaletteBox box;
    BoxFromJson("check.json",
                "{\"palettes\": [{\"name\": \"p\", \"attribute\": " + attribute +
                    ", \"brushes\": [" + brushes + "]}]}",
                box);
    std::vector<std::string> lines;
    for (const BoxFinding& f : CheckBox(box))
        lines.push_back("#" + std::to_string(f.brs + 1) + " " + f.reason);
    return lines;
}

std::string Brush(const std::string& condition) {
    return "{\"name\": \"b\", \"condition\": " + condition + "}";
}

std::string Range(const std::string& from, const std::string& to) {
    return Brush("{\"from\": " + from + ", \"to\": " + to + "}");
}

std::string Value(const std::string& value) {
    return Brush("{\"value\": " + value + "}");
}

TEST(BoxCheck, SameCodeOrTextAsAnEarlierBrush) {
    EXPECT_EQ(Check("102", Brush("{\"code\": 3}") + "," + Brush("{\"code\": 1}") + "," +
                               Brush("{\"code\": 3}")),
              std::vector<std::string>{"#3 same code as #1, which always wins"});
    // 所有権 holds by presence: codes 1 and 7 both mean 有り.
    EXPECT_EQ(Check("106", Brush("{\"code\": 1}") + "," + Brush("{\"code\": 7}") + "," +
                               Brush("{\"code\": 0}")),
              std::vector<std::string>{"#2 same code as #1, which always wins"});
    EXPECT_EQ(Check("300", Brush("{\"text\": \"A\"}") + "," + Brush("{\"text\": \"A \"}") + "," +
                               Brush("{\"text\": \"A\"}")),
              std::vector<std::string>{"#3 same text as #1, which always wins"});
}

TEST(BoxCheck, WholeNumberRangesJoinWithoutGaps) {
    // [1, 5] and [6, 9] leave no whole number between them, so [3, 8] is dead.
    EXPECT_EQ(Check("201", Range("1", "5") + "," + Range("6", "9") + "," + Range("3", "8")),
              std::vector<std::string>{"#3 covered by earlier #1, #2, which always win"});
    EXPECT_TRUE(
        Check("201", Range("1", "5") + "," + Range("7", "9") + "," + Range("3", "8")).empty());
    EXPECT_EQ(Check("201", Range("1", "5") + "," + Value("5")),
              std::vector<std::string>{"#2 covered by earlier #1, which always win"});
    EXPECT_EQ(Check("201", Range("5", "1")),
              std::vector<std::string>{"#1 holds for no value (From above To, or not a number)"});
    // 画地No compares unsigned: 4294967295 lies above 1, so this range is not empty.
    EXPECT_TRUE(Check("200", Range("1", "4294967295")).empty());
    EXPECT_EQ(Check("201", Range("-2147483648", "2147483647") + "," + Value("0")),
              std::vector<std::string>{"#2 covered by earlier #1, which always win"});
}

TEST(BoxCheck, RealRangesNeedTouchingBounds) {
    EXPECT_EQ(Check("500", Range("1", "2") + "," + Range("2", "3") + "," + Range("1.5", "2.5")),
              std::vector<std::string>{"#3 covered by earlier #1, #2, which always win"});
    EXPECT_TRUE(
        Check("500", Range("1", "2") + "," + Range("2.000001", "3") + "," + Range("1.5", "2.5"))
            .empty());
    EXPECT_EQ(Check("501", Value("100") + "," + Value("100")),
              std::vector<std::string>{"#2 covered by earlier #1, which always win"});
    EXPECT_TRUE(Check("501", Value("100") + "," + Value("100.0000001")).empty());
    EXPECT_EQ(Check("502", Value("\"nan\"")),
              std::vector<std::string>{"#1 holds for no value (From above To, or not a number)"});
}

TEST(BoxCheck, DatesCountByLocalDay) {
    // A single date holds all day, and so does a range on its bound days.
    EXPECT_EQ(Check("401", Range("\"2001-04-01T18:00:00\"", "\"2001-04-30\"") + "," +
                               Value("\"2001-04-01\"") + "," + Value("\"2001-04-30\"")),
              (std::vector<std::string>{"#2 covered by earlier #1, which always win",
                                        "#3 covered by earlier #1, which always win"}));
    EXPECT_TRUE(
        Check("401", Range("\"2001-04-01\"", "\"2001-04-30\"") + "," + Value("\"2001-05-01\""))
            .empty());
    // Reversed bounds still hold on both days.
    EXPECT_EQ(Check("400", Range("\"2001-04-30\"", "\"2001-04-01\"") + "," +
                               Value("\"2001-04-01T12:00:00\"") + "," + Value("\"2001-04-15\"")),
              std::vector<std::string>{"#2 covered by earlier #1, which always win"});
    // Every negative time shares one day.
    EXPECT_EQ(Check("401", Value("-1") + "," + Value("-99999")),
              std::vector<std::string>{"#2 covered by earlier #1, which always win"});
}

TEST(BoxCheck, PalettesNoBrushOfWhichCanApply) {
    EXPECT_EQ(Check("0, \"carried\": {\"attribute\": 999}", "{\"name\": \"x\"}"),
              std::vector<std::string>{
                  "#0 attribute ID 999 is not in the catalogue: no brush can ever apply"});
    EXPECT_TRUE(Check("0", "{\"name\": \"x\"},{\"name\": \"x\"}").empty());
}
} // namespace
