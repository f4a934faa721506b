// Colour ramps for palettes built from data: a few of the ColorBrewer
// schemes, sequential and diverging ones for ranges, qualitative ones for
// codes and texts.
#pragma once

#include "afx/afxtypes.h"

#include <string>
#include <vector>

// The ramps' names, separated by ", ", for messages.
std::string RampNames();

bool HasRamp(const std::string& name);

// Whether the ramp's colours tell classes apart rather than order them.
bool IsQualitativeRamp(const std::string& name);

// The most classes for which the ramp has colours of its own.
int RampSize(const std::string& name);

// `count` colours of a ramp, red in the lowest byte: the scheme's own colours
// for that many classes (a qualitative ramp's first colours); for fewer
// classes than its shortest scheme, its first colour, then its last; for more
// classes than it has, its colours over again.
std::vector<COLORREF> RampColors(const std::string& name, int count);
