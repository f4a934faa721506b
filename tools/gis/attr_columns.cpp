#include "tools/gis/attr_columns.h"
#include "parcels/attrs/csv_rows.h"
#include "parcels/text/text_codec.h"

#include "model/zok_catalogue.h"

namespace {
std::string ZokName(WORD zty) {
    CString name;
    return Velmora_GetZokNameFromID(zty, name) ? Cp932ToUtf8(name.GetString()) : std::string();
}
} // namespace

std::string CsvColumnOf(WORD zty) {
    switch (zty) {
    case 200:
    case 300:
    case 101:
    case 107:
    case 501:
    case 502:
        return std::string();
    default:
        return ZokName(zty);
    }
}

std::string AttributeField(WORD zty) {
    switch (zty) {
    case 300:
        return u8"地番";
    case 101:
        return u8"大字コード";
    case 107:
        return u8"小字コード";
    default:
        return ZokName(zty);
    }
}

std::vector<std::string> CsvHeader(const std::string& path) {
    CsvReader reader(path);
    CsvRow row;
    return reader.Next(row) ? row.fields : std::vector<std::string>();
}
