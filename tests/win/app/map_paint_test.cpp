// The map as the host draws it: fills by the brush the library picks for
// each parcel, hatch lines at their spacing on the ground, outlines only
// for unmatched parcels, holes left open.
#include "app_test_map.h"

#include "app/legend.h"
#include "app/map_paint.h"
#include "tests/win/ui/dib_picture.h"

#include "host/sample_drawing.h"

#include <gtest/gtest.h>

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kOutline = RGB(51, 51, 51);

class MapPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillSampleDrawing(m_drawing.Attr());
        m_map.map.scale = 500;
        AddRectParcel(m_map, "1", 0, 0, 10, 10, 3);
        AddRectParcel(m_map, "2", 20, 0, 30, 10, 1);
        AddRectParcel(m_map, "3", 40, 0, 50, 10, 9);
        AddRectParcel(m_map, "4", 60, 0, 70, 10, 3, {MapBounds{3, 63, 7, 67}});

        auto* plt = new CVObjPlt;
        plt->SetZty(102);
        CVObjBrs residence = CategoryBrush("宅地", 3);
        residence.PaintData.Color = RGB(200, 0, 0);
        residence.PaintData.Depth = 50.0;
        plt->AddBrs(0, &residence);
        CVObjBrs paddy = CategoryBrush("田", 1);
        paddy.PaintFlg = 1; // hatch type 0, 2 mm apart: 1 m on the ground at 1:500
        paddy.HatchData.Space[0] = 2.0;
        paddy.HatchData.Color[0] = 3;
        plt->AddBrs(1, &paddy);
        m_box.AddPlt(plt);
        m_box.SetSelPNo(0);
        // 10 pixels a metre; parcel 1 covers pixels 50 to 150 both ways.
        m_view.pixelsPerMetre = 10.0;
        m_view.west = -5.0;
        m_view.north = 15.0;
    }

    void Draw() {
        RECT all = {0, 0, m_picture.Width(), m_picture.Height()};
        DrawParcels(m_picture.Dc(), all, m_map, m_box, m_drawing.Attr(), m_view);
    }

    ZEL m_drawing;
    AppMap m_map;
    CVPaletteBox m_box;
    MapViewport m_view;
    DibPicture m_picture{800, 200};
};

TEST_F(MapPaintTest, FillsOutlinesAndHolesLieWhereTheParcelsAre) {
    Draw();
    // Red at a density of 50 %: each component half way to white, cut
    // towards zero.
    const COLORREF pink = RGB(228, 128, 128);
    const struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {{60, 60, pink},       {140, 140, pink},  {50, 100, kOutline},
                  {40, 100, kWhite},    {460, 60, kWhite}, {450, 100, kOutline},
                  {550, 100, kOutline}, {684, 84, kWhite}, {680, 100, kOutline},
                  {655, 55, pink}};
    for (const auto& p : pixels)
        EXPECT_EQ(m_picture.At(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(MapPaintTest, HatchLinesLieAtTheirSpacingOnTheGroundInTheDrawingsColour) {
    Draw();
    COLORREF blue = m_drawing.Attr().GetColor(3);
    std::vector<int> rows;
    for (int y = 51; y < 150; ++y) {
        COLORREF pixel = m_picture.At(260, y);
        ASSERT_TRUE(pixel == blue || pixel == kWhite) << "row " << y;
        if (pixel == blue)
            rows.push_back(y);
    }
    // 1 m is 10 pixels; the lines keep to the ground, so they meet the
    // parcel's northern and southern edges (rows 50 and 150).
    EXPECT_EQ(rows, (std::vector<int>{60, 70, 80, 90, 100, 110, 120, 130, 140}));
    // Panned by 3 pixels, the lines move with the map.
    m_view.Pan(0, 3);
    Draw();
    EXPECT_EQ(m_picture.At(260, 63), blue);
    EXPECT_EQ(m_picture.At(260, 60), kWhite);
}

TEST_F(MapPaintTest, LegendCountsTheParcelsOfEachBrush) {
    Legend legend = CountLegend(&m_map, m_box, m_drawing.Attr());
    EXPECT_TRUE(legend.hasPalette);
    ASSERT_EQ(legend.rows.size(), 2u);
    EXPECT_EQ(legend.rows[0].count, 2);
    EXPECT_EQ(legend.rows[1].count, 1);
    EXPECT_EQ(legend.unmatched, 1);
    // The library's selection may name a position past the last palette:
    // every parcel is unmatched.
    m_box.SetSelPNo(5);
    legend = CountLegend(&m_map, m_box, m_drawing.Attr());
    EXPECT_FALSE(legend.hasPalette);
    EXPECT_EQ(legend.unmatched, 4);
}

TEST_F(MapPaintTest, ParcelsTouchingTheWindowsEdgesAreAskedForAndNoneBeyond) {
    // The parcels lie from 0 to 70 m east and 0 to 10 m north; the window is
    // 80 × 20 m.
    const struct {
        double west, north;
        int asked;
    } cases[] = {{70.0, 15.0, 1}, {70.5, 15.0, 0}, {-80.0, 15.0, 1}, {-80.5, 15.0, 0},
                 {-5.0, 0.0, 4},  {-5.0, -0.5, 0}, {-5.0, 30.0, 4},  {-5.0, 30.5, 0}};
    for (const auto& c : cases) {
        for (SvyKkData& kk : m_map.records)
            kk.ResetCalls();
        m_view.west = c.west;
        m_view.north = c.north;
        Draw();
        int asked = 0;
        for (SvyKkData& kk : m_map.records)
            asked += kk.Calls().Zoku > 0;
        EXPECT_EQ(asked, c.asked) << c.west << " " << c.north;
    }
}
} // namespace
