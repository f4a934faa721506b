#include "tests/native/storage/storage_samples.h"
#include "tests/native/temp_dir.h"
#include "tools/box/box_file.h"
#include "tools/box/box_json.h"
#include "parcels/text/read_file.h"
#include "parcels/text/text_cut.h"

#include "model/zok_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {
// Every kind of condition, and settings and carried values the editor never makes.
const std::string kEveryKind =
    ReadWholeFile(std::string(VELMORA_TOOL_TEST_DATA) + "/every_kind.json");

std::string JsonRoundTrip(const TempDir& dir, const std::string& dat, bool old) {
    CVPaletteBox loaded;
    LoadBox(dat, old, loaded);
    CVPaletteBox imported;
    BoxFromJson("exported.json", BoxToJson(loaded), imported);
    SaveBox(dir.File("imported.dat"), imported);
    return ReadWholeFile(dir.File("imported.dat"));
}

TEST(BoxJson, ValuesLandInTheirFieldsAndComeBack) {
    CVPaletteBox box;
    BoxFromJson("every.json", kEveryKind, box);
    EXPECT_EQ(std::make_tuple(box.GetSelPNo(), +box.BoxWord, box.GetPlt(8)->GetZty()),
              std::make_tuple(1, 7, 999));
    // Red in the lowest byte; only hatch settings make a hatch; carried values as they are.
    const CVObjBrs &takuchi = *box.GetPlt(0)->GetObjBrs(0), &koaza = *box.GetPlt(2)->GetObjBrs(0);
    EXPECT_EQ(std::make_tuple(+takuchi.PaintData.Color, +box.GetPlt(1)->GetObjBrs(0)->PaintFlg,
                              +koaza.PaintData.Color, +koaza.PaintFlg, +koaza.PaintData.Depth),
              std::make_tuple(0x0180FFu, 1, 0x01000001u, 2, 250.0));
    EXPECT_EQ(box.GetPlt(3)->GetObjBrs(0)->BNm, "1～-294967296"); // "%d" of the stored bits
    // A made-up name, 254 bytes of From and "～", is cut before the "～" that would cross 255.
    EXPECT_EQ(std::string(box.GetPlt(6)->GetObjBrs(2)->BNm).size(), 254u);
}

// Values the editor leaves behind or a host carries, which a box must keep.
void AddOddBrushes(CVObjPlt& plt, WORD zty, int n) {
    CVObjBrs brs = SampleBrs(zty, n);
    brs.BNm = "\x87\x9A\x81\xE6"; // one character by both of its codes
    brs.PaintFlg = 7;
    brs.PaintData.Color = 0xFF123456u;
    brs.PaintData.Depth = n % 2 ? -50.0 : std::nan("");
    const VelmoraZokKind kind = VelmoraZokKindOf(zty);
    const std::uint64_t payload = 0x7FF4000000000001ull; // a signalling NaN's bits
    if (kind == ZOK_KIND_LONG)
        brs.ZVal.ZLong.RangeFlg = 2;
    else if (kind == ZOK_KIND_DATE)
        brs.ZVal.ZDate = {zty, 0, brs.ZVal.ZDate.From, -7};
    else if (kind == ZOK_KIND_REAL) {
        brs.ZVal.ZReal = {zty, 0, -0.0, 0.0};
        std::memcpy(&brs.ZVal.ZReal.To, &payload, sizeof payload);
    } else if (kind == ZOK_KIND_TEXT)
        std::strcpy(brs.ZVal.ZText.Text, "\xFF\x81"); // bytes that are no text
    else
        brs.ZVal.Zty = static_cast<WORD>(zty + 1);
    plt.AddBrs(plt.CountBrs(), &brs);
    plt.SetBFg(static_cast<BYTE>(plt.CountBrs() - 1), 3);
}

TEST(BoxJson, ExportAndImportGiveBackTheFilesBytes) {
    TempDir dir;
    CVPaletteBox every;
    std::vector<WORD> ids = {0, 999};
    for (int index = 0; index < Velmora_GetZokCnt(); ++index)
        ids.push_back(VelmoraZokIdFromIndex(static_cast<unsigned>(index)));
    for (size_t p = 0; p < ids.size(); ++p) {
        CVObjPlt* plt = new CVObjPlt;
        FillSamplePlt(*plt, ids[p], 4, static_cast<int>(p) + 1);
        AddOddBrushes(*plt, ids[p], static_cast<int>(p) + 50);
        every.AddPlt(plt);
    }
    every.BoxWord = -12;
    for (int selected : {3, 40}) { // 40: a number no palette has
        every.SetSelPNo(selected);
        SaveBox(dir.File("every.dat"), every);
        EXPECT_EQ(JsonRoundTrip(dir, dir.File("every.dat"), false),
                  ReadWholeFile(dir.File("every.dat")));
    }
    // A box in the older layout comes back in the current one.
    CFile file;
    ASSERT_TRUE(file.Open(dir.File("old.dat").c_str(), CFile::modeCreate | CFile::modeWrite));
    ASSERT_EQ(WriteBoxOld(every, &file), 0);
    file.Close();
    CVPaletteBox old;
    LoadBox(dir.File("old.dat"), true, old);
    SaveBox(dir.File("current.dat"), old);
    EXPECT_EQ(JsonRoundTrip(dir, dir.File("old.dat"), true),
              ReadWholeFile(dir.File("current.dat")));
}

// "" when the JSON is accepted, else the message.
std::string Import(const std::string& json) {
    CVPaletteBox box;
    std::string message = InputErrorOf([&] { BoxFromJson("bad.json", json, box); });
    EXPECT_TRUE(message.empty() || box.GetPltCount() == 0) << message; // a mistake changes nothing
    return message;
}

std::string Palette(const std::string& attribute, const std::string& brush) {
    return "{\"palettes\": [{\"name\": \"a\", \"attribute\": " + attribute + ", \"brushes\": [" +
           brush + "]}]}";
}

std::string Paint(const std::string& paint) {
    return Palette("102", "{\"condition\": {\"code\": 1}, " + paint + "}");
}

// Documented values at their edges and past; messages echo a short, printable
// part of the input, not the parser's codes.
TEST(BoxJson, DocumentedValuesAtTheirEdgesAndPast) {
    const std::string free = "{\"name\": \"p\", \"attribute\": 0}";
    auto text = [](size_t bytes) {
        return Palette("301", "{\"condition\": {\"text\": \"" + std::string(bytes, 'x') + "\"}}");
    };
    auto name = [](size_t bytes) {
        return Palette("0", "{\"name\": \"" + std::string(bytes, 'n') + "\"}");
    };
    const std::pair<std::string, std::string> cases[] = {
        {Paint(R"("paint": {"color": "#0000ff", "density": 0})"), ""},
        {Palette("401", R"({"condition": {"value": "2001-04-01T23:59:59"}})"), ""},
        {Palette("401", R"({"condition": {"value": "2001-04-01T24:00:00"}})"),
         "condition.value: expected a date YYYY-MM-DD"},
        {Paint(R"("paint": {"density": 100})"), ""},
        {Paint(R"("paint": {"density": -50})"), "paint.density: expected a density from 0 to"},
        {Paint(R"("paint": {"density": 100.5})"), "expected a density from 0 to 100"},
        {Paint(R"("paint": {"color": 16711680})"), "paint.color: expected a colour \"#rrggbb\""},
        {Paint(R"("fill": "hatch", "hatch": {"type": 65535, "color": 255})"), ""},
        {Paint(R"("fill": 2)"), "brushes[0].fill: expected \"paint\" or \"hatch\""},
        {Paint(R"("hatch": {"color": 256})"), "hatch.color: expected a whole number from 0 to"},
        {Paint(R"("carried": {"colorbyte": 0})"), "colorbyte: expected a whole number from 1"},
        {Paint(R"("carried": {"fill": 1})"), "carried.fill: expected a whole number from 2"},
        {Palette("502", ""), ""},
        {Palette("999", ""), "palettes[0].attribute: no attribute has the ID 999"},
        {Palette(u8"\"地目\"", ""), u8"palettes[0].attribute: unknown attribute '地目'"},
        {"{\"selected\": -1, \"palettes\": [" + free + "]}", ""},
        {"{\"selected\": 1, \"palettes\": [" + free + "]}", "selected: expected -1 (none) or a"},
        {"{\"carried\": {\"selected\": 99}}", ""},
        {"{\"carried\": {\"selected\": 100}}", "carried.selected: expected a whole number"},
        {"{\"word\": 7}", "box: unknown key 'word'"},
        {name(255), ""},
        {name(256), "name: the text is longer than 255 bytes"},
        {text(254), ""},
        {text(255), "text: the text is longer than 254 bytes"},
        {Palette("102", "{\"condition\": {\"code\": 4294967295}}"), ""},
        {Palette("102", "{\"condition\": {\"code\": 4294967296}}"), "from 0 to 4294967295"},
        {Palette("0", Repeated("{\"name\": \"b\"}", 255)), ""},
        {Palette("0", Repeated("{\"name\": \"b\"}", 256)), "at most 255 brushes"},
        {"{\"palettes\": [" + Repeated(free, 100) + "]}", ""},
        {"{\"palettes\": [" + Repeated(free, 101) + "]}", "at most 100 palettes"},
        {"{\"" + std::string(10000, 'k') + "\": 1}", "key '" + std::string(40, 'k') + "'..."},
        {"{\"a\\nb\\u0000c\": 1}", "unknown key 'a\\nb\\x00c'"},
        {"{\"palettes\": [\n{\"name\": 1,\n",
         "bad.json: malformed JSON at line 3, column 1: unexp"},
        {"{\"palettes\": x" + std::string(10000, 'x') + "}", "line 1, column 14: invalid literal"},
        {"{\"selected\": 1e999}", "malformed JSON: a number too large to read"},
    };
    for (const auto& [json, expected] : cases) {
        std::string message = Import(json);
        EXPECT_TRUE(expected.empty() ? message.empty()
                                     : message.find(expected) != std::string::npos)
            << message << " for " << json.substr(0, 200);
        EXPECT_LT(message.size(), 200u) << message;
        EXPECT_EQ(message.find("json.exception"), std::string::npos) << message;
    }
}

TEST(TextCut, CutsAndQuotesBetweenCharacters) {
    EXPECT_EQ(CutCp932("ab\x81\x60", 3), "ab");
    EXPECT_EQ(CutCp932("ab\x81\x60", 4), "ab\x81\x60");
    EXPECT_EQ(CutCp932("\xB1\xB2", 1), "\xB1"); // half-width kana take one byte
    EXPECT_EQ(QuoteValue(std::string(39, 'a') + u8"字字"), "'" + std::string(39, 'a') + u8"字'...");
    EXPECT_EQ(QuoteValue("\t\xFF\x7F"), "'\\t\\xff\\x7f'");
}
} // namespace
