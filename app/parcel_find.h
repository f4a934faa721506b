// Which parcel lies under a point of the ground.
#pragma once

#include "app/host_map.h"

// The index of the last parcel (the one drawn on top) whose rings hold the
// point by the even-odd rule, or -1.
int ParcelAt(const HostMap& map, const MapPoint& point);
