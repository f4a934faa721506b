#include "app_test_map.h"

#include <cstring>
#include <filesystem>

namespace {
MapRing Rect(double east0, double north0, double east1, double north1) {
    return MapRing{
        {north0, east0}, {north0, east1}, {north1, east1}, {north1, east0}, {north0, east0}};
}
} // namespace

void AddRectParcel(AppMap& map, const std::string& chiban, double east0, double north0,
                   double east1, double north1, WORD genkyoChimoku,
                   const std::vector<MapBounds>& holes) {
    MapParcel parcel;
    parcel.chiban = chiban;
    parcel.rings.push_back(Rect(east0, north0, east1, north1));
    for (const MapBounds& hole : holes)
        parcel.rings.push_back(Rect(hole.minY, hole.minX, hole.maxY, hole.maxX));
    SvyKkData kk;
    kk.SetNo((DWORD)map.map.parcels.size() + 1);
    kk.SetName(chiban.c_str());
    std::vector<PT> boundary;
    for (const MapPoint& p : parcel.rings.front())
        boundary.push_back(PT(p.x, p.y));
    kk.SetBoundary(boundary);
    SVY_KKDB_ZOKUSEI zoku;
    std::memset(&zoku, 0, sizeof zoku);
    zoku.GenkyoChimoku = genkyoChimoku;
    kk.SetZoku(zoku);
    map.map.parcels.push_back(parcel);
    map.records.push_back(kk);
    MeasureAppMap(map);
}

CVObjBrs CategoryBrush(const char* name, DWORD code) {
    CVObjBrs brush;
    brush.BNm = name;
    brush.ZVal.ZCode.Zty = 102;
    brush.ZVal.ZCode.Code = code;
    return brush;
}

std::string TestFolder(const std::string& name) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / ("velmora_app_" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    return folder.string();
}
