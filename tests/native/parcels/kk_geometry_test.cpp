#include "parcels/map/kk_geometry.h"

#include <gtest/gtest.h>

// An L, 0..10 × 0..10 less 5..10 × 5..10: a line may cross its boundary twice.
const MapRing kEll = {{0, 0}, {10, 0}, {10, 5}, {5, 5}, {5, 10}, {0, 10}, {0, 0}};

TEST(KkGeometry, RingHoldsByEvenOddCrossings) {
    struct Case {
        MapPoint point;
        bool held;
        MapRing ring = kEll;
    };
    const Case cases[] = {
        {{2, 2}, true},      // the corner square
        {{8, 2}, true},      // the foot
        {{2, 8}, true},      // the upright
        {{8, 8}, false},     // the missing quarter
        {{8, -1}, false},    // outside, beside the foot: its line crosses the ring twice
        {{-1, 2}, false},    // outside, no edge spans its coordinate
        {{2, 11}, false},    // outside, beside the upright: both crossings behind it
        {{0, 0}, false, {}}, // a ring of fewer than two points holds nothing
        {{0, 0}, false, {{0, 0}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RingHolds(c.ring, c.point), c.held) << c.point.x << ", " << c.point.y;
}
