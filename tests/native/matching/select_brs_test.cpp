#include "host/code_tables.h"
#include "match_support.h"
#include "model/palette_box.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {
CVObjPlt PltOf(WORD zty) {
    CVObjPlt plt;
    plt.SetZty(zty);
    return plt;
}

// A condition of the attribute's kind that holds for no parcel of these tests.
VELMORA_Z_TYPE NoMatch(WORD zty) {
    switch (zty / 100) {
    case 2:
        return LongCond(77);
    case 3:
        return TextCond("none");
    case 5:
        return RealCond(-1.0);
    default:
        return CodeCond(0xFFFF0000u);
    }
}

SvyKkData KkNamed(const char* name) {
    SvyKkData kk;
    kk.SetName(name);
    return kk;
}
} // namespace

TEST(SelectBrs, EmptyPaletteAndFreeFirstSlotChooseNothing) {
    CVObjPlt plt = PltOf(101);
    SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
    zoku.Oaza = 7;
    SvyKkData kk = KkWithZoku(zoku);
    EXPECT_EQ(Chosen(plt, kk), -1);

    AddCondition(plt, CodeCond(7));
    AddCondition(plt, CodeCond(7));
    EXPECT_EQ(Chosen(plt, kk), 0);
    // A slot behind the first free slot is never tried.
    plt.SetBFg(0, 0);
    EXPECT_EQ(Chosen(plt, kk), -1);
}

TEST(SelectBrs, FirstHoldingBrushWinsOverLaterOnes) {
    CVObjPlt plt = PltOf(200);
    SvyKkData kk;
    kk.SetNo(42);
    AddCondition(plt, LongCond(41));
    AddCondition(plt, LongRange(40, 50));
    AddCondition(plt, LongCond(42));
    EXPECT_EQ(Chosen(plt, kk), 1);
    kk.SetNo(41);
    EXPECT_EQ(Chosen(plt, kk), 0);
}

TEST(SelectBrs, IntegerRangesIncludeBothEnds) {
    for (WORD zty : {200, 201}) {
        CVObjPlt plt = PltOf(zty);
        AddCondition(plt, LongRange(3, 5));
        AddCondition(plt, LongRange(9, 8)); // From above To: never
        for (int value = 0; value <= 10; ++value) {
            SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
            zoku.KyoyuNinzu = static_cast<WORD>(value);
            SvyKkData kk = KkWithZoku(zoku);
            kk.SetNo(static_cast<DWORD>(value));
            EXPECT_EQ(Chosen(plt, kk), value >= 3 && value <= 5 ? 0 : -1)
                << "attribute " << zty << " value " << value;
        }
    }
}

TEST(SelectBrs, KkNoComparesUnsignedAndKyoyuNinzuSigned) {
    CVObjPlt kkNo = PltOf(200);
    CVObjPlt ninzu = PltOf(201);
    for (CVObjPlt* plt : {&kkNo, &ninzu}) {
        AddCondition(*plt, LongRange(-5, 3));
        AddCondition(*plt, LongRange(1, -1));
    }
    SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
    zoku.KyoyuNinzu = 0;
    SvyKkData kk = KkWithZoku(zoku);
    kk.SetNo(0);
    EXPECT_EQ(Chosen(kkNo, kk), -1);
    EXPECT_EQ(Chosen(ninzu, kk), 0);
    kk.SetNo(0x80000000u);
    EXPECT_EQ(Chosen(kkNo, kk), 1);

    CVObjPlt single = PltOf(200);
    AddCondition(single, LongCond(-1));
    kk.SetNo(0xFFFFFFFFu);
    EXPECT_EQ(Chosen(single, kk), 0);
}

TEST(SelectBrs, CodesCompareWholeValues) {
    SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
    zoku.Oaza = 5;
    zoku.Koaza = 7;
    zoku.GenkyoChimoku = 11;
    zoku.KoboChimoku = 12;
    SvyKkData kk = KkWithZoku(zoku);
    const struct {
        WORD zty;
        DWORD holds;
    } cases[] = {{101, 5}, {102, 11}, {103, 12}, {107, R113CODEMIX(5, 7)}};
    for (const auto& c : cases) {
        CVObjPlt plt = PltOf(c.zty);
        AddCondition(plt, CodeCond(c.holds + 0x10000));
        AddCondition(plt, CodeCond(c.holds));
        EXPECT_EQ(Chosen(plt, kk), 1) << c.zty;
    }
}

TEST(SelectBrs, KoazaNeedsBothOazaAndKoaza) {
    CVObjPlt plt = PltOf(107);
    AddCondition(plt, CodeCond(7));
    AddCondition(plt, CodeCond(R113CODEMIX(6, 7)));
    AddCondition(plt, CodeCond(R113CODEMIX(5, 8)));
    AddCondition(plt, CodeCond(R113CODEMIX(5, 7)));
    SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
    zoku.Oaza = 5;
    zoku.Koaza = 7;
    SvyKkData kk = KkWithZoku(zoku);
    EXPECT_EQ(Chosen(plt, kk), 3);
    zoku.Oaza = 6;
    kk.SetZoku(zoku);
    EXPECT_EQ(Chosen(plt, kk), 1);
}

TEST(SelectBrs, ShoyukenPresentForAnyNonZeroFlag) {
    CVObjPlt nashi = PltOf(106);
    AddCondition(nashi, CodeCond(0));
    CVObjPlt ari = PltOf(106);
    AddCondition(ari, CodeCond(1));
    CVObjPlt ariOther = PltOf(106);
    AddCondition(ariOther, CodeCond(0x100));
    for (WORD flag : {0, 1, 2, 0xFFFF}) {
        SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
        zoku.ShoyukenFlg = flag;
        SvyKkData kk = KkWithZoku(zoku);
        EXPECT_EQ(Chosen(nashi, kk), flag == 0 ? 0 : -1) << flag;
        EXPECT_EQ(Chosen(ari, kk), flag != 0 ? 0 : -1) << flag;
        EXPECT_EQ(Chosen(ariOther, kk), flag != 0 ? 0 : -1) << flag;
    }
}

TEST(SelectBrs, LandTypeOwnerAndTaxpayerComeFromTheHostCalls) {
    SvyKkData kk = KkWithZoku(EmptyZoku());
    CVObjPlt tk = PltOf(100);
    CVObjPlt owner = PltOf(104);
    CVObjPlt taxpayer = PltOf(105);
    for (CVObjPlt* plt : {&tk, &owner, &taxpayer}) {
        AddCondition(*plt, CodeCond(7));
        AddCondition(*plt, CodeCond(0));
        AddCondition(*plt, CodeCond(3));
    }
    // Nothing filled: the value is 0.
    EXPECT_EQ(Chosen(tk, kk), 1);
    EXPECT_EQ(Chosen(owner, kk), 1);
    EXPECT_EQ(Chosen(taxpayer, kk), 1);
    // Only the first owner and the first taxpayer count.
    kk.SetTk(3);
    kk.SetShoyusha({3, 7});
    kk.SetNozeisha({7, 3});
    EXPECT_EQ(Chosen(tk, kk), 2);
    EXPECT_EQ(Chosen(owner, kk), 2);
    EXPECT_EQ(Chosen(taxpayer, kk), 0);
}

TEST(SelectBrs, TextsCompareByteForByte) {
    CVObjPlt plt = PltOf(300);
    AddCondition(plt, TextCond("A"));
    AddCondition(plt, TextCond(""));
    AddCondition(plt, TextCond("画地"));
    const struct {
        const char* name;
        int chosen;
    } cases[] = {{"A", 0},   {"A ", -1},  {"a", -1},     {" A", -1}, {"", 1},
                 {"Ａ", -1}, {"画地", 2}, {"画地A", -1}, {"画", -1}};
    for (const auto& c : cases) {
        SvyKkData kk = KkNamed(c.name);
        EXPECT_EQ(Chosen(plt, kk), c.chosen) << '"' << c.name << '"';
    }
}

TEST(SelectBrs, LongestTextsAndAnUnterminatedCondition) {
    const std::string longest(VELMORA_ZTEXT_MAX, 'x');
    CVObjPlt plt = PltOf(300);
    AddCondition(plt, TextCond(longest.c_str()));
    SvyKkData kk = KkNamed(longest.c_str());
    EXPECT_EQ(Chosen(plt, kk), 0);
    kk.SetName((longest + "x").c_str());
    EXPECT_EQ(Chosen(plt, kk), -1);
    // A host that fills the whole field leaves no NUL: the field's 255 bytes are the text.
    std::memset(plt.GetObjBrs(0)->ZVal.ZText.Text, 'x', VELMORA_ZTEXT_MAX + 1);
    EXPECT_EQ(Chosen(plt, kk), 0);
    kk.SetName(longest.c_str());
    EXPECT_EQ(Chosen(plt, kk), -1);
}

TEST(SelectBrs, FudosanNoNeedsAReadableRecord) {
    CVObjPlt plt = PltOf(301);
    AddCondition(plt, TextCond("12345678901234"));
    AddCondition(plt, TextCond("0123"));
    AddCondition(plt, TextCond(""));
    SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
    std::strcpy(zoku.FudosanNo, "0123");
    SvyKkData kk = KkWithZoku(zoku);
    EXPECT_EQ(Chosen(plt, kk), 1);
    // Fourteen digits fill the field without a NUL.
    std::memcpy(zoku.FudosanNo, "12345678901234", 14);
    kk.SetZoku(zoku);
    EXPECT_EQ(Chosen(plt, kk), 0);
    kk.SetZoku(EmptyZoku());
    EXPECT_EQ(Chosen(plt, kk), 2);
    // No record, no value: not even the empty text holds.
    kk.SetZokuUnreadable();
    EXPECT_EQ(Chosen(plt, kk), -1);
}

TEST(SelectBrs, UnreadableRecordGivesZeros) {
    SvyKkData kk;
    const struct {
        WORD zty;
        VELMORA_Z_TYPE holds;
        VELMORA_Z_TYPE fails;
    } cases[] = {
        {101, CodeCond(0), CodeCond(1)},      {102, CodeCond(0), CodeCond(1)},
        {103, CodeCond(0), CodeCond(1)},      {106, CodeCond(0), CodeCond(1)},
        {107, CodeCond(0), CodeCond(1)},      {201, LongCond(0), LongCond(1)},
        {400, DateCond(0), DateCond(-1)},     {401, DateCond(0), DateCond(-1)},
        {500, RealCond(0.0), RealCond(-0.5)},
    };
    UseTimeZone("Asia/Tokyo");
    for (const auto& c : cases) {
        CVObjPlt plt = PltOf(c.zty);
        AddCondition(plt, c.fails);
        AddCondition(plt, c.holds);
        EXPECT_EQ(Chosen(plt, kk), 1) << c.zty;
    }
}

TEST(SelectBrs, RealsCompareExactlyWithBothEndsIncluded) {
    CVObjPlt single = PltOf(500);
    AddCondition(single, RealCond(100.0));
    CVObjPlt range = PltOf(500);
    AddCondition(range, RealRange(99.5, 100.5));
    AddCondition(range, RealRange(200.0, 100.0));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double area;
        int single;
        int range;
    } cases[] = {{100.0, 0, 0},      {100.0000001, -1, 0}, {99.5, -1, 0}, {100.5, -1, 0},
                 {99.49999, -1, -1}, {150.0, -1, -1},      {nan, -1, -1}};
    for (const auto& c : cases) {
        SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
        zoku.KoboMen = c.area;
        SvyKkData kk = KkWithZoku(zoku);
        EXPECT_EQ(Chosen(single, kk), c.single) << c.area;
        EXPECT_EQ(Chosen(range, kk), c.range) << c.area;
    }
}

TEST(SelectBrs, NaNConditionsNeverHold) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    CVObjPlt plt = PltOf(500);
    AddCondition(plt, RealCond(nan));
    AddCondition(plt, RealRange(nan, inf));
    AddCondition(plt, RealRange(-inf, nan));
    AddCondition(plt, RealRange(-inf, inf));
    SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
    zoku.KoboMen = 3.0;
    SvyKkData kk = KkWithZoku(zoku);
    EXPECT_EQ(Chosen(plt, kk), 3);
}

TEST(SelectBrs, ComputedAreasComeFromTheBoundary) {
    SvyKkData kk;
    kk.SetBoundary({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    for (WORD zty : {501, 502}) {
        CVObjPlt plt = PltOf(zty);
        AddCondition(plt, RealCond(99.0));
        AddCondition(plt, RealRange(99.9999, 100.0001));
        EXPECT_EQ(Chosen(plt, kk), 1) << zty;
    }
}

TEST(SelectBrs, AttributesOutsideTheTableNeverHold) {
    SvyKkData kk = KkWithZoku(EmptyZoku());
    for (WORD zty : {0, 99, 108, 202, 302, 402, 503, 600}) {
        CVObjPlt plt = PltOf(zty);
        AddCondition(plt, CodeCond(0));
        AddCondition(plt, LongCond(0));
        EXPECT_EQ(Chosen(plt, kk), -1) << zty;
    }
}

TEST(SelectBrs, RecordReadOnceAndHostValuesPerBrush) {
    SvyKkData kk = KkWithZoku(EmptyZoku());
    kk.SetBoundary({{0, 0}, {1, 0}, {0, 1}});
    const struct {
        WORD zty;
        SvyKkCalls calls;
    } cases[] = {
        {101, {0, 1, 0, 0, 0}}, {100, {3, 1, 0, 0, 0}}, {104, {0, 1, 3, 0, 0}},
        {105, {0, 1, 0, 3, 0}}, {301, {0, 4, 0, 0, 0}}, {501, {0, 1, 0, 0, 3}},
        {502, {0, 1, 0, 0, 3}}, {200, {0, 1, 0, 0, 0}}, {999, {0, 1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        CVObjPlt plt = PltOf(c.zty);
        for (int k = 0; k < 3; ++k)
            AddCondition(plt, NoMatch(c.zty));
        kk.ResetCalls();
        BYTE col = 0;
        DWORD hat = 0, layer = 0;
        EXPECT_EQ(plt.GetBrsToKk(&kk, &col, &hat, &layer), 0);
        const SvyKkCalls& calls = kk.Calls();
        EXPECT_EQ(calls.Tk, c.calls.Tk) << c.zty;
        EXPECT_EQ(calls.Zoku, c.calls.Zoku) << c.zty;
        EXPECT_EQ(calls.Shoyusha, c.calls.Shoyusha) << c.zty;
        EXPECT_EQ(calls.Nozeisha, c.calls.Nozeisha) << c.zty;
        EXPECT_EQ(calls.Boundary, c.calls.Boundary) << c.zty;
    }
    // With no brush in use the record is still read.
    CVObjPlt empty = PltOf(101);
    kk.ResetCalls();
    EXPECT_EQ(empty.GetBrsToKk(&kk, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(kk.Calls().Zoku, 1);
}

TEST(SelectBrs, ObjectFormCopiesTheWholeBrush) {
    CVObjPlt plt = PltOf(200);
    AddCondition(plt, LongCond(1));
    AddCondition(plt, LongCond(2));
    plt.SetPaintFlg(1, 1);
    plt.SetDepth(1, 37.0);
    plt.SetSpace(1, 2.5);
    SvyKkData kk;
    kk.SetNo(2);
    CVObjBrs brush;
    ASSERT_EQ(plt.GetBrsObjToKk(&kk, &brush), 1);
    EXPECT_EQ(brush.BNm, "b1");
    EXPECT_EQ(+brush.BFg, 1);
    EXPECT_EQ(+brush.PaintFlg, 1);
    EXPECT_EQ(+brush.PaintData.Depth, 37.0);
    EXPECT_EQ(+brush.HatchData.Space[3], 2.5);
    EXPECT_EQ(+brush.ZVal.ZLong.From, 2);
}

TEST(SelectBrs, BoxFormsUseTheSelectedPaletteOrThrow) {
    CVPaletteBox box;
    SvyKkData kk;
    kk.SetNo(5);
    BYTE col = 0;
    DWORD hat = 0, layer = 0;
    CVObjBrs brush;
    const auto throws = [&](auto call) {
        try {
            call();
        } catch (CInvalidArgException* e) {
            e->Delete();
            return true;
        }
        return false;
    };
    EXPECT_TRUE(throws([&] { box.GetSelBrsToKk(&kk, &col, &hat, &layer); }));
    EXPECT_TRUE(throws([&] { box.GetSelBrsObjToKk(&kk, &brush); }));

    for (DWORD no : {4, 5}) {
        CVObjPlt* plt = new CVObjPlt;
        plt->SetZty(200);
        AddCondition(*plt, LongCond(static_cast<std::int32_t>(no)));
        ASSERT_EQ(box.AddPlt(plt), 1);
    }
    ASSERT_EQ(box.SetSelPNo(2), 1);
    EXPECT_TRUE(throws([&] { box.GetSelBrsToKk(&kk, &col, &hat, &layer); }));
    EXPECT_TRUE(throws([&] { box.GetSelBrsObjToKk(&kk, &brush); }));
    EXPECT_EQ(hat, 0u);

    ASSERT_EQ(box.SetSelPNo(0), 1);
    EXPECT_EQ(box.GetSelBrsToKk(&kk, &col, &hat, &layer), 0);
    EXPECT_EQ(box.GetSelBrsObjToKk(&kk, &brush), 0);
    ASSERT_EQ(box.SetSelPNo(1), 1);
    EXPECT_EQ(box.GetSelBrsToKk(&kk, &col, &hat, &layer), 1);
    EXPECT_EQ(hat, 1000u);
    EXPECT_EQ(box.GetSelBrsObjToKk(&kk, &brush), 1);
    EXPECT_EQ(+brush.ZVal.ZLong.From, 5);
}
