// Which brush of the box's selected palette holds for a parcel, as a client
// learns it from the library while it paints.
#pragma once

#include "model/palette_box.h"

// The position in the selected palette of the brush that holds for the
// parcel, or -1 when none holds or no palette is selected.
int SelBrsPosition(CVPaletteBox& box, SvyKkData& kk);
