// What the randomised comparison leaves out.
#include "match_support.h"
#include "tests/native/tools/condition.h"
#include "model/palette_box.h"

TEST(SelectBrs, TriesEveryInUseSlotUpToTheLast) {
    CVObjPlt plt;
    plt.SetZty(ZOK_KK_NO);
    SvyKkData kk;
    kk.SetNo(1);
    EXPECT_EQ(Chosen(plt, kk), -1);
    for (int k = 0; k < VELMORA_MAX_BRS; ++k)
        AddCondition(plt, Condition(ZOK_KK_NO, 0, k == VELMORA_MAX_BRS - 1 ? 1 : 0));
    EXPECT_EQ(Chosen(plt, kk), VELMORA_MAX_BRS - 1);
    plt.SetBFg(VELMORA_MAX_BRS - 2, 0); // a slot behind the first free one is never tried
    EXPECT_EQ(Chosen(plt, kk), -1);
    // Without a parcel nothing holds; outputs may be left out.
    EXPECT_EQ(plt.GetBrsToKk(nullptr, nullptr, nullptr, nullptr) +
                  plt.GetBrsObjToKk(nullptr, nullptr),
              0);
    plt.SetBFg(VELMORA_MAX_BRS - 2, 1);
    EXPECT_EQ(plt.GetBrsToKk(&kk, nullptr, nullptr, nullptr) + plt.GetBrsObjToKk(&kk, nullptr), 2);
}

TEST(SelectBrs, ReadsTheRecordOnceAndHostValuesPerBrush) {
    SvyKkData kk;
    kk.SetZoku(SVY_KKDB_ZOKUSEI{});
    kk.SetNo(9);
    kk.SetBoundary({{0, 0}, {1, 0}, {0, 1}});
    const struct {
        WORD zty;
        int brushes;
        std::vector<int> calls; // Tk, Zoku, Shoyusha, Nozeisha, Boundary
    } rows[] = {
        {101, 3, {0, 1, 0, 0, 0}}, {100, 3, {3, 1, 0, 0, 0}}, {104, 3, {0, 1, 3, 0, 0}},
        {105, 3, {0, 1, 0, 3, 0}}, {301, 3, {0, 4, 0, 0, 0}}, {501, 3, {0, 1, 0, 0, 3}},
        {502, 3, {0, 1, 0, 0, 3}}, {200, 3, {0, 1, 0, 0, 0}}, {999, 3, {0, 1, 0, 0, 0}},
        {101, 0, {0, 1, 0, 0, 0}},
    };
    for (const auto& r : rows) {
        CVObjPlt plt;
        plt.SetZty(r.zty);
        // Its bytes hold for none of this parcel's values, read as any kind.
        for (int k = 0; k < r.brushes; ++k)
            AddCondition(plt, Condition(ZOK_KK_NM, 0, 0, 0, "none"));
        kk.ResetCalls();
        EXPECT_EQ(plt.GetBrsToKk(&kk, nullptr, nullptr, nullptr), 0) << r.zty;
        const SvyKkCalls& c = kk.Calls();
        EXPECT_EQ(std::vector<int>({c.Tk, c.Zoku, c.Shoyusha, c.Nozeisha, c.Boundary}), r.calls)
            << r.zty;
    }
}

TEST(SelectBrs, BoxFormsUseTheSelectedPalette) {
    CVPaletteBox box;
    SvyKkData kk;
    kk.SetNo(5);
    DWORD hat = 0;
    CVObjBrs brush;
    for (std::int32_t no : {4, 5}) {
        CVObjPlt* plt = new CVObjPlt;
        plt->SetZty(ZOK_KK_NO);
        AddCondition(*plt, Condition(ZOK_KK_NO, 0, no));
        box.AddPlt(plt);
    }
    for (int sel : {0, 1}) {
        box.SetSelPNo(sel);
        EXPECT_EQ(box.GetSelBrsToKk(&kk, nullptr, &hat, nullptr) +
                      box.GetSelBrsObjToKk(&kk, &brush),
                  2 * sel);
    }
    EXPECT_EQ(hat * 10 + brush.ZVal.ZLong.From, 10005u);
}

// The parcel's day is kept between calls; a new time zone gives new days.
TEST(SelectDate, DaysFollowTheTimeZone) {
#ifdef _WIN32
    const char* zones[] = {"JST-9", "EST5EDT"};
#else
    const char* zones[] = {"Asia/Tokyo", "America/New_York"};
#endif
    // 2021-06-15 20:00 and 2021-06-16 10:00 UTC: both on the 16th in Tokyo,
    // on the 15th and the 16th in New York.
    CVObjPlt plt;
    plt.SetZty(ZOK_TACHIAI);
    AddCondition(plt, Condition(ZOK_TACHIAI, 0, 1623837600));
    SVY_KKDB_ZOKUSEI zoku{};
    zoku.Tachiai = 1623787200;
    SvyKkData kk;
    kk.SetZoku(zoku);
    for (int round = 0; round < 2; ++round) {
        UseTimeZone(zones[0]);
        EXPECT_EQ(Chosen(plt, kk), 0);
        UseTimeZone(zones[1]);
        EXPECT_EQ(Chosen(plt, kk), -1);
    }
    UseTimeZone(zones[0]);
}
