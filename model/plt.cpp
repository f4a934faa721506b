#include "model/plt.h"
#include "model/zok_catalogue.h"

CVObjPlt::CVObjPlt() : Zty(0), Brs(new CVObjBrs[VELMORA_MAX_BRS]) {}

CVObjPlt::CVObjPlt(const CVObjPlt& other)
    : PNm(other.PNm), Zty(other.Zty), Brs(new CVObjBrs[VELMORA_MAX_BRS]) {
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos)
        Brs[pos] = other.Brs[pos];
}

CVObjPlt& CVObjPlt::operator=(const CVObjPlt& other) {
    Copy(&other);
    return *this;
}

CVObjPlt::~CVObjPlt() {
    delete[] Brs;
}

void CVObjPlt::Clear() {
    PNm.Empty();
    Zty = 0;
    DelAllBrs();
}

int CVObjPlt::Copy(const CVObjPlt* other) {
    if (other == this)
        return 1;
    Clear();
    PNm = other->PNm;
    Zty = other->Zty;
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos)
        SetObjBrs(static_cast<BYTE>(pos), &other->Brs[pos]);
    return 1;
}

void CVObjPlt::SetPNm(LPCTSTR name) {
    PNm = name;
}
LPCTSTR CVObjPlt::GetPNm() const {
    return PNm;
}
void CVObjPlt::SetZty(WORD zty) {
    Zty = zty;
}
WORD CVObjPlt::GetZty() const {
    return Zty;
}

WORD CVObjPlt::SetZkCode(BYTE index) {
    Zty = VelmoraZokIdFromIndex(index);
    return Zty;
}

BYTE CVObjPlt::GetZkLabel() const {
    return VelmoraZokIndexFromId(Zty);
}

BYTE CVObjPlt::CountBrs() const {
    int count = 0;
    while (count < VELMORA_MAX_BRS && Brs[count].BFg != 0)
        ++count;
    return static_cast<BYTE>(count);
}

void CVObjPlt::SetBFg(BYTE pos, int bfg) {
    Brs[pos].BFg = bfg;
}
int CVObjPlt::GetBFg(BYTE pos) const {
    return Brs[pos].BFg;
}
void CVObjPlt::SetBNm(BYTE pos, LPCTSTR name) {
    Brs[pos].BNm = name;
}
LPCTSTR CVObjPlt::GetBNm(BYTE pos) const {
    return Brs[pos].BNm;
}
void CVObjPlt::SetCol(BYTE pos, BYTE col) {
    Brs[pos].Col = col;
}
BYTE CVObjPlt::GetCol(BYTE pos) const {
    return Brs[pos].Col;
}
void CVObjPlt::SetHat(BYTE pos, DWORD hat) {
    Brs[pos].Hat = hat;
}
DWORD CVObjPlt::GetHat(BYTE pos) const {
    return Brs[pos].Hat;
}
void CVObjPlt::SetLayerNo(BYTE pos, DWORD layer) {
    Brs[pos].LayerNo = layer;
}
DWORD CVObjPlt::GetLayerNo(BYTE pos) const {
    return Brs[pos].LayerNo;
}
void CVObjPlt::SetPaintFlg(BYTE pos, WORD flag) {
    Brs[pos].PaintFlg = flag;
}
WORD CVObjPlt::GetPaintFlg(BYTE pos) const {
    return Brs[pos].PaintFlg;
}
void CVObjPlt::SetDepth(BYTE pos, double depth) {
    Brs[pos].PaintData.Depth = depth;
}
double CVObjPlt::GetDepth(BYTE pos) const {
    return Brs[pos].PaintData.Depth;
}

void CVObjPlt::SetSpace(BYTE pos, double space) {
    for (int i = 0; i < 4; ++i)
        Brs[pos].HatchData.Space[i] = space;
}

double CVObjPlt::GetSpace(BYTE pos) const {
    return Brs[pos].HatchData.Space[0];
}

void CVObjPlt::SetPaintData(BYTE pos, const FACEZSKPAINT_DATA& paint) {
    Brs[pos].PaintData = paint;
}

int CVObjPlt::GetPaintData(BYTE pos, FACEZSKPAINT_DATA& paint) const {
    paint = Brs[pos].PaintData;
    return 1;
}

void CVObjPlt::SetHatchData(BYTE pos, const FACEZSKHATCH_DATA& hatch) {
    Brs[pos].HatchData = hatch;
}

int CVObjPlt::GetHatchData(BYTE pos, FACEZSKHATCH_DATA& hatch) const {
    hatch = Brs[pos].HatchData;
    return 1;
}

void CVObjPlt::SetObjBrs(BYTE pos, const CVObjBrs* brush) {
    Brs[pos] = *brush;
}

CVObjBrs* CVObjPlt::GetObjBrs(BYTE pos) {
    return &Brs[pos];
}

int CVObjPlt::AddBrs(BYTE pos, LPCTSTR name, BYTE col, DWORD hat, VELMORA_Z_TYPE zval, DWORD layer,
                     WORD paintFlg, const FACEZSKPAINT_DATA& paint,
                     const FACEZSKHATCH_DATA& hatch) {
    const int count = CountBrs();
    if (count == VELMORA_MAX_BRS || pos > count)
        return -1;
    // The arguments may point into a slot that the shift below overwrites.
    const CString newName(name);
    const FACEZSKPAINT_DATA newPaint = paint;
    const FACEZSKHATCH_DATA newHatch = hatch;
    for (int k = count - 1; k >= pos; --k)
        Brs[k + 1] = Brs[k];
    CVObjBrs& slot = Brs[pos];
    slot.BFg = 1;
    slot.BNm = newName;
    slot.Col = col;
    slot.Hat = hat;
    slot.ZVal = zval;
    slot.LayerNo = layer;
    slot.PaintFlg = paintFlg;
    slot.PaintData = newPaint;
    slot.HatchData = newHatch;
    return pos;
}

int CVObjPlt::AddBrs(BYTE pos, const CVObjBrs* brush) {
    return AddBrs(pos, brush->BNm, brush->Col, brush->Hat, brush->ZVal, brush->LayerNo,
                  brush->PaintFlg, brush->PaintData, brush->HatchData);
}

int CVObjPlt::ChgBrs(BYTE pos, LPCTSTR name, BYTE col, DWORD hat, DWORD layer, WORD paintFlg,
                     const FACEZSKPAINT_DATA& paint, const FACEZSKHATCH_DATA& hatch, BYTE mask) {
    if (pos >= CountBrs())
        return 0;
    CVObjBrs& slot = Brs[pos];
    if (mask & CHG_BRS_NAME)
        slot.BNm = name;
    if (mask & CHG_BRS_COL)
        slot.Col = col;
    if (mask & CHG_BRS_HAT)
        slot.Hat = hat;
    if (mask & CHG_BRS_LAYER)
        slot.LayerNo = layer;
    if (mask & CHG_BRS_PAINTFLG)
        slot.PaintFlg = paintFlg;
    if (mask & CHG_BRS_PAINT)
        slot.PaintData = paint;
    if (mask & CHG_BRS_HATCH)
        slot.HatchData = hatch;
    return 1;
}

int CVObjPlt::ChgBrs(BYTE pos, const CVObjBrs* brush, BYTE mask) {
    return ChgBrs(pos, brush->BNm, brush->Col, brush->Hat, brush->LayerNo, brush->PaintFlg,
                  brush->PaintData, brush->HatchData, mask);
}

int CVObjPlt::DelBrs(BYTE pos) {
    const int count = CountBrs();
    if (pos >= count)
        return 0;
    for (int k = pos; k < count - 1; ++k)
        Brs[k] = Brs[k + 1];
    Brs[count - 1].Clear();
    return 1;
}

void CVObjPlt::DelAllBrs() {
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos)
        Brs[pos].Clear();
}
