#include "matching/kk_day.h"

#include <ctime>

namespace {
constexpr std::int64_t kDaySeconds = 86400;

bool ToLocal(std::int64_t date, std::tm& local) {
    if (date < 0)
        return false;
#ifdef _WIN32
    const __time64_t time = date;
    return _localtime64_s(&local, &time) == 0;
#else
    const std::time_t time = static_cast<std::time_t>(date);
    return localtime_r(&time, &local) != nullptr;
#endif
}

struct KK_DAY {
    int Year;
    int Month; // 1-12
    int Day;   // day of month
};

bool operator==(const KK_DAY& a, const KK_DAY& b) {
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

KK_DAY DayOf(const std::tm& local) {
    return KK_DAY{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// Seconds by which the local clock leads UTC at `date`, whose local time is `local`.
std::int64_t OffsetOf(std::int64_t date, const std::tm& local) {
    // Days since 1970-01-01 of the civil date (Howard Hinnant's days_from_civil).
    const int month = local.tm_mon + 1;
    const std::int64_t year = local.tm_year + 1900 - (month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear =
        (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + local.tm_mday - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const std::int64_t days = era * 146097 + dayOfEra - 719468;
    return days * kDaySeconds + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec - date;
}

// Whether the local clock at `date` leads UTC by `offset`.
bool HasOffset(std::int64_t date, std::int64_t offset) {
    std::tm local{};
    return ToLocal(date, local) && OffsetOf(date, local) == offset;
}

bool IsDay(std::int64_t date, const KK_DAY& day) {
    std::tm local{};
    return ToLocal(date, local) && DayOf(local) == day;
}

// The instant of `day` next to its neighbour day: searching between `inside`,
// on that day, and `outside`, an earlier or later instant that is not.
std::int64_t RunEdge(std::int64_t outside, std::int64_t inside, const KK_DAY& day) {
    while (outside - inside > 1 || inside - outside > 1) {
        const std::int64_t middle = outside + (inside - outside) / 2;
        if (IsDay(middle, day))
            inside = middle;
        else
            outside = middle;
    }
    return inside;
}

// The clock offset of the last day found on this thread. Parcels drawn one
// after another mostly share it, and a guess that holds saves converting the
// date itself; a wrong one costs a conversion.
thread_local std::int64_t t_lastOffset = 0;
} // namespace

// Clocks change at most once a day. So when the clock leads UTC by `offset`
// just before the midnight that `offset` puts before the date and again at the
// next midnight, it did so all the time between: that is the date's day.
bool CKkDayMatch::TryOffset(std::int64_t offset) {
    const std::int64_t wall = m_date + offset;
    const std::int64_t midnight = m_date - (wall % kDaySeconds + kDaySeconds) % kDaySeconds;
    if (!HasOffset(midnight - 1, offset) || !HasOffset(midnight + kDaySeconds, offset))
        return false;
    m_start = midnight;
    m_end = midnight + kDaySeconds;
    t_lastOffset = offset;
    return true;
}

void CKkDayMatch::FindDay() {
    m_found = true;
    if (TryOffset(t_lastOffset))
        return;
    // A failed conversion, which the C library does not report for these
    // dates, leaves the day empty.
    std::tm local{};
    if (!ToLocal(m_date, local))
        return;
    const std::int64_t offset = OffsetOf(m_date, local);
    if (offset != t_lastOffset && TryOffset(offset))
        return;
    // The clocks changed on this day: search for its edges.
    const KK_DAY day = DayOf(local);
    m_start = RunEdge(m_date - kFarSeconds, m_date, day);
    m_end = RunEdge(m_date + kFarSeconds, m_date, day) + 1;
}
