// The painted map laid out as a picture: header, map, legend and attribution,
// drawn the same on every canvas.
#pragma once

#include "tools/pictures/map_picture.h"
#include "tools/pictures/picture_canvas.h"

struct MapLayout {
    MapFrame frame;             // where the map lies in the picture
    double mapWidth, mapHeight; // pixels
    double footerTop;           // of the scale bar and attribution under the map
    double width, height;       // of the whole picture, pixels
};

MapLayout LayOutMap(const MapPicture& picture);

void DrawMap(const MapPicture& picture, const MapLayout& layout, PictureCanvas& canvas);
