// The GeoPackage writer, in a module of its own: GDAL and the hundred
// libraries it brings take a tenth of a second and some 30 MB to load, which
// every run of the tool would pay, and only a GeoPackage export needs them.
#pragma once

#include "tools/gis/parcel_gpkg.h"

// WriteParcelGpkg from the module beside the tool, loaded on first use;
// throws std::runtime_error when the module cannot be loaded.
decltype(&WriteParcelGpkg) GpkgWriter();
