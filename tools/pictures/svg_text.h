// Small pieces of SVG text. Numbers are printed with a fixed precision so the
// same map always gives the same bytes.
#pragma once

#include "afx/afxtypes.h"
#include "tools/pictures/map_picture.h"

#include <string>

// Escapes &, <, > and " for text and attribute values.
std::string SvgEscape(const std::string& utf8);

// "#rrggbb" of a colour whose red is the lowest byte.
std::string SvgColor(COLORREF color);

// A number with two decimals.
std::string SvgNumber(double value);
void AppendSvgNumber(std::string& out, double value);

// The value of a fill attribute for a map fill; `patternId` names the
// pattern a hatch fill refers to.
std::string SvgFillValue(const MapFill& fill, const std::string& patternId);

// The <pattern> element of a hatch fill with line spacing `spacingPx`; empty
// for fills without a pattern.
std::string SvgHatchPattern(const MapFill& fill, const std::string& id, double spacingPx);
