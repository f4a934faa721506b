// Where the map lies in its window and which parcel is under a point.
#include "app_test_map.h"

#include "app/map_view.h"
#include "app/map_viewport.h"
#include "app/parcel_find.h"

#include <gtest/gtest.h>

namespace {
TEST(MapViewportTest, FitCentresTheWholeMapInsideTheWindow) {
    MapBounds bounds{-36000.0, -12000.0, -35600.0, -11400.0}; // 400 m north-south, 600 m east-west
    MapViewport view = MapViewport::Fit(bounds, 800, 600);
    double left = view.PixelX(MapPoint{0.0, bounds.minY});
    double right = view.PixelX(MapPoint{0.0, bounds.maxY});
    double top = view.PixelY(MapPoint{bounds.maxX, 0.0});
    double bottom = view.PixelY(MapPoint{bounds.minX, 0.0});
    EXPECT_GT(left, 0.0);
    EXPECT_LT(right, 800.0);
    EXPECT_GT(top, 0.0);
    EXPECT_LT(bottom, 600.0);
    EXPECT_NEAR(left + right, 800.0, 1e-6);
    EXPECT_NEAR(top + bottom, 600.0, 1e-6);
    // North is up: the northern edge lies above the southern one.
    EXPECT_LT(top, bottom);
    // A map of a few centimetres is shown at the closest zoom.
    EXPECT_EQ(MapViewport::Fit(MapBounds{0.0, 0.0, 0.05, 0.05}, 800, 600).pixelsPerMetre, 200.0);
}

TEST(MapViewportTest, ZoomKeepsTheGroundUnderTheCursor) {
    MapViewport view;
    view.pixelsPerMetre = 2.0;
    view.west = 100.0;
    view.north = 500.0;
    MapPoint before = view.Ground(123.0, 45.0);
    view.ZoomAt(123.0, 45.0, 1.25);
    MapPoint after = view.Ground(123.0, 45.0);
    EXPECT_DOUBLE_EQ(view.pixelsPerMetre, 2.5);
    EXPECT_NEAR(after.x, before.x, 1e-9);
    EXPECT_NEAR(after.y, before.y, 1e-9);

    MapPoint under = view.Ground(10.0, 10.0);
    view.Pan(30.0, -20.0);
    MapPoint moved = view.Ground(40.0, -10.0);
    EXPECT_NEAR(moved.x, under.x, 1e-9);
    EXPECT_NEAR(moved.y, under.y, 1e-9);
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

TEST(MapViewTest, WheelZoomsAroundTheCursorDragPansAndTheCursorFindsParcels) {
    AppMap map;
    AddRectParcel(map, "1", 0, 0, 10, 10, 3);
    AddRectParcel(map, "2", 20, 0, 30, 10, 1);
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
    EXPECT_NEAR(view.Viewport().Ground(123, 45).x, fitted.Ground(123, 45).x, 1e-9);
    EXPECT_NEAR(view.Viewport().Ground(123, 45).y, fitted.Ground(123, 45).y, 1e-9);

    MapPoint grabbed = view.Viewport().Ground(50, 60);
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 60));
    ::SendMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(70, 50));
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(70, 50));
    EXPECT_NEAR(view.Viewport().Ground(70, 50).x, grabbed.x, 1e-9);
    EXPECT_NEAR(view.Viewport().Ground(70, 50).y, grabbed.y, 1e-9);

    const MapViewport& v = view.Viewport();
    for (int parcel : {1, 0, -1}) {
        MapPoint middle{5.0, parcel < 0 ? 15.0 : 5.0 + 20.0 * parcel};
        ::SendMessageA(hWnd, WM_MOUSEMOVE, 0,
                       MAKELPARAM((int)v.PixelX(middle), (int)v.PixelY(middle)));
        EXPECT_EQ(view.Hover(), parcel);
    }
    ::DestroyWindow(parent);
}

TEST(ParcelFindTest, PointsFindTheTopmostParcelAndHolesFindNone) {
    AppMap map;
    AddRectParcel(map, "1", 0, 0, 10, 10, 0, {MapBounds{3, 3, 7, 7}});
    AddRectParcel(map, "2", 8, 8, 20, 20, 0);
    EXPECT_EQ(ParcelAt(map, MapPoint{1.0, 1.0}), 0);
    EXPECT_EQ(ParcelAt(map, MapPoint{5.0, 5.0}), -1);
    EXPECT_EQ(ParcelAt(map, MapPoint{9.0, 9.0}), 1);
    EXPECT_EQ(ParcelAt(map, MapPoint{15.0, 2.0}), -1);
    EXPECT_EQ(ParcelAt(AppMap(), MapPoint{0.0, 0.0}), -1);
}
} // namespace
