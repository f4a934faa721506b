// Helpers for the matching tests: palettes of brushes that name their
// position, parcels, local times and the process time zone.
#pragma once

#include "host/svy_kk_data.h"
#include "model/plt.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// The time zones the date tests run in: natively Tokyo and zones whose clocks
// change (by half an hour, by a quarter past midnight, at midnight, and set
// back across it); under Wine the one the run was started with (TZ), since
// Wine takes the zone from its host.
std::vector<const char*> TestTimeZones();
// Switches the process to a time zone for local-time conversions.
void UseTimeZone(const char* zone);
// A test name part for a time zone.
std::string ZoneLabel(const ::testing::TestParamInfo<const char*>& info);

// The local day of a date by the plain rule: (0, 0, 0) for negative dates and
// for dates the C library cannot convert.
struct RefDay {
    int year, month, day;
    bool operator==(const RefDay& o) const {
        return year == o.year && month == o.month && day == o.day;
    }
};
RefDay RefDayOf(std::int64_t date);

// The first instant of the local day holding a date, and that of the next day,
// found by walking the clock.
struct DayEdges {
    std::int64_t first, next;
};
DayEdges DayEdgesOf(std::int64_t date);
// The instants at which the clock changed, from the start of one year to the
// end of another (changes lie at least a week apart).
std::vector<std::int64_t> ClockChanges(int firstYear, int lastYear);

// Appends a brush with the condition; its colour, hatch and layer name its position.
void AddCondition(CVObjPlt& plt, const VELMORA_Z_TYPE& zval);

// Conditions: range 0 is a single value, which ignores To.
VELMORA_Z_TYPE CodeCond(DWORD code);
VELMORA_Z_TYPE LongCond(DWORD range, std::int32_t from, std::int32_t to);
VELMORA_Z_TYPE DateCond(DWORD range, std::int64_t from, std::int64_t to);
VELMORA_Z_TYPE TextCond(const char* text);

// The position of the brush the palette chooses for the parcel, or -1; checks
// on the way that both forms agree and that nothing is written without a match.
int Chosen(CVObjPlt& plt, SvyKkData& kk);

// A parcel with a readable attribute record holding the given values.
SvyKkData KkWithZoku(const SVY_KKDB_ZOKUSEI& zoku);
SVY_KKDB_ZOKUSEI EmptyZoku();
