#include "app/parcel_find.h"

namespace {
bool Holds(const MapParcel& parcel, const MapPoint& p) {
    bool inside = false;
    for (const MapRing& ring : parcel.rings)
        for (size_t i = 0; i + 1 < ring.size(); ++i) {
            const MapPoint& a = ring[i];
            const MapPoint& b = ring[i + 1];
            if ((a.x > p.x) != (b.x > p.x) && p.y < (b.y - a.y) * (p.x - a.x) / (b.x - a.x) + a.y)
                inside = !inside;
        }
    return inside;
}
} // namespace

int ParcelAt(const HostMap& map, const MapPoint& point) {
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
