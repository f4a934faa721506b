// A brush condition of attribute `zty`, laid out as its kind keeps it: a value
// or (when `range`) a range of whole numbers, dates or reals, a code, or a text.
#pragma once

#include "model/z_type.h"
#include "model/zok_catalogue.h"

#include <algorithm>
#include <cstring>
#include <string>

inline VELMORA_Z_TYPE Condition(WORD zty, DWORD range, double from, double to = 0.0,
                                const std::string& text = "") {
    VELMORA_Z_TYPE z;
    std::memset(&z, 0, sizeof z);
    z.Zty = zty;
    const VelmoraZokKind kind = VelmoraZokKindOf(zty);
    if (kind == ZOK_KIND_LONG || kind == ZOK_KIND_DATE) // laid out alike
        z.ZLong = {zty, range, static_cast<std::int32_t>(from), static_cast<std::int32_t>(to)};
    else if (kind == ZOK_KIND_REAL)
        z.ZReal = {zty, range, from, to};
    else if (kind == ZOK_KIND_CODE)
        z.ZCode.Code = static_cast<DWORD>(from);
    else
        std::memcpy(z.ZText.Text, text.data(), std::min(text.size() + 1, sizeof z.ZText.Text));
    return z;
}
