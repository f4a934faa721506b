// VELMORA_Z_TYPE: a brush's condition on its palette's attribute. Five
// byte-packed layouts share the attribute ID as their first field.
#pragma once

#include "afx/afxtypes.h"

#include <cstddef>

// Longest text a text condition holds, without its NUL.
constexpr int VELMORA_ZTEXT_MAX = 254;

#pragma pack(push, 1)
struct VELMORA_ZCODE {
    WORD Zty;
    DWORD Code;
};

struct VELMORA_ZLONG {
    WORD Zty;
    DWORD RangeFlg;
    std::int32_t From;
    std::int32_t To;
};

struct VELMORA_ZTEXT {
    WORD Zty;
    char Text[VELMORA_ZTEXT_MAX + 1];
};

// Dates are 32-bit signed seconds since 1970-01-01 00:00 UTC.
struct VELMORA_ZDATE {
    WORD Zty;
    DWORD RangeFlg;
    std::int32_t From;
    std::int32_t To;
};

struct VELMORA_ZREAL {
    WORD Zty;
    DWORD RangeFlg;
    double From;
    double To;
};

union VELMORA_Z_TYPE {
    WORD Zty;
    VELMORA_ZCODE ZCode;
    VELMORA_ZLONG ZLong;
    VELMORA_ZTEXT ZText;
    VELMORA_ZDATE ZDate;
    VELMORA_ZREAL ZReal;
};
#pragma pack(pop)

static_assert(sizeof(VELMORA_ZCODE) == 6, "ZCode layout");
static_assert(sizeof(VELMORA_ZLONG) == 14 && offsetof(VELMORA_ZLONG, To) == 10, "ZLong layout");
static_assert(sizeof(VELMORA_ZTEXT) == 257 && offsetof(VELMORA_ZTEXT, Text) == 2, "ZText layout");
static_assert(sizeof(VELMORA_ZDATE) == 14 && offsetof(VELMORA_ZDATE, From) == 6, "ZDate layout");
static_assert(sizeof(VELMORA_ZREAL) == 22 && offsetof(VELMORA_ZREAL, To) == 14, "ZReal layout");
static_assert(sizeof(VELMORA_Z_TYPE) == sizeof(VELMORA_ZTEXT), "ZText sets the union's size");
