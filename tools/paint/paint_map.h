// The main job: ask the library, parcel by parcel, which brush of the box's
// selected palette applies, and lay out the painted map and its legend.
#pragma once

#include "parcels/attrs/kk_attr.h"
#include "tools/common/progress.h"
#include "tools/map_input/map_set.h"
#include "tools/pictures/map_picture.h"

#include "host/zel.h"
#include "model/palette_box.h"

// The attribution that every picture made from the registry's maps carries.
extern const char* const kMojAttribution;

// The box's selected palette must exist. Hatch colours are looked up in
// `colors`; the picture refers to the set's parcels.
MapPicture PaintMap(const MapSet& set, const KkAttrTable& attrs, CVPaletteBox& box,
                    const ZelAttr& colors, Progress& progress);
