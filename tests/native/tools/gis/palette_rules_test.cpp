// A renderer tries every rule of a style, not only until the first that holds.
#include "parcels/fill/brush_fill.h"
#include "tools/gis/local_days.h"
#include "tools/gis/palette_rules.h"
#include "tools/gis/qml_style.h"
#include "tools/gis/sld_style.h"
#include "tools/pictures/map_legend.h"
#include "tools/pictures/svg_text.h"
#include "tests/native/tools/condition.h"

#include "host/sample_drawing.h"
#include "host/svy_kk_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <random>

namespace {
// A layer's value: a number, a text (a date as YYYY-MM-DD), or null.
struct Cell {
    double number;
    std::string text = "";
    bool null = false;
};
using Row = std::map<std::string, Cell>;

bool TermHolds(const FieldTerm& term, const Row& row) {
    const Cell& cell = row.at(term.field);
    if (term.op == FieldTerm::IS_NULL || cell.null)
        return term.op == FieldTerm::IS_NULL && cell.null;
    int order = cell.text.compare(term.value);
    if (term.kind == FieldTerm::NUMBER)
        order = (cell.number > std::stod(term.value)) - (cell.number < std::stod(term.value));
    const bool holds[] = {order == 0, order >= 0, order > 0, order <= 0, order < 0}; // by Op
    return holds[term.op];
}

// The brushes whose rules hold, from 1.
std::vector<int> HeldRules(const PaletteStyle& style, const Row& row) {
    std::vector<int> held;
    for (const StyleRule& rule : style.rules)
        for (const std::vector<FieldTerm>& clause : rule.filter.clauses)
            if (rule.brush >= 0 && std::all_of(clause.begin(), clause.end(),
                                               [&](auto& term) { return TermHolds(term, row); })) {
                held.push_back(rule.brush + 1);
                break;
            }
    return held;
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

// An attribute's parcels, as records and layer rows, and the bounds its random
// conditions take (for texts, places in `texts`).
struct Kind {
    WORD zty;
    std::string field;
    std::vector<double> ends;
    std::vector<std::string> texts = {};
    std::vector<std::pair<SVY_KKDB_ZOKUSEI, Row>> parcels = {};

    void Add(Cell cell, const std::function<void(SVY_KKDB_ZOKUSEI&)>& set) {
        SVY_KKDB_ZOKUSEI zoku{};
        set(zoku);
        parcels.push_back({zoku, {{field, cell}}});
    }
};

// 300 random palettes: for every parcel only the rule of the brush the library chooses holds.
void ExpectRulesAgree(const Kind& kind) {
    std::mt19937 random(kind.zty);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    auto end = [&]() { return kind.ends[random() % kind.ends.size()]; };
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<VELMORA_Z_TYPE> conditions(1 + random() % 6);
        for (VELMORA_Z_TYPE& z : conditions) {
            DWORD range = random() % 3 != 0;
            double from = end(), to = end();
            z = Condition(kind.zty, range, from, to,
                          kind.texts.empty() ? "" : kind.texts[static_cast<size_t>(from)]);
        }
        CVObjPlt plt = Palette(kind.zty, conditions);
        PaletteStyle style = AttributeStyle(plt, drawing.Attr(), kind.field);
        ASSERT_EQ(style.rules.size(), conditions.size() + 1);
        for (const auto& [zoku, row] : kind.parcels) {
            SvyKkData kk;
            kk.SetZoku(zoku);
            BYTE col = 0;
            std::vector<int> chosen;
            if (plt.GetBrsToKk(&kk, &col, nullptr, nullptr))
                chosen.push_back(col + 1);
            ASSERT_EQ(HeldRules(style, row), chosen) << kind.field << ", trial " << trial << ", "
                                                     << QgisExpression(style.rules[0].filter);
        }
    }
}

// An empty area is 0, and a shared end belongs to the earlier brush; a date is
// its local midnight (negative up to 1970-01-01 in Tokyo), bounds at any hour;
// 所有権 holds by presence; 小字 is read as (大字 << 16) | 小字.
TEST(PaletteRules, RulesHoldExactlyWhereTheLibraryChoosesTheBrush) {
    Kind people{201, u8"共有人数", {}}, area{500, u8"公簿面積", {0, 0.5, 1, 1.5, 2, 2.5, 3, NAN}},
        date{401, u8"登記日付", {}}, chimoku{102, u8"現況地目", {0, 1, 2, 3, 4}},
        owned{106, u8"所有権", {0, 1, 2, 3}},
        number{301, u8"不動産番号", {0, 1, 2, 3}, {"", "1", "12", "120"}}, koaza{107, u8"小字", {}};
    for (WORD v = 0; v <= 12; ++v)
        people.Add(Cell{double(v)}, [v](auto& z) { z.KyoyuNinzu = v; });
    for (int v = -3; v <= 12; ++v)
        people.ends.push_back(v);
    for (Kind* kind : {&area, &date, &chimoku, &number})
        kind->Add(Cell{0, "", true}, [](auto&) {});
    for (double v : {0.0, 0.5, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 99.0})
        area.Add(Cell{v}, [v](auto& z) { z.KoboMen = v; });
    for (std::int64_t first : {DayNumber(1969, 12, 28), DayNumber(2000, 1, 1)})
        for (std::int64_t day = first; day < first + 7; ++day) {
            auto midnight = static_cast<std::int32_t>(LocalMidnight(day));
            date.Add(Cell{0, DayText(day)}, [=](auto& z) { z.Toki = midnight; });
            for (int hour : {0, 1, 12, 23})
                date.ends.push_back(midnight + 3600.0 * hour);
        }
    for (WORD v = 0; v <= 4; ++v)
        chimoku.Add(Cell{double(v)}, [v](auto& z) { z.GenkyoChimoku = v; });
    for (WORD v : {0, 1, 7})
        owned.Add(Cell{double(v)}, [v](auto& z) { z.ShoyukenFlg = v; });
    for (const std::string& t : number.texts)
        number.Add(Cell{0, t}, [t](auto& z) { std::strcpy(z.FudosanNo, t.c_str()); });
    for (WORD oaza = 1; oaza <= 2; ++oaza)
        for (WORD k = 1; k <= 2; ++k) {
            koaza.Add(Cell{double(k)}, [=](auto& z) { z.Oaza = oaza, z.Koaza = k; });
            koaza.parcels.back().second[u8"大字コード"] = Cell{double(oaza)};
            koaza.ends.push_back(oaza << 16 | k);
        }
    for (const Kind& kind : {people, area, date, chimoku, owned, number, koaza})
        ExpectRulesAgree(kind);
}

// Names quoted, texts escaped; a brush an earlier one covers keeps a rule that never holds.
TEST(PaletteRules, ExpressionsAndFiltersReadAsQgisAndSeDo) {
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    VELMORA_Z_TYPE text = Condition(300, 0, 0, 0, "O'Neil");
    VELMORA_Z_TYPE day = Condition(401, 1, LocalMidnight(DayNumber(2001, 2, 3)) + 5000.0,
                                   LocalMidnight(DayNumber(2001, 3, 4)));
    const std::string area = u8"\"面積 \"\"m2\"\"\"";
    struct Case {
        CVObjPlt plt;
        std::string field;
        std::vector<std::string> qgis;
        std::string sld;
    } cases[] = {
        {Palette(500, {Condition(500, 1, 0.0, 10.0), Condition(500, 1, 5.0, 20.5)}),
         u8"面積 \"m2\"",
         {"(" + area + " >= 0 AND " + area + " <= 10) OR " + area + " IS NULL",
          area + " > 10 AND " + area + " <= 20.5"},
         u8"<ogc:PropertyIsGreaterThan><ogc:PropertyName>面積 &quot;m2&quot;</ogc:PropertyName>"
         "<ogc:Literal>10</ogc:Literal>"},
        {Palette(300, {text, text}),
         u8"地番",
         {u8"\"地番\" = 'O''Neil'", "FALSE"},
         "<ogc:PropertyIsEqualTo><ogc:Literal>1</ogc:Literal><ogc:Literal>0</ogc:Literal>"},
        {Palette(401, {day}),
         u8"登記日付",
         {u8"\"登記日付\" >= to_date('2001-02-03') AND \"登記日付\" <= to_date('2001-03-04')"},
         "<se:ElseFilter/>"},
    };
    for (Case& c : cases) {
        PaletteStyle style = AttributeStyle(c.plt, drawing.Attr(), c.field);
        for (size_t b = 0; b < c.qgis.size(); ++b)
            EXPECT_EQ(QgisExpression(style.rules[b].filter), c.qgis[b]);
        EXPECT_NE(WriteSld(style, u8"筆").find(c.sld), std::string::npos) << c.sld;
    }
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

PaletteStyle StyleOf(const MapFill& fill) {
    return PaletteStyle{"p", {StyleRule{"b", 0, fill, StyleFilter()}}};
}

// Hatch types, spacings at each output's ends, and colours, in SVG, legend, QML and SLD.
TEST(PaletteRules, FillsKeepTheirRangesInEveryOutput) {
    // QGIS turns lines counter-clockwise, in QML as an angle and in SLD as
    // the rotation of a "horline" mark, which it reads as lines only when not 0.
    const char* const qmlAngles[] = {"0", "270", "315", "225", "0", "315"};
    const char* const sldRotations[] = {"180", "90", "135", "45", "180", "135"};
    for (int type : {0, 1, 2, 3, 4, 5, 6, 255}) {
        MapFill fill{MapFill::HATCH, 0x123456, type, 5.0};
        size_t lines = HatchAngles(type).size();
        std::string qml = WriteQml(StyleOf(fill)), sld = WriteSld(StyleOf(fill), "l");
        EXPECT_EQ(Count(qml, "class=\"LinePatternFill\""), lines) << type;
        EXPECT_EQ(Between(qml, "name=\"angle\" value=\"", "\""),
                  type <= 5 ? qmlAngles[type] : "(none)");
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
    EXPECT_EQ(Between(WriteQml(StyleOf(paint)), "name=\"color\" value=\"", "\""), "86,52,18,255");
    EXPECT_EQ(Between(WriteSld(StyleOf(paint), "l"), "name=\"fill\">", "<"), "#563412");

    // Millimetres in QML and SLD, map pixels in the picture, millimetres in the legend.
    struct Spacing {
        double at;
        const char *qml, *sld, *picture;
        double legend;
    } spacings[] = {
        {0.1, "0.26", "0.93", "1.00", 3.0},
        {0.26, "0.26", "0.93", "1.00", 3.0},
        {1.0, "1.00", "3.57", "1.00", 3.0},
        {2.5, "2.50", "8.93", "2.50", 3.0},
        {5.0, "5.00", "17.86", "5.00", 6.0},
        {8.5, "8.50", "30.36", "8.50", 10.0},
        {9.0, "9.00", "32.14", "9.00", 10.0},
        {1000.0, "1000.00", "3571.43", "1000.00", 10.0},
        {2000.0, "1000.00", "3571.43", "2000.00", 10.0},
        {1e5, "1000.00", "3571.43", "100000.00", 10.0},
        {2e5, "1000.00", "3571.43", "100000.00", 10.0},
        {NAN, "0.26", "0.93", "1.00", 3.0},
    };
    for (const Spacing& s : spacings) {
        MapFill fill{MapFill::HATCH, 0, 0, s.at};
        EXPECT_EQ(Between(WriteQml(StyleOf(fill)), "name=\"distance\" value=\"", "\""), s.qml)
            << s.at;
        EXPECT_EQ(Between(WriteSld(StyleOf(fill), "l"), "<se:Size>", "<"), s.sld) << s.at;
        EXPECT_EQ(
            Between(SvgHatchPattern({MapFill::HATCH, 0, 0, 0.0}, "h", s.at), "width=\"", "\""),
            s.picture)
            << s.at;
        EXPECT_DOUBLE_EQ(LegendSpacing(s.at), s.legend) << s.at;
    }
}
} // namespace
