// The colour table of the tool's drawing. Hatch colours are numbers in a
// drawing's colour table; the tool has no host drawing, so it draws on one
// with this fixed table of sixteen colours.
#pragma once

#include "host/zel.h"

void FillDrawingColors(ZelAttr& attr);
