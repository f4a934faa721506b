// Brushes that can never apply, and box check's exit status.
#include "tests/native/temp_dir.h"
#include "tools/box/box_check.h"
#include "tools/box/box_json.h"
#include "tools/commands.h"

#include <gtest/gtest.h>

namespace {
std::string Value(const std::string& value) {
    return "{\"condition\": {\"value\": " + value + "}}";
}

std::string Range(const std::string& from, const std::string& to) {
    return "{\"condition\": {\"from\": " + from + ", \"to\": " + to + "}}";
}

std::string Code(const std::string& key, const std::string& value) {
    return "{\"condition\": {\"" + key + "\": " + value + "}}";
}

// Findings as "#brush reason", without the reason's ", which always win(s)".
TEST(BoxCheck, FindsBrushesThatNeverApply) {
    const std::string none = "holds for no value (From above To, or not a number)";
    struct Case {
        std::string attribute;
        std::vector<std::string> brushes;
        std::vector<std::string> findings;
    } cases[] = {
        {"102", {Code("code", "3"), Code("code", "1"), Code("code", "3")}, {"#3 same code as #1"}},
        // 所有権 holds by presence: codes 1 and 7 both mean 有り.
        {"106", {Code("code", "1"), Code("code", "7"), Code("code", "0")}, {"#2 same code as #1"}},
        {"300",
         {Code("text", "\"A\""), Code("text", "\"A \""), Code("text", "\"A\"")},
         {"#3 same text as #1"}},
        // Whole numbers: [1, 5] and [6, 9] leave no gap, [1, 5] and [7, 9] leave 6.
        {"201",
         {Range("1", "5"), Range("6", "9"), Range("3", "8")},
         {"#3 covered by earlier #1, #2"}},
        {"201", {Range("1", "5"), Range("7", "9"), Range("3", "8")}, {}},
        {"201", {Range("1", "5"), Value("5")}, {"#2 covered by earlier #1"}},
        {"201", {Range("5", "1")}, {"#1 " + none}},
        // 画地No compares unsigned: 4294967295 lies above 1.
        {"200", {Range("1", "4294967295")}, {}},
        {"201", {Range("-2147483648", "2147483647"), Value("0")}, {"#2 covered by earlier #1"}},
        // Reals join only where their bounds touch.
        {"500",
         {Range("1", "2"), Range("2", "3"), Range("1.5", "2.5")},
         {"#3 covered by earlier #1, #2"}},
        {"500", {Range("1", "2"), Range("2.000001", "3"), Range("1.5", "2.5")}, {}},
        {"501", {Value("100"), Value("100")}, {"#2 covered by earlier #1"}},
        {"501", {Value("100"), Value("100.0000001")}, {}},
        {"502", {Value("\"nan\"")}, {"#1 " + none}},
        // A date holds all day, and so does a range on its bound days, either way round.
        {"401",
         {Range("\"2001-04-01T18:00:00\"", "\"2001-04-30\""), Value("\"2001-04-01\""),
          Value("\"2001-04-30\"")},
         {"#2 covered by earlier #1", "#3 covered by earlier #1"}},
        {"401", {Range("\"2001-04-01\"", "\"2001-04-30\""), Value("\"2001-05-01\"")}, {}},
        {"400",
         {Range("\"2001-04-30\"", "\"2001-04-01\""), Value("\"2001-04-01T12:00:00\""),
          Value("\"2001-04-15\"")},
         {"#2 covered by earlier #1"}},
        {"401",
         {Value("-1"), Value("-99999")},
         {"#2 covered by earlier #1"}}, // one day before 1970
        {"0, \"carried\": {\"attribute\": 999}",
         {"{\"name\": \"x\"}"},
         {"#0 attribute ID 999 is not in the catalogue: no brush can ever apply"}},
        {"0", {"{\"name\": \"x\"}", "{\"name\": \"x\"}"}, {}},
    };
    for (const Case& c : cases) {
        std::string brushes;
        for (const std::string& b : c.brushes)
            brushes += (brushes.empty() ? "" : ",") + b;
        CVPaletteBox box;
        BoxFromJson("check.json",
                    "{\"palettes\": [{\"name\": \"p\", \"attribute\": " + c.attribute +
                        ", \"brushes\": [" + brushes + "]}]}",
                    box);
        std::vector<std::string> found;
        for (const BoxFinding& f : CheckBox(box))
            found.push_back("#" + std::to_string(f.brs + 1) + " " +
                            f.reason.substr(0, f.reason.find(", which")));
        EXPECT_EQ(found, c.findings) << c.attribute << " " << brushes;
    }
}

TEST(BoxCheck, CommandExitsNonZeroOnlyWhenABrushIsShadowed) {
    TempDir dir;
    std::string clean = dir.Write("clean.json", R"({"palettes": [{"name": "p", "attribute": 201,
        "brushes": [{"condition": {"from": 1, "to": 9}}]}]})");
    std::string shadowed =
        dir.Write("shadowed.json", R"({"palettes": [{"name": "p", "attribute": 201, "brushes": [
            {"condition": {"from": 1, "to": 9}}, {"condition": {"value": 4}}]}]})");
    testing::internal::CaptureStdout();
    EXPECT_EQ(RunBox({"check", clean}), 0);
    EXPECT_EQ(RunBox({"check", shadowed}), 1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("clean.json: no brush is shadowed"), std::string::npos) << out;
    EXPECT_NE(out.find("shadowed.json: palette #1 p, brush #2 4: covered by earlier #1, which "
                       "always win"),
              std::string::npos)
        << out;
}
} // namespace
