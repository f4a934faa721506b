// Class limits for palettes built from data. Each method takes the values in
// ascending order and returns the upper end of each class, ascending, the
// last being the largest value: a class holds the values above the previous
// class's end up to its own. Classes that would hold no value between two
// limits that are equal are left out, so there may be fewer than asked for.
#pragma once

#include <vector>

// Classes of equal width between the smallest and the largest value; with
// `whole`, ends are whole numbers (rounded down).
std::vector<double> EqualBreaks(const std::vector<double>& sorted, int classes, bool whole);

// Classes holding about as many values each.
std::vector<double> QuantileBreaks(const std::vector<double>& sorted, int classes);

// Natural breaks (Jenks): the classes whose values lie closest to their
// class's mean, found exactly by Fisher's method. Beyond a few thousand
// distinct values it works on that many evenly spaced quantiles, each
// weighted by the values it stands for.
std::vector<double> JenksBreaks(const std::vector<double>& sorted, int classes);
