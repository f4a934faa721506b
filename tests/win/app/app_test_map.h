// Small hand-made maps and palettes for the host program's tests.
#pragma once

#include "app/app_map.h"
#include "parcels/attrs/kk_record.h"

#include "model/palette_box.h"
#include "model/zok_catalogue.h"

#include <string>
#include <vector>

// A parcel with its 現況地目: a rectangle in metres, less the holes.
inline void AddRectParcel(AppMap& map, const std::string& chiban, double east0, double north0,
                          double east1, double north1, WORD genkyoChimoku,
                          const std::vector<MapBounds>& holes = {}) {
    auto rect = [](double e0, double n0, double e1, double n1) {
        return MapRing{{n0, e0}, {n0, e1}, {n1, e1}, {n1, e0}, {n0, e0}};
    };
    MapParcel parcel;
    parcel.chiban = chiban;
    parcel.rings.push_back(rect(east0, north0, east1, north1));
    for (const MapBounds& hole : holes)
        parcel.rings.push_back(rect(hole.minY, hole.minX, hole.maxY, hole.maxX));
    KkAttr attr;
    attr.genkyoChimoku = genkyoChimoku;
    SvyKkData kk;
    FillKkRecord(map.map, parcel, static_cast<DWORD>(map.map.parcels.size() + 1), &attr, kk);
    map.map.parcels.push_back(parcel);
    map.records.push_back(kk);
    MeasureAppMap(map);
}

inline CVObjBrs CategoryBrush(const char* name, DWORD code) {
    CVObjBrs brush;
    brush.BNm = name;
    brush.ZVal.ZCode.Zty = ZOK_GENKYO_CHIMOKU;
    brush.ZVal.ZCode.Code = code;
    return brush;
}
