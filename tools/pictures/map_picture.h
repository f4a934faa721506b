// What a painted map shows: each parcel with the fill of the brush that
// applies to it, and a legend of the palette's brushes.
#pragma once

#include "afx/afxtypes.h"
#include "tools/map_input/kk_map.h"

#include <string>
#include <vector>

struct MapFill {
    enum Kind { NONE, PAINT, HATCH };
    Kind kind = NONE;
    COLORREF color = 0;   // the paint colour after its density, or the hatch colour
    int hatchType = 0;    // HATCH: pattern type, 0 to 5 drawn, others outlined only
    double spacingMm = 0; // HATCH: line spacing on paper
};

struct MapLegendRow {
    std::string name; // UTF-8
    MapFill fill;
    int count = 0;     // parcels painted
    double area = 0.0; // their total 座標面積, m²
};

struct MapPicture {
    std::string title;              // UTF-8
    std::vector<std::string> notes; // UTF-8 lines under the title
    std::string attribution;        // UTF-8, printed under the picture
    int scale = 500;                // 1:scale, for hatch spacing
    bool labels = true;             // write the 地番 of parcels wide enough for it
    double mapSize = 1200.0;        // pixels of the map's longer side
    bool framed = false;            // draw only `frame`, not the parcels' whole extent
    MapBounds frame{0.0, 0.0, 0.0, 0.0};
    std::vector<const MapParcel*> parcels;
    std::vector<int> fillOfParcel;    // index into fills, -1 for no fill
    std::vector<MapFill> fills;       // one per brush, in palette order
    std::vector<MapLegendRow> legend; // the brushes in order, then the unmatched parcels
};
