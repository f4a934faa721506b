#include "parcels/fill/brush_fill.h"

#include <gtest/gtest.h>

namespace {
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
