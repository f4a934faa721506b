// Sets of attribute values as runs between two ends, so that the values a
// brush takes first can be found by taking away what earlier brushes hold.
#pragma once

#include <vector>

// A run of values; an end may be infinite, and an open end leaves its value out.
struct ValueSpan {
    double lo;
    double hi;
    bool loOpen = false;
    bool hiOpen = false;
};

class ValueSet {
public:
    // `whole`: only whole numbers are values, so open ends close on the next
    // whole number and [1, 2] and [3, 4] leave nothing between them.
    explicit ValueSet(bool whole) : whole_(whole) {}

    bool Whole() const { return whole_; }
    // Adds a run; a run that holds no value adds nothing.
    void Add(ValueSpan span);
    // Takes away every value of `other`.
    void Remove(const ValueSet& other);
    bool Holds(double value) const;
    bool Empty() const { return spans_.empty(); }
    // Disjoint runs in ascending order; a whole set's runs have closed ends.
    const std::vector<ValueSpan>& Spans() const { return spans_; }

private:
    ValueSpan Normal(ValueSpan span) const;
    bool HasValue(const ValueSpan& span) const;

    bool whole_;
    std::vector<ValueSpan> spans_;
};
