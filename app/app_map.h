// A map as the host program holds it: the parcels' outlines for drawing and
// finding, and one host parcel record per parcel for the library.
#pragma once

#include "host/svy_kk_data.h"
#include "parcels/map/kk_geometry.h"
#include "parcels/map/kk_map.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct AppMap {
    KkMap map;                            // parcels in file order, name, scale
    std::vector<SvyKkData> records;       // one per parcel, in the same order
    std::vector<MapBounds> extents;       // one per parcel
    MapBounds bounds{};                   // of all parcels
    std::vector<std::string> skippedRows; // why each bad CSV row was left out
};

// A map that could not be opened: the file at fault and why, in the
// process's code page.
class MapLoadError : public std::runtime_error {
public:
    MapLoadError(const std::string& file, const std::string& message)
        : std::runtime_error(message), m_file(file) {}
    const std::string& File() const { return m_file; }

private:
    std::string m_file;
};

// Reads a registry map and, when they lie beside it, the code book
// (codes.csv) and its attribute CSV (the map's name with .csv). The code
// book's names replace the host's code names; a 大字 it does not name takes
// the map's 大字名. A bad CSV row is left out and its message kept in
// skippedRows. On any other fault MapLoadError is thrown and the host's code
// names are as they were.
std::unique_ptr<AppMap> LoadAppMap(const std::string& xmlPath);

// Sets a map's extents and bounds from its parcels' rings.
void MeasureAppMap(AppMap& map);
