#include "tools/gis/hatch_style.h"

#include <algorithm>
#include <cmath>

double HatchSpacingMm(double spacingMm) {
    constexpr double kLineWidthMm = 0.26;
    return std::isfinite(spacingMm) ? std::clamp(spacingMm, kLineWidthMm, 1000.0) : kLineWidthMm;
}
