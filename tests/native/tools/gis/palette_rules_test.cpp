// Style rules against the library: for random palettes and parcels, exactly
// the rule of the brush the library chooses holds, since a renderer tries
// every rule; and the rules' texts as QGIS and SLD read them.
#include "tools/gis/local_days.h"
#include "tools/gis/palette_rules.h"
#include "tools/gis/qml_style.h"
#include "tools/gis/sld_style.h"

#include "host/sample_drawing.h"
#include "host/svy_kk_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <random>

namespace {
// A column's value as a layer holds it; `null` for an empty field.
struct Cell {
    bool null = false;
    double number = 0.0;
    std::string text; // a text, or a date as YYYY-MM-DD
};

using Row = std::map<std::string, Cell>;

bool TermHolds(const FieldTerm& term, const Row& row) {
    const Cell& cell = row.at(term.field);
    if (term.op == FieldTerm::IS_NULL)
        return cell.null;
    if (cell.null)
        return false;
    int order = 0;
    if (term.kind == FieldTerm::NUMBER) {
        double value = std::stod(term.value);
        order = cell.number < value ? -1 : cell.number > value ? 1 : 0;
    } else {
        order = cell.text.compare(term.value);
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

bool FilterHolds(const StyleFilter& filter, const Row& row) {
    for (const std::vector<FieldTerm>& clause : filter.clauses) {
        bool all = true;
        for (const FieldTerm& term : clause)
            all = all && TermHolds(term, row);
        if (all)
            return true;
    }
    return false;
}

// The brushes whose rules hold, from 1.
std::vector<int> HeldRules(const PaletteStyle& style, const Row& row) {
    std::vector<int> held;
    for (const StyleRule& rule : style.rules)
        if (rule.brush >= 0 && FilterHolds(rule.filter, row))
            held.push_back(rule.brush + 1);
    return held;
}

// The library's choice, from 1; each brush's colour number is its position.
std::vector<int> LibraryChoice(CVObjPlt& plt, SvyKkData& kk) {
    BYTE col = 0;
    DWORD hat = 0, layer = 0;
    if (!plt.GetBrsToKk(&kk, &col, &hat, &layer))
        return {};
    return {col + 1};
}

void AddBrush(CVObjPlt& plt, const VELMORA_Z_TYPE& z) {
    CVObjBrs brs;
    brs.ZVal = z;
    brs.Col = plt.CountBrs();
    plt.AddBrs(plt.CountBrs(), &brs);
}

VELMORA_Z_TYPE Condition(WORD zty) {
    VELMORA_Z_TYPE z;
    std::memset(&z, 0, sizeof z);
    z.Zty = zty;
    return z;
}

// A parcel whose attribute record holds `zoku`, with the layer's row for it.
struct Parcel {
    SVY_KKDB_ZOKUSEI zoku;
    Row row;
};

// Checks many random palettes of `zty` against the parcels; `brush` makes a
// random condition.
template <typename MakeBrush>
void ExpectRulesAgree(WORD zty, const std::string& field, std::vector<Parcel> parcels,
                      MakeBrush brush) {
    std::mt19937 random(zty);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    for (int trial = 0; trial < 300; ++trial) {
        CVObjPlt plt;
        plt.SetZty(zty);
        int count = 1 + static_cast<int>(random() % 6);
        for (int b = 0; b < count; ++b)
            AddBrush(plt, brush(random));
        PaletteStyle style = AttributeStyle(plt, drawing.Attr(), field);
        ASSERT_EQ(style.rules.size(), static_cast<size_t>(count + 1));
        for (Parcel& parcel : parcels) {
            SvyKkData kk;
            kk.SetZoku(parcel.zoku);
            ASSERT_EQ(HeldRules(style, parcel.row), LibraryChoice(plt, kk))
                << "trial " << trial << ", " << QgisExpression(style.rules[0].filter);
        }
    }
}

SVY_KKDB_ZOKUSEI Zoku() {
    SVY_KKDB_ZOKUSEI zoku;
    std::memset(&zoku, 0, sizeof zoku);
    return zoku;
}

Cell Number(double value) {
    Cell cell;
    cell.number = value;
    return cell;
}

Cell Text(const std::string& text) {
    Cell cell;
    cell.text = text;
    return cell;
}

Cell Null() {
    Cell cell;
    cell.null = true;
    return cell;
}

TEST(PaletteRules, WholeNumberRangesTakeWhatEarlierBrushesLeave) {
    std::vector<Parcel> parcels;
    for (int value = 0; value <= 12; ++value) {
        Parcel parcel{Zoku(), {{u8"共有人数", Number(value)}}};
        parcel.zoku.KyoyuNinzu = static_cast<WORD>(value);
        parcels.push_back(parcel);
    }
    ExpectRulesAgree(201, u8"共有人数", parcels, [](std::mt19937& random) {
        VELMORA_Z_TYPE z = Condition(201);
        z.ZLong.RangeFlg = random() % 3 != 0;
        z.ZLong.From = static_cast<std::int32_t>(random() % 16) - 3;
        z.ZLong.To = static_cast<std::int32_t>(random() % 16) - 3;
        return z;
    });
}

TEST(PaletteRules, AreaRangesKeepTheirSharedEndsWithTheEarlierBrush) {
    std::vector<Parcel> parcels;
    for (double value : {0.0, 0.5, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 99.0}) {
        Parcel parcel{Zoku(), {{u8"公簿面積", Number(value)}}};
        parcel.zoku.KoboMen = value;
        parcels.push_back(parcel);
    }
    // An empty field holds what the library reads for it: 0.
    Parcel empty{Zoku(), {{u8"公簿面積", Null()}}};
    parcels.push_back(empty);
    ExpectRulesAgree(500, u8"公簿面積", parcels, [](std::mt19937& random) {
        const double ends[] = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, NAN};
        VELMORA_Z_TYPE z = Condition(500);
        z.ZReal.RangeFlg = random() % 3 != 0;
        z.ZReal.From = ends[random() % 8];
        z.ZReal.To = ends[random() % 8];
        return z;
    });
}

TEST(PaletteRules, DateRangesHoldByLocalDayAsTheLibraryMatchesThem) {
    // Days around 1970, whose midnights in Tokyo are negative up to 1970-01-01,
    // and some in 2000; a date is read at its local midnight.
    std::vector<std::int64_t> days;
    for (std::int64_t day = DayNumber(1969, 12, 28); day <= DayNumber(1970, 1, 4); ++day)
        days.push_back(day);
    for (std::int64_t day = DayNumber(2000, 1, 1); day <= DayNumber(2000, 1, 6); ++day)
        days.push_back(day);
    std::vector<Parcel> parcels;
    for (std::int64_t day : days) {
        Parcel parcel{Zoku(), {{u8"登記日付", Text(DayText(day))}}};
        parcel.zoku.Toki = static_cast<std::int32_t>(LocalMidnight(day));
        parcels.push_back(parcel);
    }
    parcels.push_back(Parcel{Zoku(), {{u8"登記日付", Null()}}});
    ExpectRulesAgree(401, u8"登記日付", parcels, [&days](std::mt19937& random) {
        // Bounds at any hour of a day, as the date picker stores them.
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

TEST(PaletteRules, CodesAndOwnershipTakeEachValueOnce) {
    std::vector<Parcel> parcels;
    for (WORD code = 0; code <= 4; ++code) {
        Parcel parcel{Zoku(), {{u8"現況地目", Number(code)}}};
        parcel.zoku.GenkyoChimoku = code;
        parcels.push_back(parcel);
    }
    parcels.push_back(Parcel{Zoku(), {{u8"現況地目", Null()}}});
    ExpectRulesAgree(102, u8"現況地目", parcels, [](std::mt19937& random) {
        VELMORA_Z_TYPE z = Condition(102);
        z.ZCode.Code = random() % 5;
        return z;
    });

    parcels.clear();
    for (WORD flag : {0, 1, 7}) {
        Parcel parcel{Zoku(), {{u8"所有権", Number(flag)}}};
        parcel.zoku.ShoyukenFlg = flag;
        parcels.push_back(parcel);
    }
    ExpectRulesAgree(106, u8"所有権", parcels, [](std::mt19937& random) {
        VELMORA_Z_TYPE z = Condition(106);
        z.ZCode.Code = random() % 3 == 0 ? 0 : 1 + random() % 3;
        return z;
    });
}

TEST(PaletteRules, KoazaIsReadWithItsOaza) {
    std::vector<Parcel> parcels;
    for (WORD oaza = 1; oaza <= 2; ++oaza)
        for (WORD koaza = 1; koaza <= 2; ++koaza) {
            Parcel parcel{Zoku(), {{u8"大字コード", Number(oaza)}, {u8"小字", Number(koaza)}}};
            parcel.zoku.Oaza = oaza;
            parcel.zoku.Koaza = koaza;
            parcels.push_back(parcel);
        }
    ExpectRulesAgree(107, u8"小字", parcels, [](std::mt19937& random) {
        VELMORA_Z_TYPE z = Condition(107);
        z.ZCode.Code = ((1 + random() % 2) << 16) | (1 + random() % 2);
        return z;
    });
}

TEST(PaletteRules, TextsHoldExactlyAndAnEmptyFieldIsTheEmptyText) {
    std::vector<Parcel> parcels;
    for (const char* text : {"", "1", "12", "120"}) {
        Parcel parcel{Zoku(), {{u8"不動産番号", Text(text)}}};
        std::strcpy(parcel.zoku.FudosanNo, text);
        parcels.push_back(parcel);
    }
    parcels.push_back(Parcel{Zoku(), {{u8"不動産番号", Null()}}});
    ExpectRulesAgree(301, u8"不動産番号", parcels, [](std::mt19937& random) {
        const char* const texts[] = {"", "1", "12", "120"};
        VELMORA_Z_TYPE z = Condition(301);
        std::strcpy(z.ZText.Text, texts[random() % 4]);
        return z;
    });
}

CVObjPlt TwoBrushPalette(WORD zty, const VELMORA_Z_TYPE& first, const VELMORA_Z_TYPE& second) {
    CVObjPlt plt;
    plt.SetZty(zty);
    AddBrush(plt, first);
    AddBrush(plt, second);
    return plt;
}

TEST(PaletteRules, ExpressionsAndFiltersReadAsQgisAndSeDo) {
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    VELMORA_Z_TYPE wide = Condition(500);
    wide.ZReal = VELMORA_ZREAL{500, 1, 0.0, 10.0};
    VELMORA_Z_TYPE narrow = Condition(500);
    narrow.ZReal = VELMORA_ZREAL{500, 1, 5.0, 20.5};
    CVObjPlt plt = TwoBrushPalette(500, wide, narrow);
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
    plt = TwoBrushPalette(300, text, text);
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
    plt = TwoBrushPalette(401, day, day);
    style = AttributeStyle(plt, drawing.Attr(), u8"登記日付");
    EXPECT_EQ(QgisExpression(style.rules[0].filter),
              u8"\"登記日付\" >= to_date('2001-02-03') AND \"登記日付\" <= to_date('2001-03-04')");
}

TEST(PaletteRules, BrushNumbersKeyTheStoredStyle) {
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    VELMORA_Z_TYPE code = Condition(102);
    CVObjPlt plt = TwoBrushPalette(102, code, code);
    plt.SetBNm(1, "田");
    PaletteStyle style = BrushNumberStyle(plt, drawing.Attr(), u8"ブラシ番号");
    ASSERT_EQ(style.rules.size(), 3u);
    EXPECT_EQ(QgisExpression(style.rules[1].filter), u8"\"ブラシ番号\" = 2");
    EXPECT_EQ(style.rules[1].name, u8"田");
    EXPECT_EQ(style.rules[2].brush, -1);
    std::string qml = WriteQml(style);
    EXPECT_NE(qml.find(u8"label=\"田\" filter=\"&quot;ブラシ番号&quot; = 2\""), std::string::npos);
    EXPECT_NE(qml.find("filter=\"ELSE\""), std::string::npos);
}
} // namespace
