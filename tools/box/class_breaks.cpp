#include "tools/box/class_breaks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The most distinct values Fisher's method works on: its time grows with
// their square.
constexpr size_t kJenksValues = 3000;

// Keeps each limit only when it lies above the previous one, and ends with
// the largest value.
std::vector<double> Rising(const std::vector<double>& limits, double largest) {
    std::vector<double> kept;
    for (double limit : limits)
        if (limit < largest && (kept.empty() || limit > kept.back()))
            kept.push_back(limit);
    kept.push_back(largest);
    return kept;
}

struct Weighted {
    double value;
    double weight;
};

// The distinct values with their counts, or evenly spaced quantiles of them.
std::vector<Weighted> JenksInput(const std::vector<double>& sorted) {
    std::vector<Weighted> distinct;
    for (double value : sorted) {
        if (!distinct.empty() && distinct.back().value == value)
            distinct.back().weight += 1.0;
        else
            distinct.push_back(Weighted{value, 1.0});
    }
    if (distinct.size() <= kJenksValues)
        return distinct;
    std::vector<Weighted> quantiles;
    double share = static_cast<double>(sorted.size()) / kJenksValues;
    for (size_t q = 0; q < kJenksValues; ++q) {
        double value = sorted[static_cast<size_t>((static_cast<double>(q) + 0.5) * share)];
        if (!quantiles.empty() && quantiles.back().value == value)
            quantiles.back().weight += share;
        else
            quantiles.push_back(Weighted{value, share});
    }
    return quantiles;
}
} // namespace

std::vector<double> EqualBreaks(const std::vector<double>& sorted, int classes, bool whole) {
    if (sorted.empty() || classes < 1)
        return std::vector<double>();
    double lowest = sorted.front();
    double largest = sorted.back();
    double width = (largest - lowest) / classes;
    std::vector<double> limits;
    for (int c = 1; c < classes; ++c) {
        double limit = lowest + width * c;
        limits.push_back(whole ? std::floor(limit) : limit);
    }
    return Rising(limits, largest);
}

std::vector<double> QuantileBreaks(const std::vector<double>& sorted, int classes) {
    if (sorted.empty() || classes < 1)
        return std::vector<double>();
    std::vector<double> limits;
    size_t n = sorted.size();
    for (int c = 1; c < classes; ++c) {
        size_t count = (n * static_cast<size_t>(c) + static_cast<size_t>(classes) - 1) /
                       static_cast<size_t>(classes);
        limits.push_back(sorted[std::max<size_t>(count, 1) - 1]);
    }
    return Rising(limits, sorted.back());
}

std::vector<double> JenksBreaks(const std::vector<double>& sorted, int classes) {
    if (sorted.empty() || classes < 1)
        return std::vector<double>();
    std::vector<Weighted> in = JenksInput(sorted);
    size_t m = in.size();
    size_t k = std::min(static_cast<size_t>(classes), m);
    // Prefix sums give the squared deviations of any run of values at once.
    std::vector<double> w(m + 1, 0.0), wx(m + 1, 0.0), wxx(m + 1, 0.0);
    for (size_t i = 0; i < m; ++i) {
        w[i + 1] = w[i] + in[i].weight;
        wx[i + 1] = wx[i] + in[i].weight * in[i].value;
        wxx[i + 1] = wxx[i] + in[i].weight * in[i].value * in[i].value;
    }
    auto deviation = [&](size_t from, size_t to) { // values from..to-1
        double sw = w[to] - w[from];
        double sx = wx[to] - wx[from];
        return std::max(0.0, (wxx[to] - wxx[from]) - sx * sx / sw);
    };
    // cost[c][j]: least deviation of the first j values in c + 1 classes;
    // start[c][j]: where the last of those classes starts.
    const double kNone = std::numeric_limits<double>::infinity();
    std::vector<std::vector<double>> cost(k, std::vector<double>(m + 1, kNone));
    std::vector<std::vector<size_t>> start(k, std::vector<size_t>(m + 1, 0));
    for (size_t j = 1; j <= m; ++j)
        cost[0][j] = deviation(0, j);
    for (size_t c = 1; c < k; ++c)
        for (size_t j = c + 1; j <= m; ++j)
            for (size_t i = c; i < j; ++i) {
                double total = cost[c - 1][i] + deviation(i, j);
                if (total < cost[c][j]) {
                    cost[c][j] = total;
                    start[c][j] = i;
                }
            }
    std::vector<double> limits;
    size_t end = m;
    for (size_t c = k - 1; c > 0; --c) {
        end = start[c][end];
        limits.push_back(in[end - 1].value);
    }
    std::reverse(limits.begin(), limits.end());
    return Rising(limits, sorted.back());
}
