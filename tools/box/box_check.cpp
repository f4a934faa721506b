#include "tools/box/box_check.h"

#include "model/zok_catalogue.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>

namespace {
// The values for which a brush holds, as closed intervals. Integers and
// dates are whole numbers, so [1, 2] and [3, 4] leave no gap between them;
// reals are not, so only touching intervals join.
template <typename T> struct Interval { T lo, hi; };

template <typename T>
bool Covered(Interval<T> target, std::vector<Interval<T>> earlier, bool whole) {
    std::sort(earlier.begin(), earlier.end(),
              [](const Interval<T>& a, const Interval<T>& b) { return a.lo < b.lo; });
    T reached = target.lo; // every value below `reached` is covered
    bool started = false;
    for (const Interval<T>& in : earlier) {
        if (in.hi < reached || (started && in.hi <= reached))
            continue;
        bool joins = started && whole ? in.lo <= reached + 1 : in.lo <= reached;
        if (!joins)
            return false;
        if (in.hi >= target.hi)
            return true;
        reached = in.hi;
        started = true;
    }
    return false;
}

std::string BrushNo(int brs) {
    return "#" + std::to_string(brs + 1);
}

// Every interval of a brush must be covered for the brush to be dead.
template <typename T>
bool AllCovered(const std::vector<Interval<T>>& target, const std::vector<Interval<T>>& earlier,
                bool whole) {
    for (const Interval<T>& in : target)
        if (!Covered(in, earlier, whole))
            return false;
    return true;
}

// The seconds of the local day of a date, as the matcher sees days: every
// negative time shares the day (0, 0, 0), and no other time has it.
Interval<long long> DayInterval(std::int32_t time) {
    constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
    if (time < 0)
        return {std::numeric_limits<std::int32_t>::min(), -1};
    std::time_t t = time;
    std::tm tm{};
    localtime_r(&t, &tm);
    tm.tm_hour = 0;
    tm.tm_min = 0;
    tm.tm_sec = 0;
    tm.tm_isdst = -1;
    std::tm next = tm;
    long long start = std::mktime(&tm);
    next.tm_mday += 1;
    long long end = std::mktime(&next) - 1;
    return {std::max(0LL, start), std::min(kMax, end)};
}

class PaletteChecker {
public:
    PaletteChecker(int pltNo, CVObjPlt& plt, std::vector<BoxFinding>& findings)
        : pltNo_(pltNo), plt_(plt), findings_(findings) {}

    void Check() {
        WORD zty = plt_.GetZty();
        if (zty == 0)
            return; // a free palette only names its brushes
        if (VelmoraZokIndexFromId(zty) == VELMORA_NO_ZOK) {
            if (plt_.CountBrs() > 0)
                findings_.push_back({pltNo_, -1,
                                     "attribute ID " + std::to_string(zty) +
                                         " is not in the catalogue: no brush can ever apply"});
            return;
        }
        for (int b = 0; b < plt_.CountBrs(); ++b) {
            switch (VelmoraZokKindOf(zty)) {
            case ZOK_KIND_CODE:
            case ZOK_KIND_TEXT:
                CheckSameValue(zty, b);
                break;
            case ZOK_KIND_LONG:
                CheckRanges<long long>(b, IntegerIntervals(zty, b), true);
                break;
            case ZOK_KIND_DATE:
                CheckRanges<long long>(b, DateIntervals(b), true);
                break;
            case ZOK_KIND_REAL:
                CheckRanges<double>(b, RealIntervals(b), false);
                break;
            default:
                break;
            }
        }
    }

private:
    const VELMORA_Z_TYPE& Cond(int b) { return plt_.GetObjBrs(static_cast<BYTE>(b))->ZVal; }

    void Report(int b, const std::string& reason) { findings_.push_back({pltNo_, b, reason}); }

    void CheckSameValue(WORD zty, int b) {
        for (int e = 0; e < b; ++e) {
            bool same;
            if (VelmoraZokKindOf(zty) == ZOK_KIND_TEXT)
                same = std::strncmp(Cond(e).ZText.Text, Cond(b).ZText.Text,
                                    sizeof Cond(b).ZText.Text) == 0;
            else if (zty == ZOK_SHOYUKEN)
                same = (Cond(e).ZCode.Code != 0) == (Cond(b).ZCode.Code != 0);
            else
                same = Cond(e).ZCode.Code == Cond(b).ZCode.Code;
            if (same) {
                Report(b, std::string(VelmoraZokKindOf(zty) == ZOK_KIND_TEXT ? "same text"
                                                                             : "same code") +
                              " as " + BrushNo(e) + ", which always wins");
                return;
            }
        }
    }

    // 画地No compares as unsigned, 共有人数 as signed.
    std::vector<Interval<long long>> IntegerIntervals(WORD zty, int b) {
        const VELMORA_ZLONG& z = Cond(b).ZLong;
        auto value = [zty](std::int32_t v) {
            return zty == ZOK_KK_NO ? static_cast<long long>(static_cast<std::uint32_t>(v))
                                    : static_cast<long long>(v);
        };
        if (!z.RangeFlg)
            return {{value(z.From), value(z.From)}};
        if (value(z.From) > value(z.To))
            return {};
        return {{value(z.From), value(z.To)}};
    }

    // A range holds strictly between its bounds and on both bounds' days.
    std::vector<Interval<long long>> DateIntervals(int b) {
        const VELMORA_ZDATE& z = Cond(b).ZDate;
        if (!z.RangeFlg)
            return {DayInterval(z.From)};
        std::vector<Interval<long long>> set = {DayInterval(z.From), DayInterval(z.To)};
        if (static_cast<long long>(z.From) + 1 <= static_cast<long long>(z.To) - 1)
            set.push_back({static_cast<long long>(z.From) + 1, static_cast<long long>(z.To) - 1});
        return set;
    }

    std::vector<Interval<double>> RealIntervals(int b) {
        const VELMORA_ZREAL& z = Cond(b).ZReal;
        if (std::isnan(z.From) || (z.RangeFlg && std::isnan(z.To)))
            return {};
        if (!z.RangeFlg)
            return {{z.From, z.From}};
        if (z.From > z.To)
            return {};
        return {{z.From, z.To}};
    }

    std::vector<Interval<long long>> Intervals(int b, long long) {
        WORD zty = plt_.GetZty();
        return VelmoraZokKindOf(zty) == ZOK_KIND_DATE ? DateIntervals(b) : IntegerIntervals(zty, b);
    }
    std::vector<Interval<double>> Intervals(int b, double) { return RealIntervals(b); }

    template <typename T>
    void CheckRanges(int b, const std::vector<Interval<T>>& target, bool whole) {
        if (target.empty()) {
            Report(b, "holds for no value (From above To, or not a number)");
            return;
        }
        std::vector<Interval<T>> earlier;
        std::string by;
        for (int e = 0; e < b; ++e) {
            std::vector<Interval<T>> set = Intervals(e, T());
            bool overlaps = false;
            for (const Interval<T>& in : set)
                for (const Interval<T>& t : target)
                    overlaps = overlaps || (in.lo <= t.hi && t.lo <= in.hi);
            if (!overlaps)
                continue;
            earlier.insert(earlier.end(), set.begin(), set.end());
            by += (by.empty() ? "" : ", ") + BrushNo(e);
        }
        if (!earlier.empty() && AllCovered(target, earlier, whole))
            Report(b, "covered by earlier " + by + ", which always win");
    }

    int pltNo_;
    CVObjPlt& plt_;
    std::vector<BoxFinding>& findings_;
};
} // namespace

std::vector<BoxFinding> CheckBox(CVPaletteBox& box) {
    std::vector<BoxFinding> findings;
    for (int p = 0; p < box.GetPltCount(); ++p)
        PaletteChecker(p, *box.GetPlt(p), findings).Check();
    return findings;
}
