#include "tools/map_input/map_set.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_cut.h"
#include "parcels/map/map_xml.h"

#include <iostream>

MapSet ReadMapSet(MapSources& sources, const MapBounds* keep, Progress& progress) {
    MapSet set;
    std::string name;
    std::unique_ptr<std::istream> in;
    size_t read = 0;
    std::vector<std::string> empty; // maps without parcels
    while (sources.Next(name, in)) {
        MapXmlReader reader(*in, name, keep);
        std::uint32_t index = static_cast<std::uint32_t>(set.maps.size());
        MapParcel parcel;
        size_t before = read;
        while (reader.Next(parcel)) {
            ++read;
            if (progress.Due())
                progress.Show("reading " + name + ": " + std::to_string(read) + " parcels");
            if (parcel.rings.empty()) {
                set.leftOut.AddLeftOut(parcel.oaza, parcel.chiban);
                continue;
            }
            set.parcels.push_back(std::move(parcel));
            set.mapOf.push_back(index);
        }
        // A map without parcels gives neither scale nor coordinate system.
        if (read == before) {
            empty.push_back(name);
            continue;
        }
        const KkMap& header = reader.Header();
        for (const KkMap& earlier : set.maps)
            if (!earlier.crs.empty() && !header.crs.empty() && earlier.crs != header.crs)
                throw InputError(name, 0,
                                 u8"its 座標系 " + QuoteValue(header.crs) + " differs from " +
                                     QuoteValue(earlier.crs) + " of " + earlier.path +
                                     "; paint the maps of one coordinate system together");
        set.maps.push_back(header);
    }
    if (set.maps.empty() && !empty.empty())
        throw InputError(empty.front(), 0,
                         empty.size() == 1 ? u8"the map has no parcels (筆)"
                                           : u8"none of the " + std::to_string(empty.size()) +
                                                 u8" maps has parcels (筆)");
    progress.Clear();
    for (const std::string& note : sources.Notes())
        std::cerr << "velmora: " << note << "\n";
    for (const std::string& map : empty)
        std::cerr << "velmora: " << map << u8": the map has no parcels (筆); left out\n";
    return set;
}
