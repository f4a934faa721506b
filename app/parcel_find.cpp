#include "app/parcel_find.h"

#include "parcels/map/kk_geometry.h"

namespace {
// Even-odd over all rings: a hole's ring cancels its outer ring.
bool Holds(const MapParcel& parcel, const MapPoint& p) {
    bool inside = false;
    for (const MapRing& ring : parcel.rings)
        inside ^= RingHolds(ring, p);
    return inside;
}
} // namespace

int ParcelAt(const AppMap& map, const MapPoint& point) {
    for (size_t i = map.map.parcels.size(); i-- > 0;) {
        const MapBounds& extent = map.extents[i];
        if (point.x < extent.minX || point.x > extent.maxX || point.y < extent.minY ||
            point.y > extent.maxY)
            continue;
        if (Holds(map.map.parcels[i], point))
            return (int)i;
    }
    return -1;
}
