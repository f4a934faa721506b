#include "model/palette_box.h"
#include "model/zok_catalogue.h"

CVPaletteBox::CVPaletteBox() : BoxWord(0), SelPNo(-1) {}

CVPaletteBox::~CVPaletteBox() {
    _RemoveAllPlts();
}

bool CVPaletteBox::IsPltPos(int pos) const {
    return pos >= 0 && pos < VELMORA_MAX_PLT && pos < Plts.GetSize();
}

int CVPaletteBox::GetPltCount() const {
    return static_cast<int>(Plts.GetSize());
}

CVObjPlt* CVPaletteBox::GetPlt(int pos) const {
    return IsPltPos(pos) ? Plts.GetAt(pos) : nullptr;
}

CVObjPlt* CVPaletteBox::FindPlt(LPCTSTR name) const {
    for (INT_PTR pos = 0; pos < Plts.GetSize(); ++pos)
        if (Plts.GetAt(pos)->PNm == name)
            return Plts.GetAt(pos);
    return nullptr;
}

int CVPaletteBox::AddPlt(CVObjPlt* plt) {
    return AddPlt(GetPltCount(), plt);
}

int CVPaletteBox::AddPlt(int pos, CVObjPlt* plt) {
    if (pos < 0 || pos >= VELMORA_MAX_PLT || pos > Plts.GetSize() ||
        Plts.GetSize() >= VELMORA_MAX_PLT)
        return 0;
    try {
        Plts.InsertAt(pos, plt);
    } catch (CException* e) {
        e->Delete();
        return 0;
    }
    return 1;
}

int CVPaletteBox::_RemovePlt(int pos) {
    if (!IsPltPos(pos))
        return 0;
    delete Plts.GetAt(pos);
    Plts.RemoveAt(pos);
    return 1;
}

void CVPaletteBox::_RemoveAllPlts() {
    for (INT_PTR pos = 0; pos < Plts.GetSize(); ++pos)
        delete Plts.GetAt(pos);
    Plts.RemoveAll();
}

LPCTSTR CVPaletteBox::GetPltName(int pos) const {
    const CVObjPlt* plt = GetPlt(pos);
    return plt ? plt->GetPNm() : nullptr;
}

WORD CVPaletteBox::GetPltZkC(int pos) const {
    const CVObjPlt* plt = GetPlt(pos);
    return plt ? plt->GetZty() : VELMORA_NO_ZOK;
}

BYTE CVPaletteBox::GetPltZkL(int pos) const {
    const CVObjPlt* plt = GetPlt(pos);
    return plt ? plt->GetZkLabel() : VELMORA_NO_ZOK;
}

int CVPaletteBox::ChgPltNm(int pos, LPCTSTR name) {
    CVObjPlt* plt = GetPlt(pos);
    if (!plt)
        return 0;
    plt->SetPNm(name);
    return 1;
}

int CVPaletteBox::GetSelPNo() const {
    return SelPNo;
}

int CVPaletteBox::SetSelPNo(int pos) {
    if (pos < -1 || pos >= VELMORA_MAX_PLT)
        return 0;
    SelPNo = pos;
    return 1;
}

CVObjPlt* CVPaletteBox::GetSelPlt() const {
    return GetPlt(SelPNo);
}
LPCTSTR CVPaletteBox::GetSelPltName() const {
    return GetPltName(SelPNo);
}
WORD CVPaletteBox::GetSelPltZkC() const {
    return GetPltZkC(SelPNo);
}
BYTE CVPaletteBox::GetSelPltZkL() const {
    return GetPltZkL(SelPNo);
}
void CVPaletteBox::ChgSelPltNm(LPCTSTR name) {
    ChgPltNm(SelPNo, name);
}

void CVPaletteBox::AddSelPlt(CVObjPlt* plt) {
    if (SelPNo == -1)
        SelPNo = 0;
    AddPlt(SelPNo, plt);
}

void CVPaletteBox::_RemoveSelPlt() {
    if (SelPNo < 0)
        return;
    _RemovePlt(SelPNo);
    if (SelPNo != 0 || Plts.GetSize() == 0)
        --SelPNo;
}

CVObjPlt& CVPaletteBox::SelPltOrThrow() const {
    if (SelPNo < 0 || SelPNo >= Plts.GetSize())
        AfxThrowInvalidArgException();
    return *Plts.GetAt(SelPNo);
}

BYTE CVPaletteBox::GetCountSelBrs() {
    return SelPNo < 0 ? 0 : SelPltOrThrow().CountBrs();
}

CVObjBrs* CVPaletteBox::GetSelBrs(int pos) {
    return SelPNo < 0 ? nullptr : SelPltOrThrow().GetObjBrs(static_cast<BYTE>(pos));
}

LPCTSTR CVPaletteBox::GetSelBrsNm(int pos) {
    return SelPNo < 0 ? nullptr : SelPltOrThrow().GetBNm(static_cast<BYTE>(pos));
}

BYTE CVPaletteBox::GetSelBrsCol(int pos) {
    return SelPNo < 0 ? 0 : SelPltOrThrow().GetCol(static_cast<BYTE>(pos));
}

DWORD CVPaletteBox::GetSelBrsHat(int pos) {
    return SelPNo < 0 ? 0 : SelPltOrThrow().GetHat(static_cast<BYTE>(pos));
}

int CVPaletteBox::CreateBrs(int pos, CVObjBrs* brush) {
    return SelPNo < 0 ? -2 : SelPltOrThrow().AddBrs(static_cast<BYTE>(pos), brush);
}

int CVPaletteBox::DeleteBrs(int pos) {
    return SelPNo < 0 ? -2 : SelPltOrThrow().DelBrs(static_cast<BYTE>(pos));
}

int CVPaletteBox::ChgSelBrs(int pos, const CVObjBrs& change, BYTE mask) {
    return SelPNo < 0 ? 0 : SelPltOrThrow().ChgBrs(static_cast<BYTE>(pos), &change, mask);
}

int CVPaletteBox::ChgSelBrsNm(int pos, LPCTSTR name) {
    CVObjBrs change;
    change.BNm = name;
    return ChgSelBrs(pos, change, CHG_BRS_NAME);
}

int CVPaletteBox::ChgSelBrsCol(int pos, BYTE col) {
    CVObjBrs change;
    change.Col = col;
    return ChgSelBrs(pos, change, CHG_BRS_COL);
}

int CVPaletteBox::ChgSelBrsHat(int pos, DWORD hat) {
    CVObjBrs change;
    change.Hat = hat;
    return ChgSelBrs(pos, change, CHG_BRS_HAT);
}
