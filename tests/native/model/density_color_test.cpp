#include "model/density_color.h"

#include <gtest/gtest.h>

#include <limits>

constexpr COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>(r | (g << 8) | (b << 16));
}

// Channels move towards white, cut towards zero; a density outside 0 to 100
// leaves the colour, less its top byte.
TEST(DensityColor, LightensEachChannelWithinZeroToHundred) {
    struct Case {
        COLORREF color;
        double depth;
        COLORREF shown;
    } cases[] = {
        {Rgb(255, 0, 0), 100.0, Rgb(255, 0, 0)},
        {Rgb(255, 0, 0), 50.0, Rgb(255, 128, 128)},
        {Rgb(12, 34, 56), 0.0, Rgb(255, 255, 255)},
        {Rgb(100, 100, 100), 33.9, Rgb(203, 203, 203)},
        {Rgb(255, 200, 0), 10.0, Rgb(255, 250, 230)},
        {Rgb(0, 255, 255), 10.0, Rgb(230, 255, 255)},
        {Rgb(1, 2, 3), 150.0, Rgb(1, 2, 3)},
        {Rgb(1, 2, 3), -10.0, Rgb(1, 2, 3)},
        {Rgb(1, 2, 3), 100.0000001, Rgb(1, 2, 3)},
        {Rgb(1, 2, 3), std::numeric_limits<double>::quiet_NaN(), Rgb(1, 2, 3)},
        {0xFF000000u | Rgb(1, 2, 3), 100.0, Rgb(1, 2, 3)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DensityColor(c.color, c.depth), c.shown) << std::hex << c.color << " " << c.depth;
}
