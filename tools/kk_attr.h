// A parcel's attributes that a registry map does not carry: land type, land
// categories, persons, dates, registered area and real-estate number.
#pragma once

#include "afx/afxtypes.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct KkAttr {
    WORD tochiShubetsu = 0; // 土地種別 code
    WORD genkyoChimoku = 0; // 現況地目 code
    WORD koboChimoku = 0;   // 公簿地目 code
    std::vector<WORD> owners;
    std::vector<WORD> taxpayers;
    WORD kyoyuNinzu = 0; // 共有人数
    WORD shoyuken = 0;   // 0 none, 1 present
    std::int32_t tachiaiDate = 0;
    std::int32_t tokiDate = 0;
    double koboArea = 0.0;
    std::string fudosanNo; // up to 13 digits
};

struct KkMap;

// Attributes by 地番 (UTF-8).
using KkAttrTable = std::map<std::string, KkAttr>;

// Reads the attribute CSV: a header row naming the columns, then one row per
// parcel keyed by 地番. Every 地番 must be one of the map's; throws InputError
// naming the file and line of the first bad row.
KkAttrTable ReadKkAttrCsv(const std::string& path, const KkMap& map);
