// What box check and box show tell of a box: brushes that can never apply,
// and every palette and brush in the editor's terms.
#include "tools/box/box_check.h"
#include "tools/box/box_json.h"
#include "tools/box/box_show.h"
#include "parcels/text/read_file.h"

#include "host/code_book.h"

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

const std::string kShown = ReadWholeFile(std::string(VELMORA_TOOL_TEST_DATA) + "/show_box.json");

TEST(BoxShow, ConditionsInTheEditorsFormAndFillsInFull) {
    CCodeBook::Clear();
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 3, "宅地");
    CVPaletteBox box;
    BoxFromJson("show.json", kShown, box);
    std::string shown = ShowBox(box);
    CCodeBook::Clear();
    for (const char* line : {
             u8"3 palettes, selected #2\n",
             u8"#1 地目\n   attribute 現況地目 (ID 102), 2 brushes\n",
             u8"   #1 宅地\n      condition: 宅地 (code 3)\n"
             u8"      fill: paint #ff0000 at density 50% (shown #ff8080); layer 0, col 0, hat 1\n",
             u8"      condition: code 99 (not in the code book)\n"
             u8"      fill: hatch type 6 (no pattern), spacing 2.50 mm, colour number 4; layer 2, "
             u8"col 5, hat 6\n",
             u8"#2 日付  [selected]\n",
             u8"   #1 2013/4/5～2014/3/31\n      condition: 2013/4/5～2014/3/31\n"
             u8"      fill: hatch type 3 (diagonal /)",
             u8"   attribute フリー (ID 0), 1 brush\n   #1 名前\n      condition: none\n"
             u8"      fill: hatch type 5 (diagonal cross)",
         })
        EXPECT_NE(shown.find(line), std::string::npos) << line << "\n--- in ---\n" << shown;
}
} // namespace
