// A palette as the rules of a GIS style: one rule per brush in list order,
// then one for the parcels that no brush holds for. Renderers of styles try
// every rule, not only until the first that holds, so each brush's rule holds
// only for what no earlier brush takes.
#pragma once

#include "tools/gis/style_filter.h"
#include "tools/pictures/map_picture.h"

#include "host/zel.h"
#include "model/plt.h"

#include <string>
#include <vector>

struct StyleRule {
    std::string name;   // UTF-8
    int brush;          // position from 0; -1 for the parcels no brush holds for
    MapFill fill;       // kind NONE: outline only
    StyleFilter filter; // unused for brush -1, whose rule takes what no other rule takes
};

struct PaletteStyle {
    std::string name; // the palette's name, UTF-8
    std::vector<StyleRule> rules;
};

// Rules on a column that holds each parcel's brush number, from 1.
PaletteStyle BrushNumberStyle(CVObjPlt& plt, const ZelAttr& colors, const std::string& field);

// Rules on the column `field` of the palette's attribute. A field left empty
// (NULL) holds what the library reads for a missing value: 0, the empty text,
// or the date 0. A free palette, or one of an attribute outside the
// catalogue, gets rules that never hold, as the library matches it to nothing.
PaletteStyle AttributeStyle(CVObjPlt& plt, const ZelAttr& colors, const std::string& field);
