// The parcels as a GeoPackage: one polygon layer with the map keys, the
// attributes and the brush of each parcel, and the palette's style stored as
// the layer's default, so that QGIS opens the file already coloured.
#pragma once

#include "parcels/attrs/kk_attr.h"
#include "parcels/map/kk_map.h"

#include <string>
#include <vector>

// The layer's name, and its columns that the style reads.
inline const char* const kParcelLayer = u8"筆";
inline const char* const kBrushNoField = u8"ブラシ番号";

struct ParcelFeature {
    const KkMap* map = nullptr;
    const MapParcel* parcel = nullptr;
    const KkAttr* attr = nullptr; // null: the parcel has no row of attributes
    double zahyoArea = 0.0;
    double sansyaArea = 0.0;
    int brush = 0;         // from 1; 0 when no brush holds
    std::string brushName; // UTF-8
    std::string fillColor; // "#rrggbb"
};

struct GpkgStyle {
    std::string name; // UTF-8
    std::string qml;
    std::string sld;
};

// Writes the parcels in order as features 1, 2, ...; `epsg` 0 gives the
// layer no coordinate system. The file is written beside `path` and renamed
// into place; throws std::runtime_error with GDAL's message on failure.
// It lives in the GeoPackage module, which the tool loads by this name.
extern "C" void WriteParcelGpkg(const std::string& path, const std::vector<ParcelFeature>& features,
                                int epsg, const GpkgStyle& style);
