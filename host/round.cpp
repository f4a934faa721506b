#include "host/round.h"

#include <climits>
#include <cmath>

int _f_round(const double* value) {
    if (!value || std::isnan(*value))
        return 0;
    const double rounded = std::round(*value);
    if (rounded <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (rounded >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(rounded);
}
