#include "tools/gis/local_days.h"

#include <cstdio>
#include <ctime>

// Civil dates and day numbers by the proleptic Gregorian calendar, counted
// in eras of 400 years so that no year needs a loop.
std::int64_t DayNumber(int year, int month, int day) {
    std::int64_t y = year - (month <= 2 ? 1 : 0);
    std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    std::int64_t yearOfEra = y - era * 400;
    std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

namespace {
struct CivilDate {
    long long year, month, day;
};

CivilDate DateOfDay(std::int64_t dayNumber) {
    std::int64_t z = dayNumber + 719468;
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    std::int64_t dayOfEra = z - era * 146097;
    std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    std::int64_t mp = (5 * dayOfYear + 2) / 153;
    std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}
} // namespace

std::string DayText(std::int64_t dayNumber) {
    CivilDate date = DateOfDay(dayNumber);
    char text[48];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld", date.year, date.month, date.day);
    return text;
}

std::int64_t LocalDayOf(std::int64_t time) {
    std::time_t t = static_cast<std::time_t>(time);
    std::tm tm{};
    localtime_r(&t, &tm);
    return DayNumber(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

std::int64_t LocalMidnight(std::int64_t dayNumber) {
    CivilDate date = DateOfDay(dayNumber);
    std::tm tm{};
    tm.tm_year = static_cast<int>(date.year - 1900);
    tm.tm_mon = static_cast<int>(date.month - 1);
    tm.tm_mday = static_cast<int>(date.day);
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}
