#include "parcels/text/kk_date.h"

#include <cstdio>
#include <ctime>
#include <limits>

namespace {
constexpr std::int64_t kDaySeconds = 86400;

// Days since 1970-01-01 of a civil date (Howard Hinnant's days_from_civil).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear - 719468;
}

// The local clock at `time` as seconds counted like UTC ones. Windows keeps no
// zone history before 1970 and converts no earlier time; there the offset of
// 1970 holds for all earlier times.
bool LocalClock(std::int64_t time, std::int64_t& clock) {
    std::tm tm{};
#ifdef _WIN32
    const __time64_t wide = time < 0 ? 0 : time;
    if (_localtime64_s(&tm, &wide) != 0)
        return false;
#else
    const std::time_t t = static_cast<std::time_t>(time);
    if (!localtime_r(&t, &tm))
        return false;
#endif
    std::int64_t day = DaysFromCivil(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    clock = day * kDaySeconds + tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec;
#ifdef _WIN32
    if (time < 0)
        clock += time;
#endif
    return true;
}

// The time at which the local clock shows `clock`; false when it never does
// (a clock moved forward over it).
bool TimeOfClock(std::int64_t clock, std::int64_t& time) {
    std::int64_t shown = 0;
    time = clock;
    // Two rounds find the offset in force at the time, even next to a change.
    for (int round = 0; round < 2; ++round) {
        if (!LocalClock(time, shown))
            return false;
        time -= shown - clock;
    }
    return LocalClock(time, shown) && shown == clock;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The civil day of a clock reading (Howard Hinnant's civil_from_days).
KkDay CivilDay(std::int64_t clock) {
    std::int64_t days = clock / kDaySeconds - (clock % kDaySeconds < 0 ? 1 : 0);
    std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return KkDay{year, month, day};
}
} // namespace

KkDay DayOf(std::int32_t time) {
    std::int64_t clock = 0;
    if (time < 0 || !LocalClock(time, clock))
        return KkDay{};
    return CivilDay(clock);
}

bool ParseLocalTime(const std::string& text, std::int32_t& time) {
    const char* kShape = "0000-00-00T00:00:00";
    for (size_t i = 0; i < text.size() && i < 19; ++i)
        if ((kShape[i] == '0') != (text[i] >= '0' && text[i] <= '9'))
            return false;
    bool withTime = text.size() == 19 && text[10] == 'T' && text[13] == ':' && text[16] == ':';
    if ((text.size() != 10 && !withTime) || text[4] != '-' || text[7] != '-')
        return false;
    auto number = [&text](size_t at, size_t digits) {
        int value = 0;
        for (size_t i = at; i < at + digits; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    int hour = withTime ? number(11, 2) : 0, minute = withTime ? number(14, 2) : 0,
        second = withTime ? number(17, 2) : 0;
    if (year < 1800 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    std::int64_t dayStart = DaysFromCivil(year, month, day) * kDaySeconds;
    std::int64_t at = 0;
    if (!TimeOfClock(dayStart + hour * 3600 + minute * 60 + second, at))
        return false;
    const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    if (!withTime && at < lowest) {
        // The count starts during this day when its first second shows on it.
        std::int64_t clock = 0;
        if (LocalClock(lowest, clock) && clock >= dayStart && clock < dayStart + kDaySeconds)
            at = lowest;
    }
    if (at < lowest || at > std::numeric_limits<std::int32_t>::max())
        return false;
    time = static_cast<std::int32_t>(at);
    return true;
}

std::string FormatLocalTime(std::int32_t time) {
    std::int64_t clock = 0;
    if (!LocalClock(time, clock))
        return std::string();
    KkDay day = CivilDay(clock);
    std::int64_t inDay =
        clock - (clock / kDaySeconds - (clock % kDaySeconds < 0 ? 1 : 0)) * kDaySeconds;
    char text[80]; // room for any int fields
    if (inDay == 0)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", day.year, day.month,
                      day.day, static_cast<int>(inDay / 3600), static_cast<int>(inDay / 60 % 60),
                      static_cast<int>(inDay % 60));
    return text;
}
