// Calendar days counted from 1970-01-01, and how the process's time zone
// maps the library's date counts (seconds since 1970-01-01 00:00 UTC) to them.
#pragma once

#include <cstdint>
#include <string>

// The day number of a calendar date, 1970-01-01 being 0.
std::int64_t DayNumber(int year, int month, int day);

// "YYYY-MM-DD" of a day number.
std::string DayText(std::int64_t dayNumber);

// The local day of a time.
std::int64_t LocalDayOf(std::int64_t time);

// The time of the local midnight that starts a day (where a clock change
// skips midnight, the first time the day has).
std::int64_t LocalMidnight(std::int64_t dayNumber);
