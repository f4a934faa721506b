// The brush-selection rules read plainly, for checking the library's selector:
// per brush the parcel's value is taken from the host again and dates are
// converted to local days every time.
#pragma once

#include "host/svy_kk_data.h"
#include "model/plt.h"

// Position of the brush that applies, or -1.
int ReferenceChoice(const CVObjPlt& plt, const SvyKkData& kk);
