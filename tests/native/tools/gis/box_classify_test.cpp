// Palettes built from data; qgis_check.py compares the ramps with QGIS's.
#include "tools/box/box_check.h"
#include "tools/box/box_classify.h"
#include "tools/box/class_breaks.h"
#include "tools/gis/local_days.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
TEST(ClassBreaks, EqualQuantileAndNaturalBreaks) {
    const std::vector<double> ten = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(EqualBreaks(ten, 4, false), (std::vector<double>{2.5, 5.0, 7.5, 10.0}));
    EXPECT_EQ(EqualBreaks(ten, 4, true), (std::vector<double>{2.0, 5.0, 7.0, 10.0}));
    EXPECT_EQ(QuantileBreaks(ten, 2), (std::vector<double>{5.0, 10.0}));
    // Repeated values leave no class empty.
    EXPECT_EQ(QuantileBreaks({1, 1, 1, 1, 1, 1, 2, 3}, 4), (std::vector<double>{1.0, 3.0}));
    EXPECT_EQ(EqualBreaks({4.0, 4.0}, 5, true), (std::vector<double>{4.0}));
    std::vector<double> clusters = {1, 2, 3, 10, 11, 12, 50, 51};
    EXPECT_EQ(JenksBreaks(clusters, 3), (std::vector<double>{3.0, 12.0, 51.0}));
    EXPECT_EQ(JenksBreaks(clusters, 20), clusters);
    // Many distinct values go through quantiles, yet clusters stay apart.
    std::vector<double> many;
    for (int i = 0; i < 20000; ++i)
        many.push_back(i % 2 == 0 ? i * 1e-4 : 1000.0 + i * 1e-4);
    std::sort(many.begin(), many.end());
    std::vector<double> two = JenksBreaks(many, 2);
    EXPECT_TRUE(two.size() == 2 && two[0] < 2.0 && two[1] == many.back());
}

// A palette classified from one parcel per value; none of its brushes is dead.
CVObjPlt Classify(const ClassifyRequest& request, size_t parcels,
                  const std::function<void(size_t, KkAttr&)>& fill, ClassifyReport& report) {
    KkAttrTable table;
    for (size_t i = 0; i < parcels; ++i)
        fill(i, table[KkParcelKey{1, std::to_string(i)}]);
    CVObjPlt plt;
    EXPECT_TRUE(ClassifyPalette(table, request, plt, report));
    CVPaletteBox box;
    box.AddPlt(new CVObjPlt(plt));
    EXPECT_TRUE(CheckBox(box).empty()) << request.zty;
    return plt;
}

// Codes most frequent first, named by the code book; whole numbers follow on,
// areas share ends; dates before 1970 are one range, the library's day 0/0/0.
TEST(BoxClassify, BrushesNamedAsTheEditorNamesThem) {
    CCodeBook::Clear();
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 1, "田");
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 3, "宅地");
    auto midnight = [](int y, int m, int d) {
        return static_cast<double>(static_cast<std::int32_t>(LocalMidnight(DayNumber(y, m, d))));
    };
    const std::vector<double> dates = {
        midnight(1955, 4, 1), midnight(1962, 8, 1), midnight(1969, 12, 31), midnight(2001, 4, 1),
        midnight(2001, 4, 2), midnight(2010, 1, 1), midnight(2020, 5, 5),   0};
    struct Case {
        ClassifyRequest request;
        std::vector<double> values;
        std::string names; // brush by brush, each after "|"
    } cases[] = {
        {{102, ClassMethod::UNIQUE, 5, "Set1"}, {3, 1, 3, 7, 1, 3, 0}, "|宅地|田|7"},
        {{201, ClassMethod::EQUAL, 4, "Blues"},
         {1, 1, 2, 2, 3, 5, 8, 9, 9},
         "|1～3|4～5|6～7|8～9"},
        {{500, ClassMethod::JENKS, 3, "Greens"},
         {10.5, 11, 12, 100, 101, 250.25},
         "|10.5000000～12.0000000|12.0000000～101.0000000|101.0000000～250.2500000"},
        {{401, ClassMethod::QUANTILE, 4, "Reds"},
         dates,
         "|0/0/0|1970/1/2～2001/4/1|2001/4/2～2010/1/1|2010/1/2～2020/5/5"},
    };
    for (const Case& c : cases) {
        ClassifyReport report;
        CVObjPlt plt = Classify(
            c.request, c.values.size(),
            [&c](size_t i, KkAttr& attr) {
                attr.genkyoChimoku = static_cast<WORD>(c.values[i]);
                attr.kyoyuNinzu = static_cast<WORD>(c.values[i]);
                attr.koboArea = c.values[i];
                attr.tokiDate = static_cast<std::int32_t>(c.values[i]);
            },
            report);
        EXPECT_EQ(plt.GetZty(), c.request.zty);
        std::string names;
        for (int b = 0; b < plt.CountBrs(); ++b)
            names += "|" + std::string(plt.GetBNm(static_cast<BYTE>(b)));
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(report.valuesLeft, 0);
    }
    CCodeBook::Clear();
}

// A palette holds 255 brushes; owner 1 is on most parcels.
TEST(BoxClassify, UniqueValuesPastTheLastBrushAreCounted) {
    for (size_t owners : {255, 256, 300}) {
        ClassifyReport report;
        CVObjPlt plt = Classify(
            {104, ClassMethod::UNIQUE, 5, "Set1"}, owners + 100,
            [](size_t i, KkAttr& attr) { attr.owners = {static_cast<WORD>(i < 100 ? 1 : i - 99)}; },
            report);
        // Set1's second colour, #377eb8, red in the lowest byte.
        const CVObjBrs &first = *plt.GetObjBrs(0), &second = *plt.GetObjBrs(1);
        const int left = static_cast<int>(owners) - 255;
        EXPECT_EQ(std::make_tuple(plt.CountBrs(), +first.ZVal.ZCode.Code, +second.PaintData.Color,
                                  +second.PaintData.Depth, report.valuesLeft, report.parcelsLeft),
                  std::make_tuple(255, 1u, 0xb87e37u, 100.0, left, left))
            << owners;
    }
}
} // namespace
