// Dates as the library keeps them: 32-bit signed seconds since 1970-01-01
// 00:00 UTC, shown and compared as local calendar days.
#pragma once

#include <cstdint>
#include <string>

struct KkDay {
    int year = 0; // 0, 0, 0 when the time has no local day
    int month = 0;
    int day = 0;
};

// The local calendar day of a time; (0, 0, 0) for a negative time, since the
// library matches every time before 1970 as one day.
KkDay DayOf(std::int32_t time);

// Parses "YYYY-MM-DD" (local midnight) or "YYYY-MM-DDTHH:MM:SS" (local time);
// false for a malformed text, an impossible date or one the 32-bit count
// cannot hold. The first day of the count, 1901-12-14, starts before it in
// zones east of UTC: a date on it gets the count's first second.
bool ParseLocalTime(const std::string& text, std::int32_t& time);

// "YYYY-MM-DD" when the time is a local midnight, else "YYYY-MM-DDTHH:MM:SS";
// empty when the system cannot convert the time.
std::string FormatLocalTime(std::int32_t time);
