// Where the map lies in its window and which parcel is under a point.
#include "app_test_map.h"

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
    MapViewport view;
    for (int i = 0; i < 200; ++i)
        view.ZoomAt(0.0, 0.0, 1.5);
    double most = view.pixelsPerMetre;
    view.ZoomAt(0.0, 0.0, 1.5);
    EXPECT_EQ(view.pixelsPerMetre, most);
    for (int i = 0; i < 400; ++i)
        view.ZoomAt(0.0, 0.0, 1 / 1.5);
    EXPECT_GT(view.pixelsPerMetre, 0.0);
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
