// The small map of the tool's test data with its attributes, painted with a
// palette of small_box.json.
#pragma once

#include "host/sample_drawing.h"
#include "parcels/attrs/kk_attr.h"
#include "parcels/text/read_file.h"
#include "tools/box/box_json.h"
#include "tools/map_input/map_set.h"
#include "tools/paint/paint_map.h"

#include <string>

// A picture it paints points into its map set.
struct SmallMap {
    MapSet set;
    KkAttrTable attrs;

    SmallMap() {
        MapSources sources({std::string(VELMORA_TOOL_TEST_DATA) + "/small_map.xml"});
        Progress progress;
        set = ReadMapSet(sources, nullptr, progress);
        KkParcelKeys keys;
        for (const MapParcel& parcel : set.parcels)
            keys.Add(parcel.oaza, parcel.chiban);
        KkAttrReport report;
        attrs = ReadKkAttrCsv(std::string(VELMORA_TOOL_TEST_DATA) + "/small_map.csv", keys,
                              KkAttrOptions(), report);
    }

    MapPicture Paint(int palette) {
        CVPaletteBox box;
        BoxFromJson("small_box.json",
                    ReadWholeFile(std::string(VELMORA_TOOL_TEST_DATA) + "/small_box.json"), box);
        box.SetSelPNo(palette);
        ZEL drawing;
        FillSampleDrawing(drawing.Attr());
        Progress progress;
        return PaintMap(set, attrs, box, drawing.Attr(), progress);
    }
};
