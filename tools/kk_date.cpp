#include "tools/kk_date.h"

#include <cstdio>
#include <ctime>
#include <limits>

namespace {
bool Local(std::int32_t time, std::tm& tm) {
    if (time < 0)
        return false;
    std::time_t t = time;
    return localtime_r(&t, &tm) != nullptr;
}
} // namespace

KkDay DayOf(std::int32_t time) {
    std::tm tm{};
    if (!Local(time, tm))
        return KkDay{};
    return KkDay{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

bool ParseLocalTime(const std::string& text, std::int32_t& time) {
    int year, month, day, hour = 0, minute = 0, second = 0, used = 0;
    bool withTime = text.size() > 10;
    int fields = withTime ? std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &year, &month,
                                        &day, &hour, &minute, &second, &used)
                          : std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &year, &month, &day, &used);
    if (fields != (withTime ? 6 : 3) || used != static_cast<int>(text.size()) ||
        text.size() != (withTime ? 19u : 10u))
        return false;
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    std::time_t t = std::mktime(&tm);
    // mktime moves 30 February into March: such a date is refused.
    if (t == static_cast<std::time_t>(-1) || tm.tm_year != year - 1900 || tm.tm_mon != month - 1 ||
        tm.tm_mday != day || tm.tm_hour != hour || tm.tm_min != minute)
        return false;
    if (t < std::numeric_limits<std::int32_t>::min() ||
        t > std::numeric_limits<std::int32_t>::max())
        return false;
    time = static_cast<std::int32_t>(t);
    return true;
}

std::string FormatLocalTime(std::int32_t time) {
    std::tm tm{};
    if (!Local(time, tm))
        return std::string();
    char text[80]; // room for any int fields
    if (tm.tm_hour == 0 && tm.tm_min == 0 && tm.tm_sec == 0)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", tm.tm_year + 1900, tm.tm_mon + 1,
                      tm.tm_mday);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", tm.tm_year + 1900,
                      tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}
