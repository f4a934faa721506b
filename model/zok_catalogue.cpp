#include "model/zok_catalogue.h"
#include "host/code_book.h"

namespace {
struct ZOK_ROW {
    WORD id;
    const char* name;
    WORD codeTbl; // 0: the attribute takes no host code table
};

// One row per attribute, in index order.
const ZOK_ROW kRows[VELMORA_ZOK_COUNT] = {
    {ZOK_KK_NO, "画地No", 0},
    {ZOK_KK_NM, "画地名称", 0},
    {ZOK_TOCHI_SHUBETSU, "土地種別", CODE_TBL_TOCHI_SHUBETSU},
    {ZOK_OAZA, "大字", CODE_TBL_OAZA},
    {ZOK_KOAZA, "小字", CODE_TBL_KOAZA},
    {ZOK_GENKYO_CHIMOKU, "現況地目", CODE_TBL_CHIMOKU},
    {ZOK_KOBO_CHIMOKU, "公簿地目", CODE_TBL_CHIMOKU},
    {ZOK_SHOYUSHA, "所有者", CODE_TBL_PERSON},
    {ZOK_NOZEISHA, "納税者", CODE_TBL_PERSON},
    {ZOK_KYOYU_NINZU, "共有人数", 0},
    {ZOK_SHOYUKEN, "所有権", 0},
    {ZOK_TACHIAI, "立会日付", 0},
    {ZOK_TOKI, "登記日付", 0},
    {ZOK_KOBO_MEN, "公簿面積", 0},
    {ZOK_ZAHYO_MEN, "座標面積", 0},
    {ZOK_SANSYA_MEN, "三斜面積", 0},
    {ZOK_FUDOSAN_NO, "不動産番号", 0},
};

const ZOK_ROW* RowOf(WORD id) {
    for (const ZOK_ROW& row : kRows)
        if (row.id == id)
            return &row;
    return nullptr;
}
} // namespace

WORD VelmoraZokIdFromIndex(unsigned index) {
    return index < VELMORA_ZOK_COUNT ? kRows[index].id : 0;
}

BYTE VelmoraZokIndexFromId(WORD id) {
    const ZOK_ROW* row = RowOf(id);
    return row ? static_cast<BYTE>(row - kRows) : VELMORA_NO_ZOK;
}

WORD VelmoraZokCodeTbl(WORD id) {
    const ZOK_ROW* row = RowOf(id);
    return row ? row->codeTbl : 0;
}

const char* VelmoraShoyukenText(DWORD value) {
    return value ? "有り" : "無し";
}

int Velmora_GetZokCnt() {
    return VELMORA_ZOK_COUNT;
}

int Velmora_GetZokName(int index, CString& name) {
    if (static_cast<unsigned>(index) >= VELMORA_ZOK_COUNT)
        return 0;
    name = kRows[index].name;
    return 1;
}

int Velmora_GetZokNameFromID(int id, CString& name) {
    name.Empty();
    if (id >= 0 && id <= 0xFFFF) {
        const ZOK_ROW* row = RowOf(static_cast<WORD>(id));
        if (row)
            name = row->name;
    }
    return name.IsEmpty() ? 0 : 1;
}
