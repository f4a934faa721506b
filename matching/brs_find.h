// Finding the brush that applies to a parcel: the first brush in use, in list
// order, whose condition on the palette's attribute holds for the parcel.
#pragma once

#include "afx/afx.h"
#include "host/svy_kk_data.h"
#include "model/brs.h"

// Position of the brush among the leading in-use slots of `brs` (255 slots),
// or -1 when none holds. The attribute record is read once, even when no brush
// is in use; values the host hands out on request are asked for per brush.
int FindBrsToKk(WORD zty, const CVObjBrs* brs, const SvyKkData& kk);
