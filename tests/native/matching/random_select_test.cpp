// The selector against the plain rules, on random palettes and parcels from
// small pools, with dates crowded around midnights, clock changes and the epoch.
#include "match_support.h"
#include "model/zok_catalogue.h"
#include "tests/native/tools/condition.h"

#include <limits>
#include <random>

namespace {
#ifdef _WIN32
// An empty TZ: the C runtime follows Wine's zone, whose names it cannot read.
const char* const kZones[] = {""};
#else
// Tokyo and zones whose clocks change oddly.
const char* const kZones[] = {
    "Asia/Tokyo",          "America/New_York", "Europe/London",
    "Australia/Lord_Howe", "Asia/Kathmandu",   "America/Sao_Paulo",
    "America/St_Johns",    "Antarctica/Casey", "XST-13XDT-14,M9.5.0/2,M4.1.0/0:30"};
#endif
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const std::vector<WORD> kZty{100, 101, 102, 103, 104, 105, 106, 107, 200, 201,
                             300, 301, 400, 401, 500, 501, 502, 0,   108, 999};
const std::vector<DWORD> kNumbers{0,          1,          2,     3,     5,         0x7FFFFFFF,
                                  0x80000000, 0xFFFFFFFF, 65535, 65536, 0xFFFFFFFE};
const std::vector<DWORD> kCodes{0, 1, 2, 7, 0xFFFF};
const std::vector<double> kReals{0.0, -0.0, 3.0, 99.5, 100.0, 100.5, 1e-300, 2.0 / 3.0, kNaN, kInf};
const std::vector<WORD> kDateZty{ZOK_TACHIAI, ZOK_TOKI};
const std::string kLong(254, 'x');
const std::vector<std::string> kTexts{
    "", "A", "a", "A ", "画地", "0123", "12345678901234", kLong, kLong + "x"};

class RandomSelect : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        UseTimeZone(GetParam());
        std::vector<std::int64_t> around{0, 1, -1, -86400, INT32_MIN, INT32_MAX, 86399, 86400};
        for (std::int64_t change : ClockChanges(1970, 2037)) {
            around.push_back(change);
            for (std::int64_t delta : {-3601, -1, 0, 1, 3599, 3600})
                m_dates.push_back(change + delta);
        }
        for (int k = 0; k < 40; ++k) // the whole 32-bit range, negative values included
            around.push_back(static_cast<std::int32_t>(m_rng()));
        m_dates.insert(m_dates.end(), around.begin(), around.end());
        // The first and last instants of the days around those dates.
        for (std::int64_t date : around)
            for (std::int64_t day : {date - 86400, date, date + 86400})
                if (day >= 0 && day <= INT32_MAX) {
                    const DayEdges edges = DayEdgesOf(day);
                    for (std::int64_t edge : {edges.first, edges.next})
                        for (std::int64_t delta : {-1, 0, 1})
                            if (edge + delta <= INT32_MAX)
                                m_dates.push_back(edge + delta);
                }
    }

    template <class T> const T& Pick(const std::vector<T>& pool) {
        return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(m_rng)];
    }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_rng); }
    WORD Code() { return static_cast<WORD>(Pick(kCodes)); }

    // Dates of a round mostly lie around one instant, so they often share days.
    std::int32_t Date() {
        static const std::vector<std::int64_t> nudges{0,     0,     0,      1,      -1,   3600,
                                                      -3600, 43200, -43200, -86400, 86400};
        const std::int64_t date = (Chance(0.8) ? m_around : Pick(m_dates)) + Pick(nudges);
        return date < INT32_MIN || date > INT32_MAX ? 0 : static_cast<std::int32_t>(date);
    }

    void FillParcel(SvyKkData& kk) {
        kk.SetNo(Pick(kNumbers));
        kk.SetName(Pick(kTexts).c_str());
        SVY_KKDB_ZOKUSEI zoku{};
        zoku.KyoyuNinzu = static_cast<WORD>(Pick(kNumbers));
        zoku.ShoyukenFlg = Code();
        zoku.Tachiai = Date();
        zoku.Toki = Date();
        zoku.KoboMen = Pick(kReals);
        zoku.Oaza = Code();
        zoku.Koaza = Code();
        zoku.GenkyoChimoku = Code();
        zoku.KoboChimoku = Code();
        const std::string& no = Pick(kTexts);
        std::memcpy(zoku.FudosanNo, no.c_str(), std::min(no.size() + 1, sizeof zoku.FudosanNo));
        kk.SetZoku(zoku);
        if (Chance(0.2))
            kk.SetZokuUnreadable();
        if (Chance(0.7))
            kk.SetTk(Code());
        std::vector<WORD> owners, taxpayers;
        for (int k = std::uniform_int_distribution<int>(0, 2)(m_rng); k > 0; --k) {
            owners.push_back(Code());
            taxpayers.push_back(Code());
        }
        kk.SetShoyusha(owners);
        kk.SetNozeisha(taxpayers);
        static const std::vector<std::vector<PT>> shapes{
            {},
            {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
            {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}};
        kk.SetBoundary(Pick(shapes));
    }

    VELMORA_Z_TYPE Condition(WORD zty) {
        VELMORA_Z_TYPE z{};
        const DWORD range = Chance(0.5) ? Pick(kCodes) : 0;
        const VelmoraZokKind kind = VelmoraZokKindOf(zty);
        if (kind == ZOK_KIND_CODE)
            z.ZCode.Code = Chance(0.3) ? (Pick(kCodes) << 16) | Pick(kCodes) : Pick(kCodes);
        else if (kind == ZOK_KIND_LONG)
            z.ZLong = {0, range, static_cast<std::int32_t>(Pick(kNumbers)),
                       static_cast<std::int32_t>(Pick(kNumbers))};
        else if (kind == ZOK_KIND_DATE)
            z.ZDate = {0, range, Date(), Date()};
        else if (kind != ZOK_KIND_TEXT)
            z.ZReal = {0, range, Pick(kReals), Pick(kReals)};
        else {
            z = ::Condition(ZOK_KK_NM, 0, 0, 0, Pick(kTexts));
            if (Chance(0.05))
                std::memset(z.ZText.Text, 'x', sizeof z.ZText.Text);
        }
        return z;
    }

    // Checked again after one brush changes in place, as a host may write it.
    int CheckRound(int round, const std::vector<WORD>& ztys) {
        CVObjPlt plt;
        m_around = Pick(m_dates);
        plt.SetZty(Pick(ztys));
        const int count = round % 50 == 0 ? 255 : std::uniform_int_distribution<int>(0, 12)(m_rng);
        for (int k = 0; k < count; ++k)
            AddCondition(plt, Condition(Chance(0.95) ? plt.GetZty() : Pick(kZty)));
        SvyKkData kk;
        FillParcel(kk);
        SCOPED_TRACE("round " + std::to_string(round) + ", attribute " +
                     std::to_string(plt.GetZty()));
        const int expected = ReferenceChoice(plt, kk);
        EXPECT_EQ(Chosen(plt, kk), expected);
        if (count > 0) {
            CVObjBrs& brs = plt.Brs[std::uniform_int_distribution<int>(0, count - 1)(m_rng)];
            if (Chance(0.2))
                brs.BFg = 0;
            else
                brs.ZVal = Condition(plt.GetZty());
        }
        EXPECT_EQ(Chosen(plt, kk), ReferenceChoice(plt, kk)) << "after a direct change";
        return expected;
    }

    std::mt19937 m_rng{20261205};
    std::vector<std::int64_t> m_dates;
    std::int64_t m_around = 0;
};
} // namespace

// Conditions must hold often enough to matter. Every other round takes dates
// alone: every clock change of the zone since 1970, and the 32-bit range.
TEST_P(RandomSelect, AgreesWithThePlainRules) {
    int held = 0, heldDates = 0;
    for (int round = 0; round < 11000 && !HasFailure(); ++round) {
        const bool datesOnly = round % 2;
        (datesOnly ? heldDates : held) += CheckRound(round, datesOnly ? kDateZty : kZty) >= 0;
    }
    EXPECT_GT(held, 1500);
    EXPECT_GT(heldDates, 2000);
}

INSTANTIATE_TEST_SUITE_P(Zones, RandomSelect, ::testing::ValuesIn(kZones));
