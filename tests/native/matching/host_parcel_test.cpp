#include "host/men_nt.h"
#include "host/round.h"
#include "host/svy_kk_data.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {
struct Areas {
    int zmOk, s3tOk;
    double zm, s3t;
};

Areas AreasOf(const std::vector<PT>& ring, WORD mode = 0) {
    SvyKkData kk;
    kk.SetBoundary(ring);
    Areas areas{0, 0, -1.0, -1.0};
    TMen_Nt men(kk, mode);
    areas.zmOk = men.ZM_Men_Nt(&areas.zm);
    areas.s3tOk = men.S3T_Men_Nt(&areas.s3t);
    return areas;
}
} // namespace

TEST(SvyKkData, FailedCallsLeaveTheirOutputs) {
    SvyKkData kk;
    SVY_KKDB_ZOKUSEI zoku;
    std::memset(&zoku, 0x5A, sizeof zoku);
    EXPECT_EQ(kk.GetZoku(zoku), 0);
    EXPECT_EQ(+zoku.Oaza, 0x5A5A);
    SVY_KKDB_TK tk{77};
    EXPECT_EQ(kk.Get_TK(tk), 0);
    EXPECT_EQ(+tk.Shubetsu, 77);
    WORD code = 9;
    kk.SetShoyusha({4, 5});
    EXPECT_EQ(kk.GetShoyusha(2, code), 0);
    EXPECT_EQ(kk.GetShoyusha(-1, code), 0);
    EXPECT_EQ(kk.GetNozeisha(0, code), 0);
    EXPECT_EQ(code, 9);
    EXPECT_EQ(kk.GetShoyusha(1, code), 1);
    EXPECT_EQ(code, 5);

    SVY_KKDB_ZOKUSEI stored;
    std::memset(&stored, 0, sizeof stored);
    stored.Koaza = 12;
    kk.SetZoku(stored);
    EXPECT_EQ(kk.GetZoku(zoku), 1);
    EXPECT_EQ(+zoku.Koaza, 12);
    kk.SetZokuUnreadable();
    zoku.Koaza = 1;
    EXPECT_EQ(kk.GetZoku(zoku), 0);
    EXPECT_EQ(+zoku.Koaza, 1);
    EXPECT_EQ(kk.Calls().Zoku, 3);
}

TEST(SvyKkData, NameIsCutToWhatTheMemberHolds) {
    SvyKkData kk;
    kk.SetName(std::string(300, 'n').c_str());
    EXPECT_EQ(std::strlen(kk.KkNm), static_cast<std::size_t>(SVY_KK_NAME_MAX));
    kk.SetName(nullptr);
    EXPECT_STREQ(kk.KkNm, "");
}

TEST(TMenNt, SquareInEitherDirectionAndClosed) {
    const std::vector<PT> rings[] = {
        {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
        {{0, 10}, {10, 10}, {10, 0}, {0, 0}},
        {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}},
        {{0, 0}, {5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 5}},
    };
    for (const auto& ring : rings) {
        const Areas areas = AreasOf(ring);
        EXPECT_EQ(areas.zmOk, 1);
        EXPECT_EQ(areas.s3tOk, 1);
        EXPECT_DOUBLE_EQ(areas.zm, 100.0);
        EXPECT_NEAR(areas.s3t, 100.0, 1e-9);
    }
}

TEST(TMenNt, ConcaveRingsAreTriangulatedInside) {
    // A comb: triangles fanned from the first corner would reach outside it.
    const std::vector<PT> comb{{0, 0}, {5, 0}, {5, 3}, {4, 3}, {4, 1}, {3, 1},
                               {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    const Areas areas = AreasOf(comb);
    EXPECT_DOUBLE_EQ(areas.zm, 11.0);
    EXPECT_NEAR(areas.s3t, 11.0, 1e-9);

    // Survey coordinates far from the origin, a ring of an irregular parcel.
    std::vector<PT> far;
    for (const PT& p : comb)
        far.emplace_back(-35000.0 + p.x * 3.7, 12000.0 + p.y * 2.1);
    const Areas farAreas = AreasOf(far);
    EXPECT_NEAR(farAreas.zm, 11.0 * 3.7 * 2.1, 1e-6);
    EXPECT_NEAR(farAreas.s3t, 11.0 * 3.7 * 2.1, 1e-6);
}

TEST(TMenNt, FailuresWriteNothing) {
    const Areas twoPoints = AreasOf({{0, 0}, {1, 1}});
    EXPECT_EQ(twoPoints.zmOk, 0);
    EXPECT_EQ(twoPoints.s3tOk, 0);
    EXPECT_EQ(twoPoints.zm, -1.0);
    EXPECT_EQ(twoPoints.s3t, -1.0);

    const Areas otherMode = AreasOf({{0, 0}, {1, 0}, {0, 1}}, 1);
    EXPECT_EQ(otherMode.zmOk + otherMode.s3tOk, 0);

    const Areas infinite = AreasOf({{0, 0}, {std::numeric_limits<double>::infinity(), 0}, {0, 1}});
    EXPECT_EQ(infinite.zmOk, 0);
    EXPECT_EQ(infinite.zm, -1.0);

    // A ring crossing itself cannot be cut into triangles; it must still end.
    const Areas crossed = AreasOf({{0, 0}, {2, 2}, {2, 0}, {0, 2}, {1, 3}, {3, 1}});
    EXPECT_EQ(crossed.zmOk, 1);
    if (!crossed.s3tOk) {
        EXPECT_EQ(crossed.s3t, -1.0);
    }
}

TEST(FRound, NearestWholeNumberWithinIntRange) {
    const struct {
        double value;
        int rounded;
    } cases[] = {{2.5, 3},          {-2.5, -3},
                 {2.4999999, 2},    {-0.4, 0},
                 {99.5, 100},       {1e300, INT_MAX},
                 {-1e300, INT_MIN}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& c : cases)
        EXPECT_EQ(_f_round(&c.value), c.rounded) << c.value;
    EXPECT_EQ(_f_round(nullptr), 0);
}
