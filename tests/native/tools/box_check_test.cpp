// Conditions as the editor writes them (code page 932), box show and box check.
#include "model/cond_text.h"
#include "parcels/text/read_file.h"
#include "tests/native/tools/condition.h"
#include "tools/box/box_check.h"
#include "tools/box/box_json.h"
#include "tools/box/box_show.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

#include <regex>

namespace {
TEST(CondText, EachKindInTheEditorsFormat) {
    CCodeBook::Clear();
    CCodeBook::SetName(106, 3, "宅地");
    CCodeBook::SetName(105, 15, "平内");
    CCodeBook::SetKoazaName(15, 2, "中島");
    const double day = 1365173940; // 2013-04-05 23:59 in Tokyo
    const double hiranai = R113CODEMIX(15, 2);
    const std::string full(sizeof(VELMORA_ZTEXT::Text), 'a'); // no NUL: up to the field's end
    struct Case {
        WORD zty;
        DWORD range;
        double from, to;
        std::string text;
        std::string expected;
        bool start = false; // the text only starts so
    } cases[] = {
        {201, 1, 10, 20, "", "10～20"},
        {200, 0, -7, 99, "", "-7"},
        {500, 0, 12.5, 0, "", "12.5000000"},
        {502, 1, 12.5, 1e300, "", "12.5000000～1", true},
        {401, 0, day, 0, "", "2013/4/5"},
        {400, 1, day, -5, "", "2013/4/5～0/0/0"},
        {102, 0, 3, 0, "", "宅地"},
        {101, 0, 3, 0, "", ""},
        {107, 0, hiranai, 0, "", "平内中島"},
        {107, 0, hiranai + 65536, 0, "", ""},
        {106, 0, 7, 0, "", "有り"},
        {106, 0, 0, 0, "", "無し"},
        {301, 0, 0, 0, full, full},
        {300, 0, 0, 0, "A ", "A "},
        {0, 0, 0, 0, "A ", ""},   // no attribute
        {108, 0, 0, 0, "A ", ""}, // IDs the catalogue lacks
        {402, 0, 0, 0, "A ", ""},
    };
    for (const Case& c : cases) {
        std::string text = VelmoraCondText(c.zty, Condition(c.zty, c.range, c.from, c.to, c.text));
        EXPECT_EQ(c.start ? text.substr(0, c.expected.size()) : text, c.expected) << c.zty;
    }
    CCodeBook::Clear();
    // Times before 1970 have no day; 946652399 is the last second of 1999 in Tokyo.
    for (auto [time, day] : {std::pair{0, "1970/1/1"}, {-1, "0/0/0"}, {946652399, "1999/12/31"}})
        EXPECT_EQ(VelmoraDayText(time), day) << time;
}

// "#brush reason; " per finding, up to ", which", for a brush per JSON condition.
std::string Findings(const std::string& attribute, const std::string& conditions) {
    const std::string brush = "{\"name\": \"b\", \"condition\": ";
    const std::string brushes =
        brush + std::regex_replace(conditions, std::regex(R"(\}\s*\{)"), "}}, " + brush + "{") +
        "}";
    CVPaletteBox box;
    BoxFromJson("check.json",
                "{\"palettes\": [{\"name\": \"p\", \"attribute\": " + attribute +
                    ", \"brushes\": [" + brushes + "]}]}",
                box);
    std::string found;
    for (const BoxFinding& f : CheckBox(box))
        found += "#" + std::to_string(f.brs + 1) + " " +
                 f.reason.substr(0, f.reason.find(", which")) + "; ";
    return found;
}

TEST(BoxCheck, FindsBrushesThatNeverApply) {
    const std::string none = "holds for no value (From above To, or not a number); ";
    const std::string first = "covered by earlier #1; ";
    const std::string cases[][3] = {
        {"102", R"({"code": 3} {"code": 1} {"code": 3})", "#3 same code as #1; "},
        // 所有権 holds by presence: codes 1 and 7 both mean 有り.
        {"106", R"({"code": 1} {"code": 7} {"code": 0})", "#2 same code as #1; "},
        {"300", R"({"text": "A"} {"text": "A "} {"text": "A"})", "#3 same text as #1; "},
        // Whole numbers: [1, 5] and [6, 9] leave no gap, [1, 5] and [7, 9] leave 6.
        {"201", R"({"from": 1, "to": 5} {"from": 6, "to": 9} {"from": 3, "to": 8})",
         "#3 covered by earlier #1, #2; "},
        {"201", R"({"from": 1, "to": 5} {"from": 7, "to": 9} {"from": 3, "to": 8})", ""},
        {"201", R"({"from": 1, "to": 5} {"value": 5})", "#2 " + first},
        {"201", R"({"from": 5, "to": 1} {"from": 5, "to": 5})", "#1 " + none},
        // 画地No compares unsigned: 4294967295 lies above 1.
        {"200", R"({"from": 1, "to": 4294967295})", ""},
        {"201", R"({"from": -2147483648, "to": 2147483647} {"value": 0})", "#2 " + first},
        // Reals join only where their bounds touch.
        {"500", R"({"from": 1, "to": 2} {"from": 2, "to": 3} {"from": 1.5, "to": 2.5})",
         "#3 covered by earlier #1, #2; "},
        {"500", R"({"from": 1, "to": 2} {"from": 2.000001, "to": 3} {"from": 1.5, "to": 2.5})", ""},
        {"501", R"({"value": 100} {"value": 100})", "#2 " + first},
        {"501", R"({"value": 100} {"value": 100.0000001})", ""},
        {"502", R"({"value": "nan"})", "#1 " + none},
        // A date holds all day, and so does a range on its bound days, either way round.
        {"401",
         R"({"from": "2001-04-01T18:00:00", "to": "2001-04-30"} {"value": "2001-04-01"}
            {"value": "2001-04-30"})",
         "#2 " + first + "#3 " + first},
        {"401", R"({"from": "2001-04-01", "to": "2001-04-30"} {"value": "2001-05-01"})", ""},
        {"400",
         R"({"from": "2001-04-30", "to": "2001-04-01"} {"value": "2001-04-01T12:00:00"}
            {"value": "2001-04-15"})",
         "#2 " + first},
        {"401", R"({"value": -1} {"value": -99999})", "#2 " + first}, // one day before 1970
        {"0, \"carried\": {\"attribute\": 999}", "{}",
         "#0 attribute ID 999 is not in the catalogue: no brush can ever apply; "},
        {"0", "{} {}", ""},
    };
    for (const auto& [attribute, conditions, findings] : cases)
        EXPECT_EQ(Findings(attribute, conditions), findings) << attribute << " " << conditions;
}

const std::string kShown = ReadWholeFile(std::string(VELMORA_TOOL_TEST_DATA) + "/show_box.json");

TEST(BoxShow, ConditionsInTheEditorsFormAndFillsInFull) {
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
