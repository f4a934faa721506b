// GDI brushes of parcel fills: a solid brush for paint, a pattern of lines
// for hatching, so that one polygon fill draws either.
#pragma once

#include "parcels/fill/map_fill.h"

#include <windows.h>

// A brush for the fill with hatch lines spacingPixels apart, or null for no
// fill (an unmatched parcel, or a hatch type without a pattern: outline
// only). The caller deletes it.
HBRUSH CreateFillBrush(const MapFill& fill, double spacingPixels);
