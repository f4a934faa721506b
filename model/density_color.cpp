#include "model/density_color.h"

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
