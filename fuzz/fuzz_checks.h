// What must hold after any read of any bytes: a known result code, at most
// 100 palettes, and text conditions that end inside their field.
#pragma once

#include "model/palette_box.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

inline void CheckCode(int result, std::initializer_list<int> known) {
    for (int code : known)
        if (result == code)
            return;
    std::abort();
}

inline void CheckPlt(const CVObjPlt& plt) {
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos)
        if (!std::memchr(plt.Brs[pos].ZVal.ZText.Text, '\0', VELMORA_ZTEXT_MAX + 1))
            std::abort();
}

inline void CheckBox(const CVPaletteBox& box) {
    if (box.GetPltCount() > VELMORA_MAX_PLT)
        std::abort();
    for (int pos = 0; pos < box.GetPltCount(); ++pos)
        CheckPlt(*box.GetPlt(pos));
}

// Codes a palette read returns.
constexpr std::initializer_list<int> kPltCodes = {0, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20};
