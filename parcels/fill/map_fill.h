// How a parcel is filled on a map: the colour and pattern that a brush gives it.
#pragma once

#include "afx/afxtypes.h"

struct MapFill {
    enum Kind { NONE, PAINT, HATCH };
    Kind kind = NONE;
    COLORREF color = 0;   // the paint colour after its density, or the hatch colour
    int hatchType = 0;    // HATCH: pattern type, 0 to 5 drawn, others outlined only
    double spacingMm = 0; // HATCH: line spacing on paper
};
