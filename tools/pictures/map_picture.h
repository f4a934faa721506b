// What a painted map shows: each parcel with the fill of the brush that
// applies to it, and a legend of the palette's brushes.
#pragma once

#include "parcels/fill/map_fill.h"
#include "parcels/map/kk_map.h"

#include <string>
#include <vector>

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
