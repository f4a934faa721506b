// The fill that a brush gives a parcel in the tool's pictures and styles.
#pragma once

#include "parcels/fill/map_fill.h"

#include "host/zel.h"
#include "model/brs.h"

// A paint brush's colour after its density; a hatch brush's pattern,
// spacing and first colour number looked up in `colors` (a number beyond
// the table is colour 0).
MapFill BrushMapFill(const CVObjBrs& brs, const ZelAttr& colors);
