#include "parcels/fill/brush_fill.h"
#include "parcels/fill/brush_map_fill.h"

#include "host/sample_drawing.h"

#include <gtest/gtest.h>

constexpr COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>(r | (g << 8) | (b << 16));
}

TEST(BrushFill, HatchTypesAndSpacing) {
    const std::vector<int> angles[] = {{0}, {90}, {45}, {135}, {0, 90}, {45, 135}, {}};
    for (int type = 0; type <= 6; ++type)
        EXPECT_EQ(HatchAngles(type), angles[type]) << type;
    EXPECT_TRUE(HatchAngles(255).empty());
    EXPECT_DOUBLE_EQ(HatchSpacingOnGround(5.0, 500), 2.5);
    EXPECT_DOUBLE_EQ(HatchSpacingOnGround(2.0, 1000), 2.0);
}

// Hatch colours from the drawing's table, its last included; types from the low byte.
TEST(BrushFill, MapFillOfABrush) {
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    CVObjBrs brs; // painted
    brs.PaintData.Color = Rgb(255, 0, 0);
    brs.PaintData.Depth = 50.0;
    MapFill paint = BrushMapFill(brs, drawing.Attr());
    EXPECT_TRUE(paint.kind == MapFill::PAINT && paint.color == Rgb(255, 128, 128));
    brs.PaintFlg = 1;
    brs.HatchData.Space[0] = 2.5;
    for (auto [stored, type] : {std::pair<WORD, int>{0x0105, 5}, {0x0080, 128}, {0x00FF, 255}}) {
        brs.HatchData.Type = stored;
        EXPECT_EQ(BrushMapFill(brs, drawing.Attr()).hatchType, type) << stored;
    }
    const int count = drawing.Attr().GetColorCnt();
    for (int number : {1, count - 1, count, 255}) {
        brs.HatchData.Color[0] = static_cast<BYTE>(number);
        MapFill hatch = BrushMapFill(brs, drawing.Attr());
        EXPECT_TRUE(hatch.kind == MapFill::HATCH && hatch.spacingMm == 2.5) << number;
        EXPECT_EQ(hatch.color, drawing.Attr().GetColor(number < count ? number : 0)) << number;
    }
}
