// Which parcel lies under a point of the ground.
#pragma once

#include "app/app_map.h"

// The index of the last parcel (the one drawn on top) whose rings hold the
// point by the even-odd rule, or -1.
int ParcelAt(const AppMap& map, const MapPoint& point);
