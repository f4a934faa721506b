// Palettes built from data: class limits, the ramps' published colours, and
// palettes that hold every value once, named as the editor names brushes.
#include "tools/box/box_check.h"
#include "tools/box/box_classify.h"
#include "tools/box/class_breaks.h"
#include "tools/box/color_ramps.h"
#include "tools/gis/local_days.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace {
TEST(ClassBreaks, EqualQuantileAndNaturalBreaks) {
    std::vector<double> ten(11);
    std::iota(ten.begin(), ten.end(), 0.0);
    EXPECT_EQ(EqualBreaks(ten, 4, false), (std::vector<double>{2.5, 5.0, 7.5, 10.0}));
    EXPECT_EQ(EqualBreaks(ten, 4, true), (std::vector<double>{2.0, 5.0, 7.0, 10.0}));
    EXPECT_EQ(QuantileBreaks(ten, 2), (std::vector<double>{5.0, 10.0}));
    // Repeated values leave no class empty.
    std::vector<double> repeated = {1, 1, 1, 1, 1, 1, 2, 3};
    EXPECT_EQ(QuantileBreaks(repeated, 4), (std::vector<double>{1.0, 3.0}));
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
    ASSERT_EQ(two.size(), 2u);
    EXPECT_LT(two[0], 2.0);
    EXPECT_EQ(two[1], many.back());
}

TEST(ColorRamps, PublishedColoursByNumberOfClasses) {
    std::vector<COLORREF> five = RampColors("YlOrRd", 5);
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five.front(), 0xb2ffffu);                    // #ffffb2, red in the lowest byte
    EXPECT_EQ(five.back(), 0x2600bdu);                     // #bd0026
    EXPECT_EQ(RampColors("YlOrRd", 3).front(), 0xa0edffu); // #ffeda0: a scheme of its own
    EXPECT_EQ(RampColors("YlOrRd", 2), (std::vector<COLORREF>{0xa0edff, 0x203bf0}));
    std::vector<COLORREF> set1 = RampColors("Set1", 11);
    EXPECT_EQ(set1[0], 0x1c1ae4u);
    EXPECT_EQ(set1[9], set1[0]);
    EXPECT_EQ(RampSize("Spectral"), 11);
    EXPECT_TRUE(IsQualitativeRamp("Paired") && !IsQualitativeRamp("Blues"));
    EXPECT_FALSE(HasRamp("Viridis"));
    EXPECT_TRUE(RampColors("Viridis", 3).empty());
}

KkAttrTable Table(size_t rows, const std::function<void(size_t, KkAttr&)>& fill) {
    KkAttrTable table;
    for (size_t i = 0; i < rows; ++i) {
        KkAttr attr;
        fill(i, attr);
        table[KkParcelKey{1, std::to_string(i)}] = attr;
    }
    return table;
}

std::vector<std::string> Names(CVObjPlt& plt) {
    std::vector<std::string> names;
    for (int b = 0; b < plt.CountBrs(); ++b)
        names.push_back(plt.GetBNm(static_cast<BYTE>(b)));
    return names;
}

std::vector<BoxFinding> Check(CVObjPlt& plt) {
    CVPaletteBox box;
    box.AddPlt(new CVObjPlt(plt));
    return CheckBox(box);
}

ClassifyRequest Request(WORD zty, ClassMethod method, int classes, const char* ramp) {
    ClassifyRequest request;
    request.zty = zty;
    request.method = method;
    request.classes = classes;
    request.ramp = ramp;
    return request;
}

TEST(BoxClassify, UniqueCodesMostFrequentFirstNamedByTheCodeBook) {
    CCodeBook::Clear();
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 1, "田");
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 3, "宅地");
    // 宅地 three times, 田 twice, code 7 (not in the book) once, no code once.
    KkAttrTable attrs = Table(7, [](size_t i, KkAttr& attr) {
        attr.genkyoChimoku = static_cast<WORD>(std::vector<int>{3, 1, 3, 7, 1, 3, 0}[i]);
    });
    CVObjPlt plt;
    ClassifyReport report;
    ASSERT_TRUE(ClassifyPalette(attrs, Request(102, ClassMethod::UNIQUE, 5, "Set1"), plt, report));
    EXPECT_EQ(plt.GetZty(), 102);
    EXPECT_EQ(Names(plt), (std::vector<std::string>{"宅地", "田", "7"}));
    // Brushes are byte-packed: their fields are read by value.
    DWORD code = plt.GetObjBrs(0)->ZVal.ZCode.Code;
    DWORD color = plt.GetObjBrs(1)->PaintData.Color;
    double depth = plt.GetObjBrs(1)->PaintData.Depth;
    EXPECT_EQ(code, 3u);
    EXPECT_EQ(color, 0xb87e37u); // Set1's second, #377eb8
    EXPECT_EQ(depth, 100.0);
    EXPECT_EQ(report.valuesLeft, 0);
    CCodeBook::Clear();
}

// A palette holds 255 brushes; owner 1 is on most parcels.
TEST(BoxClassify, UniqueValuesPastTheLastBrushAreCounted) {
    for (size_t owners : {255, 256, 300}) {
        KkAttrTable attrs = Table(owners + 100, [](size_t i, KkAttr& attr) {
            attr.owners = {static_cast<WORD>(i < 100 ? 1 : i - 99)};
        });
        CVObjPlt plt;
        ClassifyReport report;
        ASSERT_TRUE(
            ClassifyPalette(attrs, Request(104, ClassMethod::UNIQUE, 5, "Set3"), plt, report));
        EXPECT_EQ(plt.CountBrs(), 255);
        DWORD first = plt.GetObjBrs(0)->ZVal.ZCode.Code;
        EXPECT_EQ(first, 1u);
        EXPECT_EQ(report.valuesLeft, static_cast<int>(owners) - 255) << owners;
        EXPECT_EQ(report.parcelsLeft, static_cast<int>(owners) - 255) << owners;
        EXPECT_TRUE(Check(plt).empty());
    }
}

TEST(BoxClassify, WholeNumberRangesFollowOnAndAreasShareTheirEnds) {
    KkAttrTable people = Table(9, [](size_t i, KkAttr& attr) {
        attr.kyoyuNinzu = static_cast<WORD>(std::vector<int>{1, 1, 2, 2, 3, 5, 8, 9, 9}[i]);
    });
    CVObjPlt plt;
    ClassifyReport report;
    ASSERT_TRUE(ClassifyPalette(people, Request(201, ClassMethod::EQUAL, 4, "Blues"), plt, report));
    EXPECT_EQ(Names(plt), (std::vector<std::string>{"1～3", "4～5", "6～7", "8～9"}));
    EXPECT_TRUE(Check(plt).empty());

    KkAttrTable areas = Table(6, [](size_t i, KkAttr& attr) {
        attr.koboArea = std::vector<double>{10.5, 11, 12, 100, 101, 250.25}[i];
    });
    CVObjPlt byArea;
    ASSERT_TRUE(
        ClassifyPalette(areas, Request(500, ClassMethod::JENKS, 3, "Greens"), byArea, report));
    EXPECT_EQ(Names(byArea),
              (std::vector<std::string>{"10.5000000～12.0000000", "12.0000000～101.0000000",
                                        "101.0000000～250.2500000"}));
    EXPECT_TRUE(Check(byArea).empty());
}

TEST(BoxClassify, DatesByDayWithEverythingBefore1970InOneRange) {
    auto midnight = [](int y, int m, int d) {
        return static_cast<std::int32_t>(LocalMidnight(DayNumber(y, m, d)));
    };
    std::vector<std::int32_t> dates = {
        midnight(1955, 4, 1), midnight(1962, 8, 1), midnight(1969, 12, 31), midnight(2001, 4, 1),
        midnight(2001, 4, 2), midnight(2010, 1, 1), midnight(2020, 5, 5),   0};
    KkAttrTable attrs =
        Table(dates.size(), [&dates](size_t i, KkAttr& attr) { attr.tokiDate = dates[i]; });
    CVObjPlt plt;
    ClassifyReport report;
    ASSERT_TRUE(
        ClassifyPalette(attrs, Request(401, ClassMethod::QUANTILE, 4, "Reds"), plt, report));
    // The library shows and matches dates before 1970 as the day 0/0/0.
    EXPECT_EQ(Names(plt), (std::vector<std::string>{"0/0/0", "1970/1/2～2001/4/1",
                                                    "2001/4/2～2010/1/1", "2010/1/2～2020/5/5"}));
    EXPECT_TRUE(Check(plt).empty());
}
} // namespace
