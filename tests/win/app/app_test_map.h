// Small hand-made maps, palettes and files for the host program's tests.
#pragma once

#include "app/app_map.h"

#include "model/palette_box.h"

#include <fstream>
#include <iterator>
#include <string>

// Adds a parcel with its 現況地目: a rectangle from (east0, north0) to
// (east1, north1) in metres, less the holes given as further rectangles.
void AddRectParcel(AppMap& map, const std::string& chiban, double east0, double north0,
                   double east1, double north1, WORD genkyoChimoku,
                   const std::vector<MapBounds>& holes = {});

// A brush of a 現況地目 palette for one land category code.
CVObjBrs CategoryBrush(const char* name, DWORD code);

// An empty folder of its own under the temporary folder.
std::string TestFolder(const std::string& name);

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
