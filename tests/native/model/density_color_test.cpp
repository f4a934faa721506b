#include "model/density_color.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>(r | (g << 8) | (b << 16));
}

TEST(DensityColor, LightensTowardsWhiteAndCutsTowardsZero) {
    EXPECT_EQ(DensityColor(Rgb(255, 0, 0), 100.0), Rgb(255, 0, 0));
    EXPECT_EQ(DensityColor(Rgb(255, 0, 0), 50.0), Rgb(255, 128, 128));
    EXPECT_EQ(DensityColor(Rgb(12, 34, 56), 0.0), Rgb(255, 255, 255));
    // 255 - (255 - 100) × 0.339 = 255 - 52.545 → 255 - 52 = 203 for each channel of grey 100.
    EXPECT_EQ(DensityColor(Rgb(100, 100, 100), 33.9), Rgb(203, 203, 203));
    // Each channel on its own: blue 0 at 10 % gives 255 - 25 = 230, green 200 gives 255 - 5.
    EXPECT_EQ(DensityColor(Rgb(255, 200, 0), 10.0), Rgb(255, 250, 230));
}

TEST(DensityColor, OutsideZeroToHundredLeavesTheColour) {
    EXPECT_EQ(DensityColor(Rgb(1, 2, 3), 150.0), Rgb(1, 2, 3));
    EXPECT_EQ(DensityColor(Rgb(1, 2, 3), -10.0), Rgb(1, 2, 3));
    EXPECT_EQ(DensityColor(Rgb(1, 2, 3), 100.0000001), Rgb(1, 2, 3));
    EXPECT_EQ(DensityColor(Rgb(1, 2, 3), std::numeric_limits<double>::quiet_NaN()), Rgb(1, 2, 3));
    EXPECT_EQ(DensityColor(0xFF000000u | Rgb(1, 2, 3), 100.0), Rgb(1, 2, 3));
}
} // namespace
