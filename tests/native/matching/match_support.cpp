#include "match_support.h"

#include <cstdlib>
#include <ctime>

void UseTimeZone(const char* zone) {
#ifdef _WIN32
    _putenv_s("TZ", zone);
    _tzset();
#else
    setenv("TZ", zone, 1);
    tzset();
#endif
}

namespace {
bool LocalTm(std::int64_t date, std::tm& local) {
#ifdef _WIN32
    const __time64_t time = date;
    return _localtime64_s(&local, &time) == 0;
#else
    const std::time_t time = static_cast<std::time_t>(date);
    return localtime_r(&time, &local) != nullptr;
#endif
}

// Seconds by which the local clock leads UTC at a non-negative date.
std::int64_t OffsetAt(std::int64_t date) {
    std::tm local{};
    LocalTm(date, local);
#ifdef _WIN32
    return _mkgmtime64(&local) - date;
#else
    return local.tm_gmtoff;
#endif
}
} // namespace

int RefDayOf(std::int64_t date) {
    std::tm local{};
    if (date < 0 || !LocalTm(date, local))
        return 0;
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

DayEdges DayEdgesOf(std::int64_t date) {
    const int day = RefDayOf(date);
    std::int64_t first = date, last = date;
    for (std::int64_t step : {60, 1}) {
        while (RefDayOf(first - step) == day)
            first -= step;
        while (RefDayOf(last + step) == day)
            last += step;
    }
    return DayEdges{first, last + 1};
}

// Changes lie at least a week apart, so a step of six hours meets each.
std::vector<std::int64_t> ClockChanges(int firstYear, int lastYear) {
    constexpr std::int64_t kStep = 6 * 3600;
    std::vector<std::int64_t> changes;
    const std::int64_t to = (lastYear - 1969) * 365LL * 86400;
    std::int64_t t = (firstYear - 1970) * 365LL * 86400 + 86400;
    for (std::int64_t before = OffsetAt(t); t < to; t += kStep) {
        const std::int64_t after = OffsetAt(t + kStep);
        if (after == before)
            continue;
        std::int64_t lo = t, hi = t + kStep;
        while (hi - lo > 1)
            (OffsetAt(lo + (hi - lo) / 2) == before ? lo : hi) = lo + (hi - lo) / 2;
        changes.push_back(hi);
        before = after;
    }
    return changes;
}

void AddCondition(CVObjPlt& plt, const VELMORA_Z_TYPE& zval) {
    const int pos = plt.CountBrs();
    CVObjBrs brs;
    brs.ZVal = zval;
    brs.BNm.Format("b%d", pos);
    brs.Col = static_cast<BYTE>(pos);
    brs.Hat = 1000 + static_cast<DWORD>(pos);
    brs.LayerNo = 2000 + static_cast<DWORD>(pos);
    ASSERT_EQ(plt.AddBrs(static_cast<BYTE>(pos), &brs), pos);
}

int Chosen(CVObjPlt& plt, SvyKkData& kk) {
    BYTE col = 0xEE;
    DWORD hat = 0xDEADBEEF, layer = 0xFEEDF00D;
    CVObjBrs whole;
    whole.BNm = "untouched";
    const int found = plt.GetBrsToKk(&kk, &col, &hat, &layer);
    EXPECT_EQ(found, plt.GetBrsObjToKk(&kk, &whole));
    const int pos = found ? static_cast<int>(hat) - 1000 : -1;
    const BYTE at = static_cast<BYTE>(pos);
    EXPECT_EQ(col, found ? at : 0xEE);
    EXPECT_EQ(hat, found ? +whole.Hat : 0xDEADBEEFu);
    EXPECT_EQ(layer, found ? 2000u + at : 0xFEEDF00Du);
    EXPECT_EQ(whole.BNm, CString(found ? plt.GetBNm(at) : "untouched"));
    return pos;
}
