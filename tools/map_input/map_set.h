// The parcels of several maps painted as one picture: each keeps its own
// map's 大字 and 地番, and every map must use the same coordinate system.
#pragma once

#include "parcels/attrs/kk_attr.h"
#include "tools/common/progress.h"
#include "parcels/map/kk_map.h"
#include "tools/map_input/map_sources.h"

#include <cstdint>
#include <vector>

struct MapSet {
    std::vector<KkMap> maps;          // the maps' headers, in the order read
    std::vector<MapParcel> parcels;   // the parcels kept
    std::vector<std::uint32_t> mapOf; // each parcel's map, an index into `maps`
    KkParcelKeys leftOut;             // parcels outside the area kept, which attributes may name
};

// Reads every map of the sources, keeping the parcels that reach into `keep`
// when it is given. Maps without parcels are left out, and they and files
// given twice are named on standard error. Throws InputError for a bad map,
// for maps of another coordinate system than the first, and when no map has
// parcels.
MapSet ReadMapSet(MapSources& sources, const MapBounds* keep, Progress& progress);
