// The host's rounding to a whole number.
#pragma once

#include "velmora_api.h"

// The nearest int, halves away from zero; NaN gives 0 and values beyond the
// int range give its nearest end.
VELMORA_API int _f_round(const double* value);
