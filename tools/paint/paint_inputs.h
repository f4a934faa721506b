// What the commands that paint parcels read alike: the palette named on the
// command line, the attribute CSV with its report on standard error, and
// the 大字 names the maps give.
#pragma once

#include "parcels/attrs/kk_attr.h"
#include "tools/common/progress.h"
#include "tools/common/tool_args.h"
#include "tools/map_input/map_set.h"

#include "model/palette_box.h"

#include <string>

// Selects the palette of --palette NAME or --palette-no N, else keeps the
// box's selected one; InputError when there is no such palette.
void SelectPalette(const ToolArgs& args, const std::string& boxPath, CVPaletteBox& box);

// Refuses, with InputError naming the box, a palette that cannot colour a
// parcel: one without brushes, a free one, or one of an unknown attribute.
void CheckPaintingPalette(CVObjPlt& plt, const std::string& boxPath);

// Reads --attrs, when given, for the parcels of the set (and those it left
// out), printing skipped rows and dates before 1970 to standard error.
KkAttrTable ReadAttributes(const ToolArgs& args, const MapSet& set, Progress& progress);

// A 大字 that the code book does not name takes its name from the map.
void NameOazaFromMaps(const MapSet& set);
