// Owner mark and result codes of the brush, palette and palette-box records.
// Storage results are 0 on success and otherwise name the item that failed;
// a write code is the read code of the same item with 0x100 added.
#pragma once

#include "afx/afxtypes.h"

// Marks the start of a palette record and of the palette-box file.
constexpr WORD VELMORA_OWN_NO = 5004;

enum : int {
    REC_OWN_NO = 0x01,   // owner mark of a palette
    REC_ITEM = 0x02,     // BFg, a condition item or an item of the brush's tail
    REC_COL = 0x04,      // Col
    REC_HAT = 0x08,      // Hat
    REC_BNM = 0x10,      // BNm
    REC_PLT_HEAD = 0x20, // palette name or attribute ID
    REC_WRITE = 0x100,   // added to the item's code when writing failed
};

enum : int {
    BOX_FILE_FAILED = 0x10001, // folder, file or the file's owner mark
    BOX_HEAD_WRITE_FAILED = 0x140,
    BOX_HEAD_READ_FAILED = 2, // also a palette count outside 0 to 100
};
