#include "match_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

namespace {
class SelectDate : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { UseTimeZone(GetParam()); }

    static int ChosenFor(CVObjPlt& plt, std::int64_t date) {
        SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
        zoku.Tachiai = static_cast<std::int32_t>(date);
        zoku.Toki = static_cast<std::int32_t>(date);
        SvyKkData kk = KkWithZoku(zoku);
        return Chosen(plt, kk);
    }

    static CVObjPlt Plt(WORD zty, const VELMORA_Z_TYPE& condition) {
        CVObjPlt plt;
        plt.SetZty(zty);
        AddCondition(plt, condition);
        return plt;
    }
};
} // namespace

TEST_P(SelectDate, SingleDateHoldsAllDayLongAndNoLonger) {
    for (WORD zty : {400, 401}) {
        CVObjPlt plt = Plt(zty, DateCond(LocalTime(2021, 6, 15, 13, 45)));
        EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 15)), 0);
        EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 15, 23, 59, 59)), 0);
        EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 14, 23, 59, 59)), -1);
        EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 16)), -1);
    }
}

TEST_P(SelectDate, RangeIncludesBothBoundDaysWhateverTheirTimes) {
    CVObjPlt plt = Plt(400, DateRange(LocalTime(2021, 6, 10, 18), LocalTime(2021, 6, 20, 6)));
    EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 10, 0, 0, 1)), 0);
    EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 15, 12)), 0);
    EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 20, 23, 59, 59)), 0);
    EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 9, 23, 59, 59)), -1);
    EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 21)), -1);
}

TEST_P(SelectDate, ReversedRangeHoldsOnlyOnItsBoundDays) {
    CVObjPlt plt = Plt(401, DateRange(LocalTime(2021, 6, 20, 12), LocalTime(2021, 6, 10, 12)));
    EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 15)), -1);
    EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 20, 0, 0, 1)), 0);
    EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 10, 23, 59, 59)), 0);
    EXPECT_EQ(ChosenFor(plt, LocalTime(2021, 6, 11)), -1);
}

TEST_P(SelectDate, NegativeDatesShareOneDay) {
    CVObjPlt single = Plt(400, DateCond(-100000000));
    EXPECT_EQ(ChosenFor(single, -1), 0);
    EXPECT_EQ(ChosenFor(single, INT32_MIN), 0);
    EXPECT_EQ(ChosenFor(single, 0), -1);
    CVObjPlt zero = Plt(400, DateCond(0));
    EXPECT_EQ(ChosenFor(zero, -1), -1);
    EXPECT_EQ(ChosenFor(zero, 0), 0);
    // A negative bound only touches negative dates, and the strict part still counts.
    CVObjPlt range = Plt(400, DateRange(-5, 100));
    EXPECT_EQ(ChosenFor(range, -4000000), 0);
    EXPECT_EQ(ChosenFor(range, 50), 0);
}

TEST_P(SelectDate, DayAroundTheEpochStopsAtNegativeDates) {
    // West of Greenwich the epoch falls on 31 December, a local day that began
    // before 0; its negative part still has the day (0, 0, 0).
    CVObjPlt plt = Plt(400, DateCond(0));
    const std::int64_t next = DayEdgesOf(0).next;
    EXPECT_EQ(ChosenFor(plt, next - 1), 0);
    EXPECT_EQ(ChosenFor(plt, next), -1);
    EXPECT_EQ(ChosenFor(plt, -1), -1);
    CVObjPlt negative = Plt(400, DateCond(-3600));
    EXPECT_EQ(ChosenFor(negative, 0), -1);
    EXPECT_EQ(ChosenFor(negative, -1), 0);
}

TEST_P(SelectDate, DaysOfClockChangesKeepTheirLength) {
    // Days on which clocks change in New York, London or Sao Paulo (where the
    // change came at midnight), and the day after each.
    const int days[][3] = {{2021, 3, 14}, {2021, 3, 28}, {2021, 10, 31}, {2021, 11, 7},
                           {2018, 11, 4}, {2019, 2, 16}, {2018, 11, 5},  {2019, 2, 17}};
    for (const auto& d : days) {
        const std::int64_t noon = LocalTime(d[0], d[1], d[2], 12);
        const DayEdges edges = DayEdgesOf(noon);
        for (const VELMORA_Z_TYPE& cond : {DateCond(noon), DateRange(noon, noon)}) {
            CVObjPlt plt = Plt(400, cond);
            EXPECT_EQ(ChosenFor(plt, edges.first), 0) << d[1] << "/" << d[2];
            EXPECT_EQ(ChosenFor(plt, edges.next - 1), 0) << d[1] << "/" << d[2];
            EXPECT_EQ(ChosenFor(plt, edges.first - 1), -1) << d[1] << "/" << d[2];
            EXPECT_EQ(ChosenFor(plt, edges.next), -1) << d[1] << "/" << d[2];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Zones, SelectDate, ::testing::ValuesIn(TestTimeZones()), ZoneLabel);

namespace {
int ChosenAt(CVObjPlt& plt, std::int64_t date) {
    SVY_KKDB_ZOKUSEI zoku = EmptyZoku();
    zoku.Tachiai = static_cast<std::int32_t>(date);
    SvyKkData kk = KkWithZoku(zoku);
    return Chosen(plt, kk);
}

CVObjPlt DatePlt(const VELMORA_Z_TYPE& condition) {
    CVObjPlt plt;
    plt.SetZty(400);
    AddCondition(plt, condition);
    return plt;
}
} // namespace

// Natively only: Wine takes one time zone from its host for the whole run.
#ifndef _WIN32
namespace {
bool DayBefore(const RefDay& a, const RefDay& b) {
    return a.year != b.year     ? a.year < b.year
           : a.month != b.month ? a.month < b.month
                                : a.day < b.day;
}
} // namespace

// Where a clock was set back across midnight (St. John's at 00:01 until 2010,
// Casey by three hours in 2010), minutes of the new day come between two runs
// of the old one: a date in either run is on the old day, never on the new.
TEST(SelectDateSplitDay, ClockSetBackAcrossMidnight) {
    for (const auto& [zone, year] : {std::pair<const char*, int>{"America/St_Johns", 1987},
                                     std::pair<const char*, int>{"Antarctica/Casey", 2010}}) {
        SCOPED_TRACE(zone);
        UseTimeZone(zone);
        std::int64_t change = -1;
        for (std::int64_t t : ClockChanges(year, year))
            if (change < 0 && DayBefore(RefDayOf(t), RefDayOf(t - 1)))
                change = t;
        ASSERT_GE(change, 0);
        const std::int64_t newDay = change - 30; // just before the clock goes back
        const std::int64_t oldDay = change + 30; // just after it
        const std::int64_t laterNew = change + 12 * 3600;
        const std::int64_t earlierOld = change - 12 * 3600;
        ASSERT_TRUE(RefDayOf(newDay) == RefDayOf(laterNew));
        ASSERT_TRUE(RefDayOf(oldDay) == RefDayOf(earlierOld));

        CVObjPlt onLaterNew = DatePlt(DateCond(laterNew));
        EXPECT_EQ(ChosenAt(onLaterNew, newDay), 0);
        EXPECT_EQ(ChosenAt(onLaterNew, oldDay), -1);
        CVObjPlt onNew = DatePlt(DateCond(newDay));
        EXPECT_EQ(ChosenAt(onNew, laterNew), 0);
        EXPECT_EQ(ChosenAt(onNew, oldDay), -1);
        EXPECT_EQ(ChosenAt(onNew, earlierOld), -1);
        CVObjPlt onOld = DatePlt(DateRange(oldDay + 60, oldDay + 60));
        EXPECT_EQ(ChosenAt(onOld, earlierOld), 0);
        EXPECT_EQ(ChosenAt(onOld, newDay), -1);
        EXPECT_EQ(ChosenAt(onOld, laterNew), -1);
    }
    UseTimeZone("Asia/Tokyo");
}
#endif

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
    const std::int64_t parcel = 1623787200;
    CVObjPlt plt = DatePlt(DateCond(1623837600));
    for (int round = 0; round < 2; ++round) {
        useZone(zones[0]);
        EXPECT_EQ(ChosenAt(plt, parcel), 0);
        useZone(zones[1]);
        EXPECT_EQ(ChosenAt(plt, parcel), -1);
    }
    UseTimeZone("Asia/Tokyo");
}
