// The legend beside the painted map: one row per brush with its swatch,
// name, parcel count and total 座標面積, then a row for unmatched parcels.
#pragma once

#include "tools/pictures/map_picture.h"
#include "tools/pictures/picture_canvas.h"

#include <string>

constexpr double kLegendWidth = 520.0;

// Swatches show a hatch's pattern at a spacing of their own, since the map's
// spacing may be wider than a swatch: patterns "<prefix><brush index>".
extern const char* const kLegendPatternPrefix;

// The swatch's line spacing in pixels for a spacing in millimetres.
double LegendSpacing(double spaceMm);

// Height in pixels of the legend of the picture.
double LegendHeight(const MapPicture& picture);

// Draws the legend with its top left corner at (x, y). A brush's swatch takes
// the fill after the brush's map fill in the canvas's fills.
void DrawLegend(const MapPicture& picture, double x, double y, PictureCanvas& canvas);
