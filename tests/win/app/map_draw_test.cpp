// The map as the host shows it, and which parcel is under a point.
#include "app_test_map.h"

#include "app/fill_brush.h"
#include "app/legend.h"
#include "app/map_paint.h"
#include "app/map_view.h"
#include "app/map_viewport.h"
#include "app/parcel_find.h"
#include "tests/win/ui/dib_picture.h"

#include "host/sample_drawing.h"
#include "model/zok_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
const COLORREF kWhite = RGB(255, 255, 255), kOutline = RGB(51, 51, 51), kRed = RGB(255, 0, 0);

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
        plt->SetZty(ZOK_GENKYO_CHIMOKU);
        CVObjBrs residence = CategoryBrush("宅地", 3);
        residence.PaintData = {RGB(200, 0, 0), 50.0};
        plt->AddBrs(0, &residence);
        CVObjBrs paddy = CategoryBrush("田", 1);
        paddy.PaintFlg = 1; // hatch type 0, 2 mm apart: 1 m on the ground at 1:500
        paddy.HatchData.Space[0] = 2.0;
        paddy.HatchData.Color[0] = 3;
        plt->AddBrs(1, &paddy);
        m_box.AddPlt(plt);
        m_box.SetSelPNo(0);
    }

    void Draw() {
        RECT all = {0, 0, m_picture.Width(), m_picture.Height()};
        DrawParcels(m_picture.Dc(), all, m_map, m_box, m_drawing.Attr(), m_view);
    }

    ZEL m_drawing;
    AppMap m_map;
    CVPaletteBox m_box;
    MapViewport m_view{10.0, -5.0, 15.0}; // parcel 1 covers pixels 50 to 150 both ways
    DibPicture m_picture{800, 200};
};

TEST_F(MapPaintTest, FillsOutlinesAndHolesLieWhereTheParcelsAre) {
    Draw();
    // Red at a density of 50 %: half way to white, cut towards zero.
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
    // 1 m apart on the ground, meeting the parcel's edges (rows 50 and 150).
    EXPECT_EQ(rows, (std::vector<int>{60, 70, 80, 90, 100, 110, 120, 130, 140}));
    m_view.Pan(0, 3);
    Draw();
    EXPECT_TRUE(m_picture.At(260, 63) == blue && m_picture.At(260, 60) == kWhite);
}

TEST_F(MapPaintTest, LegendCountsTheParcelsOfEachBrush) {
    Legend legend = CountLegend(&m_map, m_box, m_drawing.Attr());
    ASSERT_TRUE(legend.hasPalette && legend.rows.size() == 2u);
    EXPECT_EQ(std::vector<int>({legend.rows[0].count, legend.rows[1].count, legend.unmatched}),
              std::vector<int>({2, 1, 1}));
    // The library's selection may lie past the last palette: nothing matches.
    m_box.SetSelPNo(5);
    legend = CountLegend(&m_map, m_box, m_drawing.Attr());
    EXPECT_FALSE(legend.hasPalette);
    EXPECT_EQ(legend.unmatched, 4);
}

TEST_F(MapPaintTest, ParcelsTouchingTheWindowsEdgesAreAskedForAndNoneBeyond) {
    // The parcels lie 0 to 70 m east, 0 to 10 m north; the window is 80 × 20 m.
    const struct {
        double west, north;
        int asked;
    } cases[] = {{70.0, 15.0, 1}, {70.5, 15.0, 0}, {-80.0, 15.0, 1}, {-80.5, 15.0, 0},
                 {-5.0, 0.0, 4},  {-5.0, -0.5, 0}, {-5.0, 30.0, 4},  {-5.0, 30.5, 0}};
    for (const auto& c : cases) {
        for (SvyKkData& kk : m_map.records)
            kk.ResetCalls();
        m_view = {10.0, c.west, c.north};
        Draw();
        int asked = 0;
        for (SvyKkData& kk : m_map.records)
            asked += kk.Calls().Zoku > 0;
        EXPECT_EQ(asked, c.asked) << c.west << " " << c.north;
    }
}

MapFill Hatch(int type) {
    return MapFill{MapFill::HATCH, kRed, type, 0.0};
}

void FillWith(DibPicture& picture, const MapFill& fill, double spacing) {
    HBRUSH brush = CreateFillBrush(fill, spacing);
    ASSERT_NE(brush, nullptr) << fill.hatchType << " " << spacing;
    picture.Fill(RGB(0, 255, 0));
    RECT all = {0, 0, picture.Width(), picture.Height()};
    ::SetBrushOrgEx(picture.Dc(), 0, 0, nullptr);
    ::FillRect(picture.Dc(), &all, brush);
    ::DeleteObject(brush);
}

TEST(FillBrushTest, EachPatternTypeDrawsItsLinesAtTheSpacing) {
    // Diagonal lines 10 pixels apart cross a row every 14 pixels (10 × √2).
    const struct {
        int type;
        bool (*onLine)(int x, int y);
    } cases[] = {
        {0, [](int, int y) { return y % 10 == 0; }},
        {1, [](int x, int) { return x % 10 == 0; }},
        {2, [](int x, int y) { return (x - y + 140) % 14 == 0; }},
        {3, [](int x, int y) { return (x + y) % 14 == 13; }},
        {4, [](int x, int y) { return x % 10 == 0 || y % 10 == 0; }},
        {5, [](int x, int y) { return (x - y + 140) % 14 == 0 || (x + y) % 14 == 13; }},
    };
    DibPicture picture(56, 56);
    for (const auto& c : cases) {
        FillWith(picture, Hatch(c.type), 10.0);
        for (int y = 0; y < 56; ++y)
            for (int x = 0; x < 56; ++x)
                ASSERT_EQ(picture.At(x, y), c.onLine(x, y) ? kRed : kWhite)
                    << "type " << c.type << " at " << x << "," << y;
    }
    EXPECT_EQ(CreateFillBrush(Hatch(6), 10.0), nullptr);
    EXPECT_EQ(CreateFillBrush(MapFill(), 10.0), nullptr);
}

TEST(FillBrushTest, LinesLieFromTwoTo4096PixelsApartWhateverTheSpacing) {
    const struct {
        double spacing;
        int period;
    } cases[] = {{-3.0, 2}, {0.0, 2}, {0.4, 2},    {std::nan(""), 2},
                 {2.0, 2},  {3.4, 3}, {1e12, 4096}};
    DibPicture picture(1, 4100);
    for (const auto& c : cases) {
        FillWith(picture, Hatch(0), c.spacing);
        for (int y : {0, 1, c.period / 2, c.period - 1, c.period})
            EXPECT_EQ(picture.At(0, y) == kRed, y % c.period == 0) << c.spacing << " row " << y;
    }
}
TEST(MapViewportTest, FitCentresTheWholeMapNorthUpInsideTheWindow) {
    MapBounds bounds{-36000.0, -12000.0, -35600.0, -11400.0}; // 400 m north-south, 600 m east-west
    MapViewport view = MapViewport::Fit(bounds, 800, 600);
    double left = view.PixelX(MapPoint{0.0, bounds.minY});
    double top = view.PixelY(MapPoint{bounds.maxX, 0.0});
    EXPECT_TRUE(left > 0.0 && top > 0.0) << left << " " << top;
    EXPECT_NEAR(left + view.PixelX(MapPoint{0.0, bounds.maxY}), 800.0, 1e-6);
    EXPECT_NEAR(top + view.PixelY(MapPoint{bounds.minX, 0.0}), 600.0, 1e-6);
    // A map of a few centimetres is shown at the closest zoom.
    EXPECT_EQ(MapViewport::Fit(MapBounds{0.0, 0.0, 0.05, 0.05}, 800, 600).pixelsPerMetre, 200.0);
}

TEST(MapViewportTest, ZoomStopsAtItsLimits) {
    const struct {
        double from, factor, to;
    } cases[] = {{100.0, 2.0, 200.0}, {150.0, 1.5, 200.0}, {2e-4, 0.5, 1e-4}, {2e-4, 0.25, 1e-4}};
    for (const auto& c : cases) {
        MapViewport view{c.from};
        view.ZoomAt(0.0, 0.0, c.factor);
        EXPECT_DOUBLE_EQ(view.pixelsPerMetre, c.to) << c.from << " × " << c.factor;
    }
}

void ExpectSameGround(const MapPoint& a, const MapPoint& b) {
    EXPECT_NEAR(std::abs(a.x - b.x) + std::abs(a.y - b.y), 0.0, 1e-9);
}

TEST_F(MapPaintTest, WheelZoomsAroundTheCursorAndDragPans) {
    HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, 400, 300, nullptr, nullptr,
                                    nullptr, nullptr);
    MapView view;
    HWND hWnd = view.Create(parent, 1);
    ::SetWindowPos(hWnd, nullptr, 0, 0, 400, 300, SWP_NOZORDER);
    view.SetContent(&m_map, &m_box, &m_drawing.Attr());
    const MapViewport fitted = view.Viewport();

    // Two notches towards the user zoom out by 1.25 each, at a screen point.
    POINT at{123, 45};
    ::ClientToScreen(hWnd, &at);
    ::SendMessageA(hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(-2 * WHEEL_DELTA)),
                   MAKELPARAM(at.x, at.y));
    EXPECT_DOUBLE_EQ(view.Viewport().pixelsPerMetre, fitted.pixelsPerMetre / 1.5625);
    ExpectSameGround(view.Viewport().Ground(123, 45), fitted.Ground(123, 45));

    MapPoint grabbed = view.Viewport().Ground(50, 60);
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 60));
    ::SendMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(70, 50));
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(70, 50));
    ExpectSameGround(view.Viewport().Ground(70, 50), grabbed);
    ::DestroyWindow(parent);
}

TEST(ParcelFindTest, PointsFindTheTopmostParcelAndHolesFindNone) {
    AppMap map;
    AddRectParcel(map, "1", 0, 0, 10, 10, 0, {MapBounds{3, 3, 7, 7}});
    AddRectParcel(map, "2", 8, 8, 20, 20, 0);
    const struct {
        double east, north;
        int parcel;
    } cases[] = {{1, 1, 0}, {5, 5, -1}, {9, 9, 1}, {2, 15, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(ParcelAt(map, MapPoint{c.north, c.east}), c.parcel) << c.east << "," << c.north;
}
} // namespace
