#include "parcels/fill/brush_fill.h"

#include <gtest/gtest.h>

namespace {
constexpr COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>(r | (g << 8) | (b << 16));
}

TEST(BrushFill, DensityLightensTowardsWhiteAndCutsTowardsZero) {
    EXPECT_EQ(DensityColor(Rgb(255, 0, 0), 100.0), Rgb(255, 0, 0));
    EXPECT_EQ(DensityColor(Rgb(255, 0, 0), 50.0), Rgb(255, 128, 128));
    EXPECT_EQ(DensityColor(Rgb(12, 34, 56), 0.0), Rgb(255, 255, 255));
    // 255 - (255 - 100) × 0.339 = 255 - 52.545 → 255 - 52 = 203 for each channel of grey 100.
    EXPECT_EQ(DensityColor(Rgb(100, 100, 100), 33.9), Rgb(203, 203, 203));
    // Each channel on its own: blue 0 at 10 % gives 255 - 25 = 230, green 200 gives 255 - 5.
    EXPECT_EQ(DensityColor(Rgb(255, 200, 0), 10.0), Rgb(255, 250, 230));
}

TEST(BrushFill, DensityOutsideZeroToHundredLeavesTheColour) {
    EXPECT_EQ(DensityColor(Rgb(1, 2, 3), 150.0), Rgb(1, 2, 3));
    EXPECT_EQ(DensityColor(Rgb(1, 2, 3), -10.0), Rgb(1, 2, 3));
    EXPECT_EQ(DensityColor(Rgb(1, 2, 3), 100.0000001), Rgb(1, 2, 3));
    EXPECT_EQ(DensityColor(Rgb(1, 2, 3), std::numeric_limits<double>::quiet_NaN()), Rgb(1, 2, 3));
    EXPECT_EQ(DensityColor(0xFF000000u | Rgb(1, 2, 3), 100.0), Rgb(1, 2, 3));
}

TEST(BrushFill, HatchTypesFollowTheSixGdiStyles) {
    EXPECT_EQ(HatchAngles(0), std::vector<int>{0});
    EXPECT_EQ(HatchAngles(1), std::vector<int>{90});
    EXPECT_EQ(HatchAngles(2), std::vector<int>{45});  // top left to bottom right
    EXPECT_EQ(HatchAngles(3), std::vector<int>{135}); // top right to bottom left
    EXPECT_EQ(HatchAngles(4), (std::vector<int>{0, 90}));
    EXPECT_EQ(HatchAngles(5), (std::vector<int>{45, 135}));
    EXPECT_TRUE(HatchAngles(6).empty());
    EXPECT_TRUE(HatchAngles(255).empty());
}

TEST(BrushFill, SpacingOnPaperBecomesGroundAtTheMapScale) {
    EXPECT_DOUBLE_EQ(HatchSpacingOnGround(5.0, 500), 2.5);
    EXPECT_DOUBLE_EQ(HatchSpacingOnGround(2.0, 1000), 2.0);
}
} // namespace
