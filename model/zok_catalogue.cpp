#include "model/zok_catalogue.h"

namespace {
const WORD kIdOfIndex[VELMORA_ZOK_COUNT] = {200, 300, 100, 101, 107, 102, 103, 104, 105,
                                            201, 106, 400, 401, 500, 501, 502, 301};

const char* const kNameOfIndex[VELMORA_ZOK_COUNT] = {
    "画地No",   "画地名称", "土地種別", "大字",     "小字",      "現況地目",
    "公簿地目", "所有者",   "納税者",   "共有人数", "所有権",    "立会日付",
    "登記日付", "公簿面積", "座標面積", "三斜面積", "不動産番号"};
} // namespace

VelmoraZokKind VelmoraZokKindOf(WORD id) {
    switch (id / 100) {
    case 1:
        return ZOK_KIND_CODE;
    case 2:
        return ZOK_KIND_LONG;
    case 3:
        return ZOK_KIND_TEXT;
    case 4:
        return ZOK_KIND_DATE;
    case 5:
        return ZOK_KIND_REAL;
    default:
        return ZOK_KIND_NONE;
    }
}

WORD VelmoraZokIdFromIndex(unsigned index) {
    return index < VELMORA_ZOK_COUNT ? kIdOfIndex[index] : 0;
}

BYTE VelmoraZokIndexFromId(WORD id) {
    for (int index = 0; index < VELMORA_ZOK_COUNT; ++index)
        if (kIdOfIndex[index] == id)
            return static_cast<BYTE>(index);
    return VELMORA_NO_ZOK;
}

int Velmora_GetZokCnt() {
    return VELMORA_ZOK_COUNT;
}

int Velmora_GetZokName(int index, CString& name) {
    if (static_cast<unsigned>(index) >= VELMORA_ZOK_COUNT)
        return 0;
    name = kNameOfIndex[index];
    return 1;
}

int Velmora_GetZokNameFromID(int id, CString& name) {
    name.Empty();
    if (id >= 0 && id <= 0xFFFF) {
        BYTE index = VelmoraZokIndexFromId(static_cast<WORD>(id));
        if (index != VELMORA_NO_ZOK)
            name = kNameOfIndex[index];
    }
    return name.IsEmpty() ? 0 : 1;
}
