// Style rules against the library: for random palettes and parcels, exactly
// the rule of the brush the library chooses holds, since a renderer tries
// every rule; the rules' texts as QGIS and SLD read them; and fills as every
// output draws them.
#include "parcels/fill/brush_fill.h"
#include "tools/gis/local_days.h"
#include "tools/gis/palette_rules.h"
#include "tools/gis/qml_style.h"
#include "tools/gis/sld_style.h"
#include "tools/pictures/map_legend.h"
#include "tools/pictures/svg_text.h"

#include "host/sample_drawing.h"
#include "host/svy_kk_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <numeric>
#include <random>

namespace {
// A column's value as a layer holds it: a number, a text (a date as
// YYYY-MM-DD), or null for an empty field.
struct Cell {
    bool null = false;
    double number = 0.0;
    std::string text;
};
Cell Number(double value) {
    return Cell{false, value, ""};
}
Cell Text(const std::string& text) {
    return Cell{false, 0.0, text};
}
const Cell kNull{true, 0.0, ""};

using Row = std::map<std::string, Cell>;

bool TermHolds(const FieldTerm& term, const Row& row) {
    const Cell& cell = row.at(term.field);
    if (term.op == FieldTerm::IS_NULL || cell.null)
        return term.op == FieldTerm::IS_NULL && cell.null;
    int order = cell.text.compare(term.value);
    if (term.kind == FieldTerm::NUMBER) {
        double value = std::stod(term.value);
        order = cell.number < value ? -1 : cell.number > value ? 1 : 0;
    }
    switch (term.op) {
    case FieldTerm::EQUAL:
        return order == 0;
    case FieldTerm::AT_LEAST:
        return order >= 0;
    case FieldTerm::ABOVE:
        return order > 0;
    case FieldTerm::AT_MOST:
        return order <= 0;
    default:
        return order < 0;
    }
}

// The brushes whose rules hold, from 1.
std::vector<int> HeldRules(const PaletteStyle& style, const Row& row) {
    std::vector<int> held;
    for (const StyleRule& rule : style.rules) {
        bool holds = false;
        for (const std::vector<FieldTerm>& clause : rule.filter.clauses) {
            bool all = true;
            for (const FieldTerm& term : clause)
                all = all && TermHolds(term, row);
            holds = holds || all;
        }
        if (rule.brush >= 0 && holds)
            held.push_back(rule.brush + 1);
    }
    return held;
}

VELMORA_Z_TYPE Condition(WORD zty) {
    VELMORA_Z_TYPE z;
    std::memset(&z, 0, sizeof z);
    z.Zty = zty;
    return z;
}

// Each brush's colour number is its position.
CVObjPlt Palette(WORD zty, const std::vector<VELMORA_Z_TYPE>& conditions) {
    CVObjPlt plt;
    plt.SetZty(zty);
    for (const VELMORA_Z_TYPE& z : conditions) {
        CVObjBrs brs;
        brs.ZVal = z;
        brs.Col = plt.CountBrs();
        plt.AddBrs(plt.CountBrs(), &brs);
    }
    return plt;
}

// A parcel whose attribute record holds `zoku`, with the layer's row for it.
struct Parcel {
    SVY_KKDB_ZOKUSEI zoku;
    Row row;
};

Parcel Make(
    const std::string& field, Cell cell,
    const std::function<void(SVY_KKDB_ZOKUSEI&)>& set = [](SVY_KKDB_ZOKUSEI&) {}) {
    Parcel parcel{SVY_KKDB_ZOKUSEI(), {{field, cell}}};
    std::memset(&parcel.zoku, 0, sizeof parcel.zoku);
    set(parcel.zoku);
    return parcel;
}

// Checks 300 random palettes of `zty`; `brush` makes a random condition.
void ExpectRulesAgree(WORD zty, const std::string& field, const std::vector<Parcel>& parcels,
                      const std::function<VELMORA_Z_TYPE(std::mt19937&)>& brush) {
    std::mt19937 random(zty);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<VELMORA_Z_TYPE> conditions(1 + random() % 6);
        for (VELMORA_Z_TYPE& z : conditions)
            z = brush(random);
        CVObjPlt plt = Palette(zty, conditions);
        PaletteStyle style = AttributeStyle(plt, drawing.Attr(), field);
        ASSERT_EQ(style.rules.size(), conditions.size() + 1);
        for (const Parcel& parcel : parcels) {
            SvyKkData kk;
            kk.SetZoku(parcel.zoku);
            BYTE col = 0;
            DWORD hat = 0, layer = 0;
            std::vector<int> chosen;
            if (plt.GetBrsToKk(&kk, &col, &hat, &layer))
                chosen.push_back(col + 1);
            ASSERT_EQ(HeldRules(style, parcel.row), chosen)
                << "trial " << trial << ", " << QgisExpression(style.rules[0].filter);
        }
    }
}

TEST(PaletteRules, WholeNumberRangesTakeWhatEarlierBrushesLeave) {
    std::vector<Parcel> parcels;
    for (WORD v = 0; v <= 12; ++v)
        parcels.push_back(Make(u8"共有人数", Number(v), [v](auto& z) { z.KyoyuNinzu = v; }));
    ExpectRulesAgree(201, u8"共有人数", parcels, [](std::mt19937& random) {
        VELMORA_Z_TYPE z = Condition(201);
        z.ZLong.RangeFlg = random() % 3 != 0;
        z.ZLong.From = static_cast<std::int32_t>(random() % 16) - 3;
        z.ZLong.To = static_cast<std::int32_t>(random() % 16) - 3;
        return z;
    });
}

// An empty field holds what the library reads for it: 0.
TEST(PaletteRules, AreaRangesKeepTheirSharedEndsWithTheEarlierBrush) {
    std::vector<Parcel> parcels{Make(u8"公簿面積", kNull)};
    for (double v : {0.0, 0.5, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 99.0})
        parcels.push_back(Make(u8"公簿面積", Number(v), [v](auto& z) { z.KoboMen = v; }));
    ExpectRulesAgree(500, u8"公簿面積", parcels, [](std::mt19937& random) {
        const double ends[] = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, NAN};
        VELMORA_Z_TYPE z = Condition(500);
        z.ZReal.RangeFlg = random() % 3 != 0;
        z.ZReal.From = ends[random() % 8];
        z.ZReal.To = ends[random() % 8];
        return z;
    });
}

// Days around 1970, whose midnights in Tokyo are negative up to 1970-01-01,
// and some in 2000; a date is read at its local midnight, bounds at any hour.
TEST(PaletteRules, DateRangesHoldByLocalDayAsTheLibraryMatchesThem) {
    std::vector<std::int64_t> days;
    std::vector<Parcel> parcels{Make(u8"登記日付", kNull)};
    for (std::int64_t first : {DayNumber(1969, 12, 28), DayNumber(2000, 1, 1)})
        for (std::int64_t day = first; day < first + 7; ++day) {
            days.push_back(day);
            auto midnight = static_cast<std::int32_t>(LocalMidnight(day));
            parcels.push_back(
                Make(u8"登記日付", Text(DayText(day)), [=](auto& z) { z.Toki = midnight; }));
        }
    ExpectRulesAgree(401, u8"登記日付", parcels, [&days](std::mt19937& random) {
        auto bound = [&]() {
            return static_cast<std::int32_t>(LocalMidnight(days[random() % days.size()]) +
                                             3600 * static_cast<int>(random() % 24));
        };
        VELMORA_Z_TYPE z = Condition(401);
        z.ZDate.RangeFlg = random() % 3 != 0;
        z.ZDate.From = bound();
        z.ZDate.To = bound();
        return z;
    });
}

TEST(PaletteRules, CodesTextsAndKoazaTakeEachValueOnce) {
    auto code = [](WORD zty, unsigned count, unsigned first) {
        return [=](std::mt19937& random) {
            VELMORA_Z_TYPE z = Condition(zty);
            z.ZCode.Code = random() % count == 0 ? 0 : first + random() % count;
            return z;
        };
    };
    std::vector<Parcel> parcels{Make(u8"現況地目", kNull)};
    for (WORD v = 0; v <= 4; ++v)
        parcels.push_back(Make(u8"現況地目", Number(v), [v](auto& z) { z.GenkyoChimoku = v; }));
    ExpectRulesAgree(102, u8"現況地目", parcels, code(102, 5, 0));
    parcels.clear();
    for (WORD v : {0, 1, 7})
        parcels.push_back(Make(u8"所有権", Number(v), [v](auto& z) { z.ShoyukenFlg = v; }));
    ExpectRulesAgree(106, u8"所有権", parcels, code(106, 3, 1));

    const char* const texts[] = {"", "1", "12", "120"};
    parcels = {Make(u8"不動産番号", kNull)};
    for (const char* t : texts)
        parcels.push_back(
            Make(u8"不動産番号", Text(t), [t](auto& z) { std::strcpy(z.FudosanNo, t); }));
    ExpectRulesAgree(301, u8"不動産番号", parcels, [&texts](std::mt19937& random) {
        VELMORA_Z_TYPE z = Condition(301);
        std::strcpy(z.ZText.Text, texts[random() % 4]);
        return z;
    });

    // 小字 is read with its 大字: codes are (大字 << 16) | 小字.
    parcels.clear();
    for (WORD oaza = 1; oaza <= 2; ++oaza)
        for (WORD k = 1; k <= 2; ++k) {
            parcels.push_back(
                Make(u8"小字", Number(k), [=](auto& z) { z.Oaza = oaza, z.Koaza = k; }));
            parcels.back().row[u8"大字コード"] = Number(oaza);
        }
    ExpectRulesAgree(107, u8"小字", parcels, [](std::mt19937& random) {
        VELMORA_Z_TYPE z = Condition(107);
        z.ZCode.Code = ((1 + random() % 2) << 16) | (1 + random() % 2);
        return z;
    });
}

TEST(PaletteRules, ExpressionsAndFiltersReadAsQgisAndSeDo) {
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    VELMORA_Z_TYPE wide = Condition(500), narrow = Condition(500);
    wide.ZReal = VELMORA_ZREAL{500, 1, 0.0, 10.0};
    narrow.ZReal = VELMORA_ZREAL{500, 1, 5.0, 20.5};
    CVObjPlt plt = Palette(500, {wide, narrow});
    PaletteStyle style = AttributeStyle(plt, drawing.Attr(), u8"面積 \"m2\"");
    EXPECT_EQ(QgisExpression(style.rules[0].filter),
              u8"(\"面積 \"\"m2\"\"\" >= 0 AND \"面積 \"\"m2\"\"\" <= 10) OR \"面積 "
              u8"\"\"m2\"\"\" IS NULL");
    EXPECT_EQ(QgisExpression(style.rules[1].filter),
              u8"\"面積 \"\"m2\"\"\" > 10 AND \"面積 \"\"m2\"\"\" <= 20.5");
    std::string sld = WriteSld(style, u8"筆");
    EXPECT_NE(sld.find(u8"<ogc:PropertyIsGreaterThan><ogc:PropertyName>面積 &quot;m2&quot;"
                       "</ogc:PropertyName><ogc:Literal>10</ogc:Literal>"),
              std::string::npos);
    EXPECT_NE(sld.find("<se:ElseFilter/>"), std::string::npos);

    // A brush that an earlier one covers keeps its rule, which never holds.
    VELMORA_Z_TYPE text = Condition(300);
    std::strcpy(text.ZText.Text, "O'Neil");
    plt = Palette(300, {text, text});
    style = AttributeStyle(plt, drawing.Attr(), u8"地番");
    EXPECT_EQ(QgisExpression(style.rules[0].filter), u8"\"地番\" = 'O''Neil'");
    EXPECT_EQ(QgisExpression(style.rules[1].filter), "FALSE");
    EXPECT_NE(WriteSld(style, u8"筆")
                  .find("<ogc:PropertyIsEqualTo><ogc:Literal>1</ogc:Literal>"
                        "<ogc:Literal>0</ogc:Literal>"),
              std::string::npos);

    VELMORA_Z_TYPE day = Condition(401);
    day.ZDate = VELMORA_ZDATE{
        401, 1, static_cast<std::int32_t>(LocalMidnight(DayNumber(2001, 2, 3)) + 5000),
        static_cast<std::int32_t>(LocalMidnight(DayNumber(2001, 3, 4)))};
    plt = Palette(401, {day, day});
    style = AttributeStyle(plt, drawing.Attr(), u8"登記日付");
    EXPECT_EQ(QgisExpression(style.rules[0].filter),
              u8"\"登記日付\" >= to_date('2001-02-03') AND \"登記日付\" <= to_date('2001-03-04')");
}

std::string Between(const std::string& text, const std::string& before, const std::string& after) {
    size_t from = text.find(before);
    if (from == std::string::npos)
        return "(none)";
    from += before.size();
    return text.substr(from, text.find(after, from) - from);
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Every hatch type and spacing, at the ends of what each output draws, and
// colours channel by channel: the SVG picture and legend, QML and SLD.
TEST(PaletteRules, FillsKeepTheirRangesInEveryOutput) {
    const char* const qmlAngles[] = {"0", "270", "315", "225", "0", "315"};
    const char* const sldRotations[] = {"180", "90", "135", "45", "180", "135"};
    for (int type : {0, 1, 2, 3, 4, 5, 6, 255}) {
        MapFill fill{MapFill::HATCH, 0x123456, type, 5.0};
        PaletteStyle style{"p", {StyleRule{"b", 0, fill, StyleFilter()}}};
        size_t lines = HatchAngles(type).size();
        std::string qml = WriteQml(style), sld = WriteSld(style, "l");
        EXPECT_EQ(Count(qml, "class=\"LinePatternFill\""), lines) << type;
        // QGIS turns lines counter-clockwise.
        EXPECT_EQ(Between(qml, "name=\"angle\" value=\"", "\""),
                  type <= 5 ? qmlAngles[type] : "(none)");
        // The same, as a rotation of a "horline" mark, which QGIS reads as
        // lines only when it is not 0.
        EXPECT_EQ(Count(sld, "<se:WellKnownName>horline</se:WellKnownName>"), lines) << type;
        EXPECT_EQ(Between(sld, "<se:Rotation>", "<"), type <= 5 ? sldRotations[type] : "(none)");
        EXPECT_EQ(SvgFillValue(fill, "h"), lines ? "url(#h)" : "none") << type;
        EXPECT_EQ(Count(SvgHatchPattern(fill, "h", 8.0), "<line"), lines) << type;
        if (lines) {
            EXPECT_EQ(Between(qml, "name=\"line_color\" value=\"", "\""), "86,52,18,255");
            EXPECT_EQ(Between(sld, "name=\"stroke\">", "<"), "#563412");
        }
    }
    MapFill paint{MapFill::PAINT, 0x123456, 0, 0.0};
    PaletteStyle painted{"p", {StyleRule{"b", 0, paint, StyleFilter()}}};
    EXPECT_EQ(Between(WriteQml(painted), "name=\"color\" value=\"", "\""), "86,52,18,255");
    EXPECT_EQ(Between(WriteSld(painted, "l"), "name=\"fill\">", "<"), "#563412");

    struct Spacing {
        double mm;
        const char* qml;
        const char* sld;
    } spacings[] = {{0.1, "0.26", "0.93"},          {0.26, "0.26", "0.93"},
                    {5.0, "5.00", "17.86"},         {1000.0, "1000.00", "3571.43"},
                    {2000.0, "1000.00", "3571.43"}, {NAN, "0.26", "0.93"}};
    for (const Spacing& s : spacings) {
        MapFill fill{MapFill::HATCH, 0, 0, s.mm};
        PaletteStyle style{"p", {StyleRule{"b", 0, fill, StyleFilter()}}};
        EXPECT_EQ(Between(WriteQml(style), "name=\"distance\" value=\"", "\""), s.qml) << s.mm;
        EXPECT_EQ(Between(WriteSld(style, "l"), "<se:Size>", "<"), s.sld) << s.mm;
    }
    // Map pixels of the picture; the legend's swatches from millimetres.
    const std::pair<double, std::string> pixels[] = {{0.5, "1.00"},      {1.0, "1.00"},
                                                     {7.5, "7.50"},      {1e5, "100000.00"},
                                                     {2e5, "100000.00"}, {NAN, "1.00"}};
    for (const auto& [px, width] : pixels)
        EXPECT_EQ(Between(SvgHatchPattern({MapFill::HATCH, 0, 0, 0.0}, "h", px), "width=\"", "\""),
                  width)
            << px;
    const std::pair<double, double> swatches[] = {{1.0, 3.0},  {2.5, 3.0},  {5.0, 6.0},
                                                  {8.5, 10.0}, {9.0, 10.0}, {NAN, 3.0}};
    for (const auto& [mm, px] : swatches)
        EXPECT_DOUBLE_EQ(LegendSpacing(mm), px) << mm;
}
} // namespace
