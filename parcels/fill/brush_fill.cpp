#include "parcels/fill/brush_fill.h"

COLORREF DensityColor(COLORREF color, double depth) {
    double d = depth * 0.01;
    if (!(d >= 0.0 && d <= 1.0))
        return color & 0xFFFFFF;
    COLORREF result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        int component = static_cast<int>((color >> shift) & 0xFF);
        int lightened = 255 - static_cast<int>((255 - component) * d);
        result |= static_cast<COLORREF>(lightened) << shift;
    }
    return result;
}

std::vector<int> HatchAngles(int type) {
    switch (type) {
    case 0:
        return {0};
    case 1:
        return {90};
    case 2:
        return {45};
    case 3:
        return {135};
    case 4:
        return {0, 90};
    case 5:
        return {45, 135};
    default:
        return {};
    }
}

double HatchSpacingOnGround(double spaceMm, int scale) {
    return spaceMm * scale / 1000.0;
}
