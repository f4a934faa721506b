// The legend of the map: each brush of the selected palette with its fill
// and the number of parcels it holds for, and the parcels none holds for.
#pragma once

#include "app/app_map.h"

#include "host/zel.h"
#include "model/palette_box.h"
#include "parcels/fill/map_fill.h"

#include <string>
#include <vector>

struct LegendRow {
    std::string name; // code page 932
    MapFill fill;
    int count = 0;
};

struct Legend {
    bool hasPalette = false; // false: no palette selected, every parcel is unmatched
    std::vector<LegendRow> rows;
    int unmatched = 0;
};

// Asks the library for the brush of every parcel of the map (none: null map).
Legend CountLegend(AppMap* map, CVPaletteBox& box, const ZelAttr& colors);
