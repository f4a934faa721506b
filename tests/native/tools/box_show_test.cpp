#include "tools/box/box_json.h"
#include "tools/box/box_show.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

namespace {
const char* const kBox = u8R"({"selected": 1, "palettes": [
  {"name": "地目", "attribute": "現況地目", "brushes": [
    {"name": "宅地", "condition": {"code": 3}, "paint": {"color": "#ff0000", "density": 50}},
    {"name": "謎", "condition": {"code": 99}, "hatch": {"type": 6, "spacing": 2.5, "color": 4},
     "layer": 2, "col": 5, "hat": 6}]},
  {"name": "日付", "attribute": "登記日付", "brushes": [
    {"condition": {"from": "2013-04-05T10:00:00", "to": "2014-03-31"},
     "hatch": {"type": 3, "spacing": 2, "color": 1}}]},
  {"name": "凡例", "attribute": 0, "brushes": [{"name": "名前", "hatch": {"type": 5}}]}]})";

TEST(BoxShow, ConditionsInTheEditorsFormAndFillsInFull) {
    CCodeBook::Clear();
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 3, "宅地");
    CVPaletteBox box;
    BoxFromJson("show.json", kBox, box);
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
