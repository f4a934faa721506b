#include "match_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

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
