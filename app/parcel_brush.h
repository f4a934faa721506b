// The brush of the box's selected palette that holds for a parcel, as the
// host learns it from the library while it draws, and the fill it gives.
#pragma once

#include "host/zel.h"
#include "model/palette_box.h"
#include "tools/pictures/map_picture.h"

// The position in the selected palette of the brush that holds for the
// parcel, or -1 when none holds or no palette is selected.
int SelBrsPosition(CVPaletteBox& box, SvyKkData& kk);

// A brush's fill: a paint brush's colour lightened by its density, a hatch
// brush's pattern, spacing and colour (a colour number beyond the drawing's
// table is drawn as colour 0).
MapFill FillOf(const CVObjBrs& brs, const ZelAttr& colors);
