// Brush records. The condition part follows the owning palette's attribute ID,
// not the brush's own condition.
#include "host/record_file.h"
#include "model/brs.h"
#include "model/zok_catalogue.h"
#include "storage/record_codes.h"

#include <cstring>

namespace {
// The fields are packed, so they go by address, never by reference.
bool WriteRange(CFile* file, const void* rangeFlg, const void* from, const void* to, UINT size) {
    return WriteData(file, rangeFlg, sizeof(DWORD)) && WriteData(file, from, size) &&
           WriteData(file, to, size);
}

bool ReadRange(CFile* file, void* rangeFlg, void* from, void* to, UINT size) {
    return ReadData(file, rangeFlg, sizeof(DWORD)) && ReadData(file, from, size) &&
           ReadData(file, to, size);
}

bool WriteCondition(CFile* file, const VELMORA_Z_TYPE& zval, WORD zty) {
    if (!WriteData(file, &zval.Zty, sizeof zval.Zty))
        return false;
    switch (VelmoraZokKindOf(zty)) {
    case ZOK_KIND_CODE:
        return WriteData(file, &zval.ZCode.Code, sizeof zval.ZCode.Code);
    case ZOK_KIND_LONG:
        return WriteRange(file, &zval.ZLong.RangeFlg, &zval.ZLong.From, &zval.ZLong.To,
                          sizeof zval.ZLong.From);
    case ZOK_KIND_TEXT: {
        // Bounded even when the field holds no terminator.
        const char* text = zval.ZText.Text;
        const void* nul = std::memchr(text, '\0', VELMORA_ZTEXT_MAX);
        const int length =
            nul ? static_cast<int>(static_cast<const char*>(nul) - text) : VELMORA_ZTEXT_MAX;
        return WriteCString(file, CString(text, length));
    }
    case ZOK_KIND_DATE:
        return WriteRange(file, &zval.ZDate.RangeFlg, &zval.ZDate.From, &zval.ZDate.To,
                          sizeof zval.ZDate.From);
    case ZOK_KIND_REAL:
        return WriteRange(file, &zval.ZReal.RangeFlg, &zval.ZReal.From, &zval.ZReal.To,
                          sizeof zval.ZReal.From);
    default:
        return true;
    }
}

bool ReadCondition(CFile* file, VELMORA_Z_TYPE& zval, WORD zty) {
    if (!ReadData(file, &zval.Zty, sizeof zval.Zty))
        return false;
    switch (VelmoraZokKindOf(zty)) {
    case ZOK_KIND_CODE:
        return ReadData(file, &zval.ZCode.Code, sizeof zval.ZCode.Code);
    case ZOK_KIND_LONG:
        return ReadRange(file, &zval.ZLong.RangeFlg, &zval.ZLong.From, &zval.ZLong.To,
                         sizeof zval.ZLong.From);
    case ZOK_KIND_TEXT: {
        CString text;
        if (!ReadCString(file, text))
            return false;
        // A longer stored text is cut to what the field holds; the editor
        // never makes one.
        int length = text.GetLength();
        if (length > VELMORA_ZTEXT_MAX)
            length = VELMORA_ZTEXT_MAX;
        std::memcpy(zval.ZText.Text, text.GetString(), length);
        zval.ZText.Text[length] = '\0';
        return true;
    }
    case ZOK_KIND_DATE:
        return ReadRange(file, &zval.ZDate.RangeFlg, &zval.ZDate.From, &zval.ZDate.To,
                         sizeof zval.ZDate.From);
    case ZOK_KIND_REAL:
        return ReadRange(file, &zval.ZReal.RangeFlg, &zval.ZReal.From, &zval.ZReal.To,
                         sizeof zval.ZReal.From);
    default:
        return true;
    }
}

// Written before the tail of every current-layout record; never interpreted.
constexpr DWORD kTailMark = 1;
} // namespace

int CVObjBrs::WriteBrs(CFile* file, WORD zty) {
    if (!WriteData(file, &BFg, sizeof BFg))
        return REC_WRITE | REC_ITEM;
    if (!WriteData(file, &Col, sizeof Col))
        return REC_WRITE | REC_COL;
    if (!WriteData(file, &Hat, sizeof Hat))
        return REC_WRITE | REC_HAT;
    if (!WriteCString(file, BNm))
        return REC_WRITE | REC_BNM;
    if (!WriteCondition(file, ZVal, zty) || !WriteData(file, &kTailMark, sizeof kTailMark) ||
        !WriteData(file, &LayerNo, sizeof LayerNo) ||
        !WriteData(file, &PaintFlg, sizeof PaintFlg) ||
        !WriteData(file, &PaintData, sizeof PaintData) ||
        !WriteData(file, &HatchData, sizeof HatchData))
        return REC_WRITE | REC_ITEM;
    return 0;
}

int CVObjBrs::ReadBrsOld(CFile* file, WORD zty) {
    if (!ReadData(file, &BFg, sizeof BFg))
        return REC_ITEM;
    if (!ReadData(file, &Col, sizeof Col))
        return REC_COL;
    if (!ReadData(file, &Hat, sizeof Hat))
        return REC_HAT;
    if (!ReadCString(file, BNm))
        return REC_BNM;
    if (!ReadCondition(file, ZVal, zty))
        return REC_ITEM;
    return 0;
}

int CVObjBrs::ReadBrs(CFile* file, WORD zty) {
    // A record that ends in the head or at the tail mark leaves the brush as
    // read so far, and the palette goes on with its next slot.
    DWORD tailMark = 0;
    if (ReadBrsOld(file, zty) != 0 || !ReadData(file, &tailMark, sizeof tailMark))
        return 0;
    if (!ReadData(file, &LayerNo, sizeof LayerNo) || !ReadData(file, &PaintFlg, sizeof PaintFlg) ||
        !ReadData(file, &PaintData, sizeof PaintData) ||
        !ReadData(file, &HatchData, sizeof HatchData))
        return REC_ITEM;
    return 0;
}
