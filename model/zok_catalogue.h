// The attribute catalogue: seventeen parcel attributes, named by index (the
// order shown to the user) or by ID (whose hundreds give the value kind).
#pragma once

#include "afx/afx.h"
#include "velmora_api.h"

constexpr int VELMORA_ZOK_COUNT = 17;
constexpr BYTE VELMORA_NO_ZOK = 255; // index or ID answer for "no attribute"

// Attribute IDs. A free palette has the ID 0 and no attribute.
enum : WORD {
    ZOK_FREE = 0,
    ZOK_TOCHI_SHUBETSU = 100, // 土地種別
    ZOK_OAZA = 101,           // 大字
    ZOK_GENKYO_CHIMOKU = 102, // 現況地目
    ZOK_KOBO_CHIMOKU = 103,   // 公簿地目
    ZOK_SHOYUSHA = 104,       // 所有者
    ZOK_NOZEISHA = 105,       // 納税者
    ZOK_SHOYUKEN = 106,       // 所有権
    ZOK_KOAZA = 107,          // 小字, combined with its 大字
    ZOK_KK_NO = 200,          // 画地No
    ZOK_KYOYU_NINZU = 201,    // 共有人数
    ZOK_KK_NM = 300,          // 画地名称
    ZOK_FUDOSAN_NO = 301,     // 不動産番号
    ZOK_TACHIAI = 400,        // 立会日付
    ZOK_TOKI = 401,           // 登記日付
    ZOK_KOBO_MEN = 500,       // 公簿面積
    ZOK_ZAHYO_MEN = 501,      // 座標面積
    ZOK_SANSYA_MEN = 502,     // 三斜面積
};

// Value kinds, by the hundreds of an attribute ID. The kind also picks the
// layout of a brush's condition (VELMORA_Z_TYPE).
enum VelmoraZokKind {
    ZOK_KIND_NONE = 0,
    ZOK_KIND_CODE = 1,
    ZOK_KIND_LONG = 2,
    ZOK_KIND_TEXT = 3,
    ZOK_KIND_DATE = 4,
    ZOK_KIND_REAL = 5
};

// The kind of any 16-bit ID by its hundreds (0 and IDs of 600 and above give
// none). Inline, so that programs built against the DLL read kinds alike.
inline VelmoraZokKind VelmoraZokKindOf(WORD id) {
    const int hundreds = id / 100;
    return hundreds >= ZOK_KIND_CODE && hundreds <= ZOK_KIND_REAL
               ? static_cast<VelmoraZokKind>(hundreds)
               : ZOK_KIND_NONE;
}

// ID of an attribute index, or 0 for an index beyond the catalogue.
WORD VelmoraZokIdFromIndex(unsigned index);

// Index of an attribute ID, or 255 when the ID is not in the catalogue.
BYTE VelmoraZokIndexFromId(WORD id);

// The host code table (CODE_TBL_*) whose codes a code attribute takes; 0 for
// 所有権, whose two values are listed by position, and for every other ID.
VELMORA_API WORD VelmoraZokCodeTbl(WORD id);

// The texts of 所有権's values 0 (none) and 1 (present).
VELMORA_API const char* VelmoraShoyukenText(DWORD value);

VELMORA_API int Velmora_GetZokCnt();
VELMORA_API int Velmora_GetZokName(int index, CString& name);
VELMORA_API int Velmora_GetZokNameFromID(int id, CString& name);
