// QGIS layer styles (.qml): a rule-based renderer with one rule per brush,
// in the palette's order, and a last rule for the parcels no brush holds for.
#pragma once

#include "tools/gis/palette_rules.h"

#include <string>

// The filter as a QGIS expression.
std::string QgisExpression(const StyleFilter& filter);

std::string WriteQml(const PaletteStyle& style);
