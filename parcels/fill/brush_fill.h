// How a brush looks, as the palette editor's brush list shows it: a paint
// brush's colour lightened by its density (the library's rule), and the six
// hatch patterns.
#pragma once

#include "model/density_color.h"

#include <vector>

// The line directions of hatch pattern types 0 to 5 (horizontal, vertical,
// top-left to bottom-right, top-right to bottom-left, cross, diagonal cross),
// in degrees turned clockwise from the horizontal on the page; empty for any
// other type, which has no pattern of its own.
std::vector<int> HatchAngles(int type);

// Hatch spacing on the ground, in metres, of a spacing in millimetres on a
// plan of the given scale (1:scale).
double HatchSpacingOnGround(double spaceMm, int scale);
