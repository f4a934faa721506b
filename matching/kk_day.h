// Local calendar days of parcel dates (32-bit second counts since 1970-01-01
// 00:00 UTC, widened with their sign).
#pragma once

#include <cstdint>

// The day of a date is its local year, month and day of month, or (0, 0, 0)
// for a negative date or one the C library cannot convert to local time.
//
// CKkDayMatch answers whether dates fall on the day of one non-negative date,
// as comparing the days of both would, without converting every date asked about.
//
// A local day is one run of instants, [m_start, m_end), and lasts less than two
// days' worth of seconds: a date farther away than that is on another day
// without any conversion. The run is found once, on the first nearer date.
// Non-negative 32-bit dates always convert to local time, so no negative date
// shares the day.
class CKkDayMatch {
public:
    explicit CKkDayMatch(std::int64_t date)
        : m_date(date), m_nearFrom(date - kFarSeconds + 1), m_found(false), m_start(0), m_end(0) {}

    // False when no date from `from` to `to` can be on the day; converts nothing.
    bool MayMeet(std::int64_t from, std::int64_t to) const {
        return to >= m_nearFrom && from < m_nearFrom + 2 * kFarSeconds - 1;
    }

    bool IsSameDay(std::int64_t other) {
        // A date this far away needs no conversion.
        if (static_cast<std::uint64_t>(other - m_nearFrom) > 2 * kFarSeconds - 2)
            return false;
        if (!m_found)
            FindDay();
        return m_start <= other && other < m_end;
    }

private:
    static constexpr std::int64_t kFarSeconds = 2 * 86400;

    void FindDay();
    bool TryOffset(std::int64_t offset);

    std::int64_t m_date;
    std::int64_t m_nearFrom;
    bool m_found;
    std::int64_t m_start;
    std::int64_t m_end;
};
