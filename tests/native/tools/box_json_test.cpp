#include "tests/native/temp_dir.h"
#include "tools/box/box_file.h"
#include "tools/box/box_json.h"
#include "parcels/text/read_file.h"

#include "tests/native/storage/storage_samples.h"

#include "host/code_tables.h"
#include "host/record_file.h"
#include "model/zok_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {
// Every kind of condition, and settings the editor never makes: four
// different spacings and colours, a fill flag of 2, a colour with its top
// byte set, carried values.
const char* const kEveryKind = u8R"({
  "selected": 1, "word": 7,
  "palettes": [
    {"name": "地目", "attribute": "現況地目", "brushes": [
      {"name": "宅地", "condition": {"code": 3}, "paint": {"color": "#ff8000", "density": 37.5},
       "layer": 4, "col": 9, "hat": 77}]},
    {"name": "所有権", "attribute": 106, "brushes": [
      {"condition": {"code": 1}, "hatch": {"type": 5, "spacing": [1, 2, 3, 4], "color": [1, 2, 3, 4]},
       "carried": {"aux": 5, "points": [[1, 2, 3], [4, 5, 6], [7, 8, 9], [0, 0, 0.5]],
                   "aux2": [0, 0, 0, 1.5], "aux3": 2, "aux4": [0, 0, 1, 0]}}]},
    {"name": "小字", "attribute": "小字", "brushes": [
      {"name": "平内中島", "condition": {"oaza": 15, "koaza": 2}, "fill": 2,
       "paint": {"color": 16777217}}]},
    {"name": "番号", "attribute": "画地No", "brushes": [
      {"condition": {"from": 1, "to": 4000000000}}, {"condition": {"value": -5}}]},
    {"name": "名称", "attribute": "画地名称", "brushes": [{"condition": {"text": "26-101 見本"}}]},
    {"name": "登記", "attribute": "登記日付", "brushes": [
      {"condition": {"from": "2001-04-01", "to": "2002-03-31T12:30:00"}},
      {"condition": {"value": -100}}]},
    {"name": "面積", "attribute": "公簿面積", "brushes": [
      {"condition": {"from": 0.1, "to": "inf"}}, {"condition": {"value": "nan"}}]},
    {"name": "凡例", "attribute": 0, "brushes": [{"name": "名前だけ"}]},
    {"name": "壊れ", "attribute": 999, "brushes": [{"name": "x"}]}
  ]
})";

std::string ExportedJsonOf(const std::string& path) {
    CVPaletteBox box;
    LoadBox(path, false, box);
    return BoxToJson(box);
}

TEST(BoxJson, RoundTripThroughJsonEqualsTheFileRoundTrip) {
    TempDir dir;
    CVPaletteBox first;
    BoxFromJson("every.json", kEveryKind, first);
    ASSERT_EQ(first.GetPltCount(), 9);
    SaveBox(dir.File("first.dat"), first);

    std::string json = ExportedJsonOf(dir.File("first.dat"));
    CVPaletteBox second;
    BoxFromJson("exported.json", json, second);
    SaveBox(dir.File("second.dat"), second);

    EXPECT_EQ(ReadWholeFile(dir.File("first.dat")), ReadWholeFile(dir.File("second.dat")));
    EXPECT_EQ(ExportedJsonOf(dir.File("second.dat")), json);
}

// .dat -> export -> import gives back the file's bytes.
std::string JsonRoundTrip(const TempDir& dir, const std::string& dat, bool old) {
    CVPaletteBox loaded;
    LoadBox(dat, old, loaded);
    CVPaletteBox imported;
    BoxFromJson("exported.json", BoxToJson(loaded), imported);
    SaveBox(dir.File("imported.dat"), imported);
    return ReadWholeFile(dir.File("imported.dat"));
}

// Values the editor leaves behind or a host carries, which a box must keep.
void AddOddBrushes(CVObjPlt& plt, WORD zty, int n) {
    CVObjBrs brs = SampleBrs(zty, n);
    brs.BNm = "\x87\x9A\x81\xE6"; // one character by both of its codes
    switch (VelmoraZokKindOf(zty)) {
    case ZOK_KIND_LONG:
        brs.ZVal.ZLong.RangeFlg = 2;
        break;
    case ZOK_KIND_DATE:
        brs.ZVal.ZDate.RangeFlg = 0;
        brs.ZVal.ZDate.To = -7;
        break;
    case ZOK_KIND_REAL: {
        brs.ZVal.ZReal.RangeFlg = 0;
        std::uint64_t payload = 0x7FF4000000000001ull;
        std::memcpy(&brs.ZVal.ZReal.To, &payload, sizeof payload);
        brs.ZVal.ZReal.From = -0.0;
        break;
    }
    case ZOK_KIND_TEXT:
        std::strcpy(brs.ZVal.ZText.Text, "\xFF\x81"); // bytes that are no text
        break;
    default:
        brs.ZVal.Zty = static_cast<WORD>(zty + 1);
        break;
    }
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
    every.SetSelPNo(3);
    every.BoxWord = -12;
    SaveBox(dir.File("every.dat"), every);
    EXPECT_EQ(JsonRoundTrip(dir, dir.File("every.dat"), false),
              ReadWholeFile(dir.File("every.dat")));

    CVPaletteBox sample;
    LoadBox(VELMORA_SAMPLE_BOX, false, sample);
    SaveBox(dir.File("sample.dat"), sample);
    EXPECT_EQ(JsonRoundTrip(dir, dir.File("sample.dat"), false),
              ReadWholeFile(dir.File("sample.dat")));

    // A box in the older layout comes back in the current one.
    {
        CFile file;
        ASSERT_TRUE(file.Open(dir.File("old.dat").c_str(), CFile::modeCreate | CFile::modeWrite));
        ASSERT_EQ(WriteBoxOld(every, &file), 0);
        file.Close();
    }
    CVPaletteBox old;
    LoadBox(dir.File("old.dat"), true, old);
    SaveBox(dir.File("current.dat"), old);
    EXPECT_EQ(JsonRoundTrip(dir, dir.File("old.dat"), true),
              ReadWholeFile(dir.File("current.dat")));
}

TEST(BoxJson, ValuesLandInTheirFields) {
    CVPaletteBox box;
    BoxFromJson("every.json", kEveryKind, box);
    EXPECT_EQ(box.GetSelPNo(), 1);
    EXPECT_EQ(int{box.BoxWord}, 7);
    const CVObjBrs& takuchi = *box.GetPlt(0)->GetObjBrs(0);
    EXPECT_EQ(DWORD{takuchi.PaintData.Color}, 0x0080FFu); // red in the lowest byte
    EXPECT_EQ(double{takuchi.PaintData.Depth}, 37.5);
    EXPECT_EQ(WORD{takuchi.PaintFlg}, 0);
    EXPECT_EQ(DWORD{takuchi.LayerNo}, 4u);
    EXPECT_EQ(takuchi.Col, 9);
    EXPECT_EQ(DWORD{takuchi.Hat}, 77u);
    const CVObjBrs& flag = *box.GetPlt(1)->GetObjBrs(0);
    EXPECT_EQ(WORD{flag.PaintFlg}, 1); // only hatch settings given: a hatch brush
    EXPECT_EQ(double{flag.HatchData.Space[3]}, 4.0);
    EXPECT_EQ(double{flag.HatchData.Pt[3].z}, 0.5);
    EXPECT_EQ(flag.BNm, "有り");
    EXPECT_EQ(DWORD{box.GetPlt(2)->GetObjBrs(0)->ZVal.ZCode.Code}, R113CODEMIX(15, 2));
    const CVObjBrs& range = *box.GetPlt(3)->GetObjBrs(0);
    EXPECT_EQ(static_cast<std::uint32_t>(range.ZVal.ZLong.To), 4000000000u);
    EXPECT_EQ(range.BNm, "1～-294967296"); // the editor's "%d" of the stored bits
    EXPECT_EQ(DWORD{range.Hat}, 1u);
    EXPECT_EQ(box.GetPlt(4)->GetObjBrs(0)->BNm, "26-101 見本");
    EXPECT_EQ(box.GetPlt(5)->GetObjBrs(0)->BNm, "2001/4/1～2002/3/31");
    EXPECT_TRUE(std::isinf(box.GetPlt(6)->GetObjBrs(0)->ZVal.ZReal.To));
    EXPECT_TRUE(std::isnan(box.GetPlt(6)->GetObjBrs(1)->ZVal.ZReal.From));
    EXPECT_EQ(box.GetPlt(8)->GetZty(), 999);
}

TEST(BoxJson, MistakesNameTheElementAndChangeNothing) {
    struct Case {
        std::string json;
        std::string message;
    } cases[] = {
        {"{\"palettes\": [\n{\"name\": 1,\n", "bad.json:3: malformed JSON"},
        {u8R"({"palettes": [{"name": "a", "attribute": "地目"}]})",
         u8"palettes[0].attribute: unknown attribute '地目'"},
        {u8R"({"palettes": [{"name": "a", "attribute": 201, "brushes": [{"condition": {"value": 1, "to": 2}}]}]})",
         "palettes[0].brushes[0].condition: expected either"},
        {u8R"({"palettes": [{"name": "a", "attribute": 201, "brushes": [{"condition": {"from": 1.5, "to": 2}}]}]})",
         "palettes[0].brushes[0].condition.from: expected a whole number"},
        {u8R"({"palettes": [{"name": "a", "attribute": 102, "brushes": [{"condition": {"code": 3}, "colour": 1}]}]})",
         "palettes[0].brushes[0]: unknown key 'colour'"},
        {u8R"({"palettes": [{"name": "a", "attribute": 102, "brushes": [{"condition": {"code": 4294967296}}]}]})",
         "palettes[0].brushes[0].condition.code: expected a whole number from 0 to 4294967295"},
        {u8R"({"palettes": [{"name": "a", "attribute": 401, "brushes": [{"condition": {"value": "2001-02-29"}}]}]})",
         "palettes[0].brushes[0].condition.value: expected a date"},
        {u8R"({"palettes": [{"name": "a", "attribute": 102, "brushes": [{"condition": {"code": 1}, "paint": {"color": "#12345"}}]}]})",
         "palettes[0].brushes[0].paint.color: expected a colour"},
        {u8R"({"palettes": [{"name": "a", "attribute": 0, "brushes": [{}]}]})",
         "palettes[0].brushes[0]: a brush of a free palette needs a \"name\""},
        {u8R"({"palettes": [{"name": "a", "attribute": 300, "brushes": [{"condition": {"text": "😀"}}]}]})",
         "palettes[0].brushes[0].condition.text: the text has characters outside code page 932"},
        {u8R"({"selected": 100, "palettes": []})",
         "selected: expected a whole number from -1 to 99"},
    };
    for (const Case& c : cases) {
        CVPaletteBox box;
        std::string message = InputErrorOf([&] { BoxFromJson("bad.json", c.json, box); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_EQ(box.GetPltCount(), 0) << c.json;
    }
}

TEST(BoxJson, LimitsOfTextsBrushesAndPalettes) {
    auto text = [](size_t bytes) {
        return u8R"({"palettes": [{"name": "a", "attribute": 301, "brushes": [{"condition": {"text": ")" +
               std::string(bytes, 'x') + "\"}}]}]}";
    };
    CVPaletteBox fits;
    BoxFromJson("t.json", text(254), fits);
    EXPECT_EQ(std::string(fits.GetPlt(0)->GetObjBrs(0)->ZVal.ZText.Text), std::string(254, 'x'));
    CVPaletteBox refused;
    EXPECT_NE(InputErrorOf([&] {
                  BoxFromJson("t.json", text(255), refused);
              }).find("longer than 254 bytes"),
              std::string::npos);

    std::string brushes;
    for (int i = 0; i < 256; ++i)
        brushes +=
            std::string(i ? "," : "") + "{\"condition\": {\"value\": " + std::to_string(i) + "}}";
    CVPaletteBox many;
    EXPECT_NE(InputErrorOf([&] {
                  BoxFromJson(
                      "b.json",
                      "{\"palettes\": [{\"name\": \"a\", \"attribute\": 201, \"brushes\": [" +
                          brushes + "]}]}",
                      many);
              }).find("at most 255 brushes"),
              std::string::npos);

    std::string palettes;
    for (int i = 0; i < 101; ++i)
        palettes += std::string(i ? "," : "") + "{\"name\": \"p\", \"attribute\": 0}";
    CVPaletteBox full;
    EXPECT_NE(InputErrorOf([&] {
                  BoxFromJson("p.json", "{\"palettes\": [" + palettes + "]}", full);
              }).find("at most 100 palettes"),
              std::string::npos);
}
} // namespace
