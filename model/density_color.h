// The colour a paint brush shows: its paint colour lightened by its density.
// The brush list and both clients' maps show the same colour.
#pragma once

#include "afx/afxtypes.h"
#include "velmora_api.h"

// The paint colour at a density in percent: each component moves towards
// white as 255 - (255 - c) * depth / 100, cut towards zero; a density outside
// 0 to 100 leaves the colour unchanged. Red is the lowest byte; the top byte
// of the result is 0.
VELMORA_API COLORREF DensityColor(COLORREF color, double depth);
