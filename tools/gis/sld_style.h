// OGC Styled Layer Descriptor 1.1 with Symbology Encoding 1.1: the same
// rules as a QGIS style, for servers and other clients. Hatches are written
// as the rotated line marks that QGIS reads back as line hatches.
#pragma once

#include "tools/gis/palette_rules.h"

#include <string>

// `layer` names the layer the style is for.
std::string WriteSld(const PaletteStyle& style, const std::string& layer);
