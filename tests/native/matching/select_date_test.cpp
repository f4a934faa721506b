// Dates at the edges of local days, in zones whose clocks change.
#include "match_support.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {
int ChosenOn(WORD zty, const VELMORA_Z_TYPE& condition, std::int64_t date) {
    CVObjPlt plt;
    plt.SetZty(zty);
    AddCondition(plt, condition);
    SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
    (zty == 400 ? zoku.Tachiai : zoku.Toki) = static_cast<std::int32_t>(date);
    SvyKkData kk = KkWithZoku(zoku);
    return Chosen(plt, kk);
}

class SelectDate : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { UseTimeZone(GetParam()); }
};
} // namespace

TEST_P(SelectDate, BoundsHoldForTheirWholeDayAndNoLonger) {
    const std::int64_t noon = 1623758400; // 2021-06-15 12:00 UTC
    const DayEdges day = DayEdgesOf(noon);
    const DayEdges early = DayEdgesOf(noon - 5 * 86400);
    const DayEdges late = DayEdgesOf(noon + 5 * 86400);
    const std::int64_t epoch = DayEdgesOf(0).next;
    // Bounds late on their first day and early on their last.
    const VELMORA_Z_TYPE range = DateCond(1, early.next - 3600, late.first + 3600);
    const VELMORA_Z_TYPE reversed = DateCond(1, noon + 5 * 86400, noon - 5 * 86400);
    const VELMORA_Z_TYPE single = DateCond(0, noon, 0), negative = DateCond(0, -100000000, 0);
    const struct {
        VELMORA_Z_TYPE cond;
        std::int64_t date;
        int chosen;
    } rows[] = {
        {single, day.first, 0},
        {single, day.next - 1, 0},
        {single, day.first - 1, -1},
        {single, day.next, -1},
        {range, early.first, 0},
        {range, late.next - 1, 0},
        {range, early.first - 1, -1},
        {range, late.next, -1},
        {reversed, noon, -1},
        {reversed, late.first, 0},
        {reversed, early.next - 1, 0},
        {reversed, early.next, -1},
        // Negative dates share one day, which no other date is on.
        {negative, -1, 0},
        {negative, INT32_MIN, 0},
        {negative, 0, -1},
        {DateCond(0, -3600, 0), 0, -1},
        {DateCond(0, 0, 0), -1, -1},
        {DateCond(0, 0, 0), epoch - 1, 0},
        {DateCond(0, 0, 0), epoch, -1},
        {DateCond(1, -5, 100), -4000000, 0},
        {DateCond(1, -5, 100), 50, 0},
    };
    for (WORD zty : {400, 401})
        for (const auto& r : rows)
            EXPECT_EQ(ChosenOn(zty, r.cond, r.date), r.chosen) << zty << " at " << r.date;
}

INSTANTIATE_TEST_SUITE_P(Zones, SelectDate, ::testing::ValuesIn(TestTimeZones()), ZoneLabel);

// The parcel's day is kept from one call to the next; a new time zone,
// once the C library takes it up, gives new days.
TEST(SelectDateZoneChange, DaysFollowTheTimeZone) {
#ifdef _WIN32
    const char* zones[] = {"JST-9", "EST5EDT"};
    const auto useZone = [](const char* zone) {
        _putenv_s("TZ", zone);
        _tzset();
    };
#else
    const char* zones[] = {"Asia/Tokyo", "America/New_York"};
    const auto useZone = [](const char* zone) { UseTimeZone(zone); };
#endif
    // 2021-06-15 20:00 and 2021-06-16 10:00 UTC: both on the 16th in Tokyo,
    // on the 15th and the 16th in New York.
    for (int round = 0; round < 2; ++round) {
        useZone(zones[0]);
        EXPECT_EQ(ChosenOn(400, DateCond(0, 1623837600, 0), 1623787200), 0);
        useZone(zones[1]);
        EXPECT_EQ(ChosenOn(400, DateCond(0, 1623837600, 0), 1623787200), -1);
    }
    UseTimeZone("Asia/Tokyo");
}
