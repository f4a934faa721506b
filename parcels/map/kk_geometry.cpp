#include "parcels/map/kk_geometry.h"

#include <algorithm>
#include <cmath>

namespace {
// Twice the signed area; positive when the ring turns counter-clockwise in
// the (easting, northing) plane.
double TwiceSignedArea(const MapRing& ring) {
    double sum = 0.0;
    for (size_t i = 0; i + 1 < ring.size(); ++i)
        sum += ring[i].y * ring[i + 1].x - ring[i + 1].y * ring[i].x;
    return sum;
}

} // namespace

MapBounds Bounds(const std::vector<const MapParcel*>& parcels) {
    MapBounds bounds{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const MapParcel* parcel : parcels)
        for (const MapRing& ring : parcel->rings)
            for (const MapPoint& p : ring) {
                bounds.minX = std::min(bounds.minX, p.x);
                bounds.minY = std::min(bounds.minY, p.y);
                bounds.maxX = std::max(bounds.maxX, p.x);
                bounds.maxY = std::max(bounds.maxY, p.y);
            }
    if (bounds.minX > bounds.maxX)
        return MapBounds{0.0, 0.0, 0.0, 0.0};
    return bounds;
}

bool RingHolds(const MapRing& ring, const MapPoint& p) {
    bool inside = false;
    for (size_t i = 0; i + 1 < ring.size(); ++i) {
        const MapPoint& a = ring[i];
        const MapPoint& b = ring[i + 1];
        if ((a.x > p.x) != (b.x > p.x) && p.y < (b.y - a.y) * (p.x - a.x) / (b.x - a.x) + a.y)
            inside = !inside;
    }
    return inside;
}

MapPoint LabelPoint(const MapParcel& parcel) {
    const MapRing& ring = parcel.rings.front();
    double twice = TwiceSignedArea(ring);
    MapPoint centre{0.0, 0.0};
    if (twice != 0.0) {
        for (size_t i = 0; i + 1 < ring.size(); ++i) {
            double f = ring[i].y * ring[i + 1].x - ring[i + 1].y * ring[i].x;
            centre.x += (ring[i].x + ring[i + 1].x) * f;
            centre.y += (ring[i].y + ring[i + 1].y) * f;
        }
        centre.x /= 3.0 * twice;
        centre.y /= 3.0 * twice;
        if (RingHolds(ring, centre))
            return centre;
    } else {
        centre = ring.front();
    }
    // The widest run of a horizontal line through the centroid.
    std::vector<double> crossings;
    for (size_t i = 0; i + 1 < ring.size(); ++i) {
        const MapPoint& a = ring[i];
        const MapPoint& b = ring[i + 1];
        if ((a.x > centre.x) != (b.x > centre.x))
            crossings.push_back((b.y - a.y) * (centre.x - a.x) / (b.x - a.x) + a.y);
    }
    std::sort(crossings.begin(), crossings.end());
    double widest = -1.0;
    for (size_t i = 0; i + 1 < crossings.size(); i += 2)
        if (crossings[i + 1] - crossings[i] > widest) {
            widest = crossings[i + 1] - crossings[i];
            centre.y = (crossings[i] + crossings[i + 1]) / 2.0;
        }
    return centre;
}
