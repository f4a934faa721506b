#include "host/men_nt.h"
#include "host/round.h"
#include "match_support.h"

#include <climits>
#include <cstring>
#include <limits>

TEST(SvyKkData, CallsFillTheirOutputOrLeaveIt) {
    SvyKkData kk;
    SVY_KKDB_ZOKUSEI zoku, stored{};
    std::memset(&zoku, 0x5A, sizeof zoku);
    SVY_KKDB_TK tk{77};
    WORD code = 9;
    kk.SetShoyusha({4, 5});
    kk.SetNozeisha({6});
    EXPECT_EQ(kk.GetZoku(zoku) + kk.Get_TK(tk) + kk.GetShoyusha(2, code) +
                  kk.GetShoyusha(-1, code) + kk.GetNozeisha(1, code),
              0);
    EXPECT_EQ(std::make_tuple(+tk.Shubetsu, +zoku.Koaza, +code), std::make_tuple(77, 0x5A5A, 9));
    kk.SetTk(3);
    EXPECT_EQ(kk.Get_TK(tk) * 100 + tk.Shubetsu, 103);
    EXPECT_EQ(kk.GetShoyusha(1, code) * 100 + code, 105);
    EXPECT_EQ(kk.GetNozeisha(0, code) * 100 + code, 106);
    stored.Koaza = 12;
    kk.SetZoku(stored);
    kk.SetZokuUnreadable();
    EXPECT_EQ(kk.GetZoku(zoku) * 100000 + zoku.Koaza, 0x5A5A);
    kk.SetZoku(stored);
    EXPECT_EQ(kk.GetZoku(zoku) * 100000 + zoku.Koaza, 100012);
    EXPECT_EQ(kk.Calls().Zoku * 10 + kk.Calls().Tk, 32);
    for (std::size_t length : {255u, 256u}) {
        kk.SetName(std::string(length, 'n').c_str());
        EXPECT_EQ(std::strlen(kk.KkNm), static_cast<std::size_t>(SVY_KK_NAME_MAX));
    }
    kk.SetName(nullptr);
    EXPECT_STREQ(kk.KkNm, "");
}

// Triangles fanned from a comb's first corner reach outside it; survey
// coordinates lie far from the origin.
TEST(TMenNt, AreasOfRings) {
    const std::vector<PT> comb{{0, 0}, {5, 0}, {5, 3}, {4, 3}, {4, 1}, {3, 1},
                               {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    std::vector<PT> far;
    for (const PT& p : comb)
        far.emplace_back(-35000.0 + p.x * 3.7, 12000.0 + p.y * 2.1);
    const struct {
        std::vector<PT> ring;
        WORD mode;
        double area; // -1: fails and writes nothing
    } rows[] = {
        {{{0, 10}, {10, 10}, {10, 0}, {0, 0}, {0, 10}}, 0, 100.0},
        {comb, 0, 11.0},
        {far, 0, 11.0 * 3.7 * 2.1},
        {{{0, 0}, {1, 1}}, 0, -1.0},
        {{{0, 0}, {1, 0}, {0, 1}}, 1, -1.0},
    };
    for (const auto& r : rows) {
        SvyKkData kk;
        kk.SetBoundary(r.ring);
        TMen_Nt men(kk, r.mode);
        double zm = -1.0, s3t = -1.0;
        EXPECT_EQ(men.ZM_Men_Nt(&zm) + men.S3T_Men_Nt(&s3t), r.area >= 0.0 ? 2 : 0) << r.area;
        EXPECT_NEAR(zm, r.area, 1e-6);
        EXPECT_NEAR(s3t, r.area, 1e-6);
    }
    // A ring crossing itself cannot be cut into triangles; the cutting must still end.
    SvyKkData crossed;
    crossed.SetBoundary({{0, 0}, {2, 2}, {2, 0}, {0, 2}, {1, 3}, {3, 1}});
    double area = -1.0;
    TMen_Nt(crossed, 0).S3T_Men_Nt(&area);
    crossed.SetBoundary({{0, 0}, {std::numeric_limits<double>::infinity(), 0}, {0, 1}});
    EXPECT_EQ(TMen_Nt(crossed, 0).ZM_Men_Nt(&area), 0);
}

TEST(FRound, NearestWholeNumberWithinIntRange) {
    const struct {
        double value;
        int rounded;
    } rows[] = {{2.5, 3},          {-2.5, -3},
                {2.4999999, 2},    {-0.4, 0},
                {99.5, 100},       {1e300, INT_MAX},
                {-1e300, INT_MIN}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& r : rows)
        EXPECT_EQ(_f_round(&r.value), r.rounded) << r.value;
    EXPECT_EQ(_f_round(nullptr), 0);
}
