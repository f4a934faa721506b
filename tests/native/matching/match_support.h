// Palettes whose brushes name their position, local days, time zones, plain rules.
#pragma once

#include "host/svy_kk_data.h"
#include "model/plt.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Sets TZ; under Wine an empty zone is the one Wine takes from its host.
void UseTimeZone(const char* zone);

// The local day of a date as YYYYMMDD; 0 for negative or unconvertible dates.
int RefDayOf(std::int64_t date);
struct DayEdges { // the first instant of the local day holding a date, and that of the next
    std::int64_t first, next;
};
DayEdges DayEdgesOf(std::int64_t date);
// The instants at which the clock changed, from one year's start to another's end.
std::vector<std::int64_t> ClockChanges(int firstYear, int lastYear);

// Appends a brush with the condition; its colour, hatch and layer name its position.
void AddCondition(CVObjPlt& plt, const VELMORA_Z_TYPE& zval);

// The chosen brush's position, or -1; both forms must agree, and write nothing without a match.
int Chosen(CVObjPlt& plt, SvyKkData& kk);
// The position by the plain rules (reference_selector.cpp).
int ReferenceChoice(const CVObjPlt& plt, const SvyKkData& kk);
