// Small hand-made maps and palettes for the host program's tests.
#pragma once

#include "app/app_map.h"

#include "model/palette_box.h"
#include "test_files.h"

#include <string>

// Adds a parcel: a rectangle from (east0, north0) to (east1, north1) in
// metres, with the holes given as further rectangles, and its 現況地目.
void AddRectParcel(AppMap& map, const std::string& chiban, double east0, double north0,
                   double east1, double north1, WORD genkyoChimoku,
                   const std::vector<MapBounds>& holes = {});

// A brush of a 現況地目 palette for one land category code.
CVObjBrs CategoryBrush(const char* name, DWORD code);

// A folder of its own under the temporary folder, emptied first.
std::string TestFolder(const std::string& name);
bool FileExists(const std::string& path);
