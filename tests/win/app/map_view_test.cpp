// Where the map lies in its window and which parcel is under a point.
#include "app_test_map.h"

#include "app/map_view.h"
#include "app/map_viewport.h"
#include "app/parcel_find.h"

#include <gtest/gtest.h>

namespace {
TEST(MapViewportTest, FitCentresTheWholeMapNorthUpInsideTheWindow) {
    MapBounds bounds{-36000.0, -12000.0, -35600.0, -11400.0}; // 400 m north-south, 600 m east-west
    MapViewport view = MapViewport::Fit(bounds, 800, 600);
    double left = view.PixelX(MapPoint{0.0, bounds.minY});
    double right = view.PixelX(MapPoint{0.0, bounds.maxY});
    double top = view.PixelY(MapPoint{bounds.maxX, 0.0});
    double bottom = view.PixelY(MapPoint{bounds.minX, 0.0});
    EXPECT_GT(left, 0.0);
    EXPECT_NEAR(left + right, 800.0, 1e-6);
    EXPECT_GT(top, 0.0);
    EXPECT_NEAR(top + bottom, 600.0, 1e-6);
    // A map of a few centimetres is shown at the closest zoom.
    EXPECT_EQ(MapViewport::Fit(MapBounds{0.0, 0.0, 0.05, 0.05}, 800, 600).pixelsPerMetre, 200.0);
}

TEST(MapViewportTest, ZoomStopsAtItsLimits) {
    const struct {
        double from, factor, to;
    } cases[] = {{100.0, 2.0, 200.0}, {150.0, 1.5, 200.0}, {2e-4, 0.5, 1e-4}, {2e-4, 0.25, 1e-4}};
    for (const auto& c : cases) {
        MapViewport view;
        view.pixelsPerMetre = c.from;
        view.ZoomAt(0.0, 0.0, c.factor);
        EXPECT_DOUBLE_EQ(view.pixelsPerMetre, c.to) << c.from << " × " << c.factor;
    }
}

void ExpectSameGround(const MapPoint& a, const MapPoint& b) {
    EXPECT_NEAR(a.x, b.x, 1e-9);
    EXPECT_NEAR(a.y, b.y, 1e-9);
}

TEST(MapViewTest, WheelZoomsAroundTheCursorAndDragPans) {
    AppMap map;
    AddRectParcel(map, "1", 0, 0, 10, 10, 3);
    CVPaletteBox box;
    ZEL drawing;
    HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, 400, 300, nullptr, nullptr,
                                    nullptr, nullptr);
    MapView view;
    HWND hWnd = view.Create(parent, 1);
    ::SetWindowPos(hWnd, nullptr, 0, 0, 400, 300, SWP_NOZORDER);
    view.SetContent(&map, &box, &drawing.Attr());
    const MapViewport fitted = view.Viewport();

    // Two notches towards the user zoom out by 1.25 each; the wheel's point
    // comes in screen coordinates.
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
