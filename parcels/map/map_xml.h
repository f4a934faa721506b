// Reader of the registry's map XML (地図XML), one parcel at a time, so that
// memory grows with the parcels a caller keeps rather than with the file.
#pragma once

#include "parcels/map/kk_map.h"

#include <istream>
#include <memory>
#include <string>

class MapXmlReader {
public:
    // `in` must outlive the reader; `path` names the map in messages and in
    // the header. Given `keep`, parcels whose outer ring's extent misses it
    // come without rings, and their geometry is never put together.
    MapXmlReader(std::istream& in, const std::string& path, const MapBounds* keep = nullptr);
    ~MapXmlReader();
    MapXmlReader(const MapXmlReader&) = delete;
    MapXmlReader& operator=(const MapXmlReader&) = delete;

    // The next parcel (筆) in file order; false after the last. Throws
    // InputError naming the file and line of the first fault.
    bool Next(MapParcel& parcel);

    // The map's path, name, municipality, coordinate system and scale, without
    // parcels. The map sheets that give the scale may follow the parcels, so
    // the header is complete once Next has returned false.
    const KkMap& Header() const;

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

// Reads a whole map from a file; throws InputError naming the file and line
// of the first fault.
KkMap ReadMapXml(const std::string& path);
