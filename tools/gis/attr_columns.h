// Where the tool's files keep each attribute: the columns of the attribute
// CSV and of the parcel layer that the tool exports.
#pragma once

#include "afx/afxtypes.h"

#include <string>
#include <vector>

// The attribute CSV's column of an attribute that the maps do not give;
// empty for those they give (画地No, 画地名称, 大字, 小字, 座標面積, 三斜面積)
// and for IDs outside the catalogue.
std::string CsvColumnOf(WORD zty);

// The parcel layer's column of an attribute: the attribute CSV's header,
// 地番 for 画地名称, 大字コード for 大字 and 小字コード for 小字 (a 小字 is
// read with its 大字コード), or else the attribute's name. Empty for an ID
// outside the catalogue.
std::string AttributeField(WORD zty);

// The names in the header row of a CSV file (UTF-8 or code page 932).
std::vector<std::string> CsvHeader(const std::string& path);
