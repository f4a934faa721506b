// The legend beside the painted map: one row per brush with its swatch,
// name, parcel count and total 座標面積, then a row for unmatched parcels.
#pragma once

#include "tools/map_picture.h"

#include <string>

constexpr double kLegendWidth = 520.0;

// Height in pixels of the legend of the picture.
double LegendHeight(const MapPicture& picture);

// SVG elements of the legend with its top left corner at (x, y). Swatches of
// hatch brushes use the patterns "h<brush index>".
std::string DrawLegend(const MapPicture& picture, double x, double y);
