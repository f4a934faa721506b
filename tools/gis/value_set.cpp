#include "tools/gis/value_set.h"

#include <algorithm>
#include <cmath>

namespace {
// The lower of two upper ends; at one value the open end lets fewer values in.
void LowerUpperEnd(double& hi, bool& hiOpen, double otherHi, bool otherOpen) {
    if (otherHi < hi || (otherHi == hi && otherOpen)) {
        hi = otherHi;
        hiOpen = otherOpen;
    }
}

// The higher of two lower ends, likewise.
void HigherLowerEnd(double& lo, bool& loOpen, double otherLo, bool otherOpen) {
    if (otherLo > lo || (otherLo == lo && otherOpen)) {
        lo = otherLo;
        loOpen = otherOpen;
    }
}

bool StartsBefore(const ValueSpan& a, const ValueSpan& b) {
    return a.lo < b.lo || (a.lo == b.lo && !a.loOpen && b.loOpen);
}
} // namespace

ValueSpan ValueSet::Normal(ValueSpan span) const {
    if (!whole_)
        return span;
    if (std::isfinite(span.lo))
        span.lo = span.loOpen ? std::floor(span.lo) + 1.0 : std::ceil(span.lo);
    if (std::isfinite(span.hi))
        span.hi = span.hiOpen ? std::ceil(span.hi) - 1.0 : std::floor(span.hi);
    span.loOpen = false;
    span.hiOpen = false;
    return span;
}

bool ValueSet::HasValue(const ValueSpan& span) const {
    if (std::isnan(span.lo) || std::isnan(span.hi) || span.lo == INFINITY || span.hi == -INFINITY)
        return false;
    return span.lo < span.hi || (span.lo == span.hi && !span.loOpen && !span.hiOpen);
}

void ValueSet::Add(ValueSpan span) {
    span = Normal(span);
    if (!HasValue(span))
        return;
    spans_.push_back(span);
    std::sort(spans_.begin(), spans_.end(), StartsBefore);
    std::vector<ValueSpan> joined;
    for (const ValueSpan& next : spans_) {
        if (!joined.empty()) {
            ValueSpan& last = joined.back();
            bool meets =
                whole_ ? next.lo <= last.hi + 1.0
                       : next.lo < last.hi || (next.lo == last.hi && !(next.loOpen && last.hiOpen));
            if (meets) {
                if (next.hi > last.hi || (next.hi == last.hi && !next.hiOpen)) {
                    last.hi = next.hi;
                    last.hiOpen = next.hiOpen;
                }
                continue;
            }
        }
        joined.push_back(next);
    }
    spans_ = joined;
}

void ValueSet::Remove(const ValueSet& other) {
    for (const ValueSpan& cut : other.spans_) {
        std::vector<ValueSpan> kept;
        for (const ValueSpan& span : spans_) {
            ValueSpan below = span;
            LowerUpperEnd(below.hi, below.hiOpen, cut.lo, !cut.loOpen);
            ValueSpan above = span;
            HigherLowerEnd(above.lo, above.loOpen, cut.hi, !cut.hiOpen);
            for (ValueSpan piece : {Normal(below), Normal(above)})
                if (HasValue(piece))
                    kept.push_back(piece);
        }
        spans_ = kept;
    }
}

bool ValueSet::Holds(double value) const {
    for (const ValueSpan& span : spans_) {
        bool aboveLo = span.loOpen ? value > span.lo : value >= span.lo;
        bool belowHi = span.hiOpen ? value < span.hi : value <= span.hi;
        if (aboveLo && belowHi)
            return true;
    }
    return false;
}
