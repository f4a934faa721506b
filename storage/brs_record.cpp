// Brush records (storage/record_format.h). The condition part follows the
// owning palette's attribute ID, not the brush's own condition.
#include "host/record_file.h"
#include "model/brs.h"
#include "model/zok_catalogue.h"
#include "storage/record_codes.h"
#include "storage/record_format.h"
#include "storage/record_read.h"

#include <cstring>

namespace {
// The fields are packed, so they go by address, never by reference.
bool WriteRange(CFile* file, const void* rangeFlg, const void* from, const void* to, UINT size) {
    return WriteData(file, rangeFlg, sizeof(DWORD)) && WriteData(file, from, size) &&
           WriteData(file, to, size);
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
    if (!WriteCondition(file, ZVal, zty) || !WriteData(file, &kBrsTailMark, sizeof kBrsTailMark) ||
        !WriteData(file, &LayerNo, sizeof LayerNo) ||
        !WriteData(file, &PaintFlg, sizeof PaintFlg) ||
        !WriteData(file, &PaintData, sizeof PaintData) ||
        !WriteData(file, &HatchData, sizeof HatchData))
        return REC_WRITE | REC_ITEM;
    return 0;
}

namespace {
template <class Items>
bool ReadRange(Items& items, void* rangeFlg, void* from, void* to, UINT size) {
    return items.Data(rangeFlg, sizeof(DWORD)) && items.Data(from, size) && items.Data(to, size);
}

template <class Items> bool ReadCondition(Items& items, VELMORA_Z_TYPE& zval, VelmoraZokKind kind) {
    if (!items.Data(&zval.Zty, sizeof zval.Zty))
        return false;
    switch (kind) {
    case ZOK_KIND_CODE:
        return items.Data(&zval.ZCode.Code, sizeof zval.ZCode.Code);
    case ZOK_KIND_LONG:
        return ReadRange(items, &zval.ZLong.RangeFlg, &zval.ZLong.From, &zval.ZLong.To,
                         sizeof zval.ZLong.From);
    case ZOK_KIND_TEXT:
        // A longer stored text is cut to what the field holds; the editor
        // never makes one.
        return items.Text(zval.ZText.Text, VELMORA_ZTEXT_MAX);
    case ZOK_KIND_DATE:
        return ReadRange(items, &zval.ZDate.RangeFlg, &zval.ZDate.From, &zval.ZDate.To,
                         sizeof zval.ZDate.From);
    case ZOK_KIND_REAL:
        return ReadRange(items, &zval.ZReal.RangeFlg, &zval.ZReal.From, &zval.ZReal.To,
                         sizeof zval.ZReal.From);
    default:
        return true;
    }
}
} // namespace

template <class Items> int ReadBrsHead(CVObjBrs& brs, Items& items, VelmoraZokKind kind) {
    if (!items.Data(&brs.BFg, sizeof brs.BFg))
        return REC_ITEM;
    if (!items.Data(&brs.Col, sizeof brs.Col))
        return REC_COL;
    if (!items.Data(&brs.Hat, sizeof brs.Hat))
        return REC_HAT;
    if (!items.Text(brs.BNm))
        return REC_BNM;
    if (!ReadCondition(items, brs.ZVal, kind))
        return REC_ITEM;
    return 0;
}

template <class Items> int ReadBrsWhole(CVObjBrs& brs, Items& items, VelmoraZokKind kind) {
    // A record that ends in the head or at the tail mark leaves the brush as
    // read so far, and the palette goes on with its next slot.
    DWORD tailMark = 0;
    if (ReadBrsHead(brs, items, kind) != 0 || !items.Data(&tailMark, sizeof tailMark))
        return 0;
    if (!items.Data(&brs.LayerNo, sizeof brs.LayerNo) ||
        !items.Data(&brs.PaintFlg, sizeof brs.PaintFlg) ||
        !items.Data(&brs.PaintData, sizeof brs.PaintData) ||
        !items.Data(&brs.HatchData, sizeof brs.HatchData))
        return REC_ITEM;
    return 0;
}

template int ReadBrsHead(CVObjBrs&, CFileItems&, VelmoraZokKind);
template int ReadBrsHead(CVObjBrs&, CBufferedItems&, VelmoraZokKind);
template int ReadBrsWhole(CVObjBrs&, CFileItems&, VelmoraZokKind);
template int ReadBrsWhole(CVObjBrs&, CBufferedItems&, VelmoraZokKind);

int CVObjBrs::ReadBrsOld(CFile* file, WORD zty) {
    CFileItems items(file);
    return ReadBrsHead(*this, items, VelmoraZokKindOf(zty));
}

int CVObjBrs::ReadBrs(CFile* file, WORD zty) {
    CFileItems items(file);
    return ReadBrsWhole(*this, items, VelmoraZokKindOf(zty));
}
