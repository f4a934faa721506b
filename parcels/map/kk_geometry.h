// Extents and label points of parcel boundaries.
#pragma once

#include "parcels/map/kk_map.h"

// The extent of all rings of all parcels; all zero for a map without parcels.
MapBounds Bounds(const std::vector<const MapParcel*>& parcels);

// Whether the closed ring holds the point, by counting the edges a line from
// the point crosses (even-odd).
bool RingHolds(const MapRing& ring, const MapPoint& p);

// A point inside the parcel's outer ring for its label: the ring's centroid
// when it lies inside, otherwise the middle of the widest horizontal run.
MapPoint LabelPoint(const MapParcel& parcel);
