// Local calendar days of parcel dates (32-bit second counts since 1970-01-01
// 00:00 UTC, widened with their sign).
#pragma once

#include <cstdint>

// The day of a date is its local year, month and day of month, or (0, 0, 0)
// for a negative date or one the C library cannot convert to local time.
//
// CKkDay holds the instants of one local day as integers, so that whether a
// date falls on it takes comparisons and no conversion. The instants are one
// run [first, last], less those in [gapFirst, gapEnd): a day that a clock set
// back across midnight interrupts with a piece of the next day. Negative dates
// never fall on it.
class CKkDay {
public:
    // Finds the day of a non-negative date by converting a few instants around
    // it; false when the date itself cannot be converted (day (0, 0, 0)).
    bool Find(std::int64_t date);

    // Whether the day is interrupted; most days are one run, and a date falls
    // on them by one comparison.
    bool HasGap() const { return m_gapFirst != m_gapEnd; }

    // kGap false: the caller knows the day has no gap.
    template <bool kGap = true> bool Holds(std::int64_t date) const {
        return static_cast<std::uint64_t>(date - m_first) <= m_span &&
               !(kGap && m_gapFirst <= date && date < m_gapEnd);
    }

    // A date range's test for a date on this day: the date strictly between
    // from and to, or from or to on the day. A range that ends before the
    // day can hold only by its start on the day, one that starts after it
    // only by its end; each is tried first against the run's near end, which
    // settles nearly every range at once. One that meets the run holds unless
    // the day has a gap.
    template <bool kGap = true>
    bool RangeHolds(std::int64_t from, std::int64_t to, std::int64_t date) const {
        if (to < m_first)
            return from >= m_first && Holds<kGap>(from);
        if (from > m_last)
            return to <= m_last && Holds<kGap>(to);
        return !kGap || !HasGap() || (from < date && date < to) || Holds(from) || Holds(to);
    }

private:
    bool FitOffset(std::int64_t date, std::int64_t offset);
    void SplitAtChange(std::int64_t date, std::int64_t offset);
    void SetRuns(std::int64_t first, std::int64_t end, std::int64_t gapFirst, std::int64_t gapEnd);

    std::int64_t m_first = 0;
    std::int64_t m_last = 0;
    std::uint64_t m_span = 0; // last - first
    std::int64_t m_gapFirst = 0;
    std::int64_t m_gapEnd = 0;
    // The clock's lead on UTC on the day found last: parcels drawn one after
    // another mostly share it, so it is tried first.
    std::int64_t m_offset = 0;
};

// Every instant of a local day lies within 50 hours of every other (see
// kk_day.cpp): dates farther apart never share a day.
constexpr std::int64_t KK_DAY_REACH = 50 * 3600;

// The dates that may share a day with one date, tested by one subtraction
// and one unsigned comparison each.
class CKkDayReach {
public:
    explicit CKkDayReach(std::int64_t date) : m_low(date - (KK_DAY_REACH - 1)) {}

    // -REACH < other - date < REACH.
    bool Holds(std::int64_t other) const {
        return static_cast<std::uint64_t>(other - m_low) <
               static_cast<std::uint64_t>(2 * KK_DAY_REACH - 1);
    }

private:
    std::int64_t m_low;
};

// The day of a non-negative date in the process's present time zone, or null
// when the date cannot be converted. The day found last is kept on the thread
// and serves every date on it, without a conversion, until the time zone that
// the C library publishes (names, offset, daylight saving) changes.
const CKkDay* KkDayOf(std::int64_t date);
// The kept day when it holds the date, else null; converts nothing.
const CKkDay* KkDayKept(std::int64_t date);
