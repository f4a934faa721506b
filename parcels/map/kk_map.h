// A parcel map as read from a registry map file: parcels with their codes,
// 地番 and boundary rings, and the map's scale.
#pragma once

#include <string>
#include <vector>

// X is the northing and Y the easting, in metres, as on the registry's plane
// coordinate systems.
struct MapPoint {
    double x;
    double y;
};

// An extent in the maps' coordinates.
struct MapBounds {
    double minX, minY, maxX, maxY;
};

// A closed boundary: the last point repeats the first.
using MapRing = std::vector<MapPoint>;

struct MapParcel {
    std::string id;     // the 筆 element's id
    std::string chiban; // 地番, UTF-8
    unsigned oaza = 0;  // 大字コード
    unsigned chome = 0; // 丁目コード
    unsigned koaza = 0; // 小字コード
    std::string oazaName;
    std::vector<MapRing> rings; // the outer boundary first, then any holes
    int line = 0;               // line of the 筆 element in its file
};

struct KkMap {
    std::string path;
    std::string name;         // 地図名
    std::string municipality; // 市区町村名
    std::string crs;          // 座標系
    int scale = 500;          // 縮尺分母 of the first map sheet
    std::vector<MapParcel> parcels;
};
