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
    case ZOK_KK_NO:
    case ZOK_KK_NM:
    case ZOK_OAZA:
    case ZOK_KOAZA:
    case ZOK_ZAHYO_MEN:
    case ZOK_SANSYA_MEN:
        return std::string();
    default:
        return ZokName(zty);
    }
}

std::string AttributeField(WORD zty) {
    switch (zty) {
    case ZOK_KK_NM:
        return u8"地番";
    case ZOK_OAZA:
        return u8"大字コード";
    case ZOK_KOAZA:
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
