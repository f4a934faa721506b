// What the commands that paint parcels read alike: the maps, the palette box
// and its palette, the attribute CSV with its report on standard error, the
// code book, and the 大字 names the maps give.
#pragma once

#include "parcels/attrs/kk_attr.h"
#include "tools/common/progress.h"
#include "tools/common/tool_args.h"
#include "tools/map_input/map_set.h"

#include "model/palette_box.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The command line of paint and export: what both take, and in `args` every
// option, --palette and --palette-no and those of the command alone among them.
struct PaintArgs {
    ToolArgs args;
    std::vector<std::string> maps;
    std::string out;                  // -o
    std::string box;                  // --box
    bool oldBox;                      // --old: brushes in the older layout
    std::optional<std::string> codes; // --codes
    std::optional<std::string> attrs; // --attrs
    bool skipBadRows;                 // --skip-bad-rows
};

// Reads the words of `command`, which takes the shared options and `valued`
// and `flags` of its own. `checkOwn` checks -o and the command's own options
// after the maps, --box and -o are known to be there; UsageError for wrong
// arguments.
PaintArgs ReadPaintArgs(const std::vector<std::string>& words, const std::string& command,
                        const std::set<std::string>& valued, const std::set<std::string>& flags,
                        const std::function<void(const ToolArgs&)>& checkOwn);

// Reads --codes when given, then the box, and selects its palette.
void ReadCodesAndBox(const PaintArgs& in, CVPaletteBox& box);

// Selects the palette of --palette NAME or --palette-no N, else keeps the
// box's selected one; InputError when there is no such palette.
void SelectPalette(const ToolArgs& args, const std::string& boxPath, CVPaletteBox& box);

// Refuses, with InputError naming the box, a palette that cannot colour a
// parcel: one without brushes, a free one, or one of an unknown attribute.
void CheckPaintingPalette(CVObjPlt& plt, const std::string& boxPath);

// Reads --attrs, when given, for the parcels, and for those that `keys` holds
// as left out, printing skipped rows and dates before 1970 to standard error.
KkAttrTable ReadAttributes(const PaintArgs& in, const std::vector<MapParcel>& parcels,
                           KkParcelKeys keys, Progress& progress);

// A 大字 that the code book does not name takes its name from the map.
void NameOazaFromMaps(const MapSet& set);
