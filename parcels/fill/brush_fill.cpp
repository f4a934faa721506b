#include "parcels/fill/brush_fill.h"

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
