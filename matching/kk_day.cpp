// Finding a local day takes two facts about every zone's clock, true of the
// tz database from 1970 to 2038 and of Windows' rules: the clock leads UTC by
// at most 14 hours and lags it by at most 12, and it changes at most once in
// any three days (the closest changes lie a week apart). So every instant of
// a day lies in the 50 hours from 14 hours before the day's midnight read as
// UTC, and the clock changes at most once among them.
#include "matching/kk_day.h"

#include <algorithm>
#include <cstring>
#include <ctime>

namespace {
constexpr std::int64_t kDaySeconds = 86400;
constexpr std::int64_t kMostLead = 14 * 3600;
constexpr std::int64_t kMostLag = 12 * 3600;
static_assert(kMostLead + kDaySeconds + kMostLag == KK_DAY_REACH, "a day's reach");

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

// Seconds by which the local clock leads UTC at a date; false when the date
// cannot be converted.
bool OffsetAt(std::int64_t date, std::int64_t& offset) {
    std::tm local{};
    if (!ToLocal(date, local))
        return false;
    // Days since 1970-01-01 of the civil date (Howard Hinnant's days_from_civil).
    const int month = local.tm_mon + 1;
    const std::int64_t year = local.tm_year + 1900 - (month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear =
        (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + local.tm_mday - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const std::int64_t days = era * 146097 + dayOfEra - 719468;
    offset = days * kDaySeconds + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec - date;
    return true;
}

bool HasOffset(std::int64_t date, std::int64_t offset) {
    std::int64_t actual = 0;
    return OffsetAt(date, actual) && actual == offset;
}

// The local midnight, read as UTC, of a date whose clock leads UTC by offset.
std::int64_t MidnightOf(std::int64_t date, std::int64_t offset) {
    const std::int64_t wall = date + offset;
    return wall - (wall % kDaySeconds + kDaySeconds) % kDaySeconds;
}

// The instants that may belong to the day of a midnight, without negative ones.
struct KK_DAY_WINDOW {
    std::int64_t first;
    std::int64_t last;
};

KK_DAY_WINDOW WindowOf(std::int64_t midnight) {
    const std::int64_t first = midnight - kMostLead;
    return KK_DAY_WINDOW{first < 0 ? 0 : first, midnight + kDaySeconds + kMostLag - 1};
}
} // namespace

bool CKkDay::Find(std::int64_t date) {
    if (FitOffset(date, m_offset))
        return true;
    std::int64_t offset = 0;
    if (!OffsetAt(date, offset))
        return false;
    if (offset == m_offset || !FitOffset(date, offset))
        SplitAtChange(date, offset);
    m_offset = offset;
    return true;
}

// The day of a date when the clock leads UTC by `offset` all through the
// window around it: one change would show at one end of the window.
bool CKkDay::FitOffset(std::int64_t date, std::int64_t offset) {
    const std::int64_t midnight = MidnightOf(date, offset);
    const KK_DAY_WINDOW window = WindowOf(midnight);
    if (!HasOffset(window.first, offset) || !HasOffset(window.last, offset))
        return false;
    SetRuns(midnight - offset, midnight - offset + kDaySeconds, 0, 0);
    return true;
}

// The day of a date around which the clock changes once: before the change
// the day's instants are those the earlier offset puts on it, from the change
// on those the later one does. When the clock is set back across midnight the
// two runs lie apart, and the instants between them belong to another day.
void CKkDay::SplitAtChange(std::int64_t date, std::int64_t offset) {
    const std::int64_t midnight = MidnightOf(date, offset);
    const KK_DAY_WINDOW window = WindowOf(midnight);
    std::int64_t before = 0;
    std::int64_t after = 0;
    // A clock that breaks the two facts gets the day as the date's offset gives it.
    if (!OffsetAt(window.first, before) || !OffsetAt(window.last, after) || before == after) {
        SetRuns(midnight - offset, midnight - offset + kDaySeconds, 0, 0);
        return;
    }
    std::int64_t same = window.first;
    std::int64_t change = window.last;
    while (change - same > 1) {
        const std::int64_t middle = same + (change - same) / 2;
        (HasOffset(middle, before) ? same : change) = middle;
    }
    const std::int64_t earlyFirst = midnight - before;
    const std::int64_t earlyEnd = std::min(earlyFirst + kDaySeconds, change);
    const std::int64_t lateFirst = std::max(midnight - after, change);
    const std::int64_t lateEnd = midnight - after + kDaySeconds;
    const bool early = earlyFirst < earlyEnd && earlyEnd > 0;
    const bool late = lateFirst < lateEnd;
    if (early && late)
        SetRuns(earlyFirst, lateEnd, earlyEnd, lateFirst);
    else if (early || late)
        SetRuns(early ? earlyFirst : lateFirst, early ? earlyEnd : lateEnd, 0, 0);
    if (!(early || late) || !Holds(date))
        SetRuns(midnight - offset, midnight - offset + kDaySeconds, 0, 0);
}

void CKkDay::SetRuns(std::int64_t first, std::int64_t end, std::int64_t gapFirst,
                     std::int64_t gapEnd) {
    if (first < 0)
        first = 0;
    m_first = first;
    m_last = end - 1;
    m_span = static_cast<std::uint64_t>(m_last - first);
    m_gapFirst = gapFirst;
    m_gapEnd = gapEnd;
}

namespace {
// The time zone as the C library publishes it once it has converted a date:
// its names, its standard offset and its daylight saving.
class CKkZone {
public:
    void Keep() {
        for (int k = 0; k < 2; ++k) {
            m_published[k] = Name(k);
            std::strncpy(m_names[k], m_published[k], sizeof m_names[k] - 1);
            m_names[k][sizeof m_names[k] - 1] = '\0';
        }
        m_offset = Offset();
        m_daylight = Daylight();
        m_bias = Bias();
    }

    bool IsPresent() const {
        return m_offset == Offset() && m_daylight == Daylight() && m_bias == Bias() && IsKept(0) &&
               IsKept(1);
    }

private:
#ifdef _WIN32
    static const char* Name(int k) {
        return _tzname[k] ? _tzname[k] : "";
    }
    static long Offset() {
        return _timezone;
    }
    static int Daylight() {
        return _daylight;
    }
    static long Bias() {
        return _dstbias;
    }
#else
    static const char* Name(int k) {
        return tzname[k] ? tzname[k] : "";
    }
    static long Offset() {
        return timezone;
    }
    static int Daylight() {
        return daylight;
    }
    // POSIX publishes no daylight saving bias.
    static long Bias() {
        return 0;
    }
#endif

    bool IsKept(int index) const {
        const char* name = Name(index);
#ifdef __GLIBC__
        // glibc keeps every zone name it publishes, unchanged, for the life of
        // the process: the same string is the same name, and the check costs
        // no reading of it on every parcel.
        if (name == m_published[index])
            return true;
#endif
        return IsSameText(m_names[index], name);
    }

    // The names are short; a call of strncmp costs more than comparing them.
    static bool IsSameText(const char (&kept)[64], const char* name) {
        for (std::size_t k = 0; k < sizeof kept; ++k) {
            if (kept[k] != name[k])
                return false;
            if (name[k] == '\0')
                return true;
        }
        return false;
    }

    const char* m_published[2] = {};
    char m_names[2][64] = {};
    long m_offset = 0;
    int m_daylight = 0;
    long m_bias = 0;
};

struct KK_DAY_MEMO {
    CKkDay day;
    CKkZone zone;
    bool found = false;
};

thread_local KK_DAY_MEMO t_memo;
} // namespace

const CKkDay* KkDayKept(std::int64_t date) {
    const KK_DAY_MEMO& memo = t_memo;
    return memo.found && memo.day.Holds(date) && memo.zone.IsPresent() ? &memo.day : nullptr;
}

const CKkDay* KkDayOf(std::int64_t date) {
    if (const CKkDay* kept = KkDayKept(date))
        return kept;
    KK_DAY_MEMO& memo = t_memo;
    memo.found = memo.day.Find(date);
    // Read after converting: the first conversion sets the C library's zone up.
    memo.zone.Keep();
    return memo.found ? &memo.day : nullptr;
}
