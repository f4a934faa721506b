#include "model/brs.h"

#include <cstring>

CVObjBrs::CVObjBrs() {
    Clear();
}

CVObjBrs::CVObjBrs(const CVObjBrs& other)
    : BFg(other.BFg), Col(other.Col), Hat(other.Hat), BNm(other.BNm), ZVal(other.ZVal),
      LayerNo(other.LayerNo), PaintFlg(other.PaintFlg), PaintData(other.PaintData),
      HatchData(other.HatchData) {}

CVObjBrs& CVObjBrs::operator=(const CVObjBrs& other) {
    BFg = other.BFg;
    Col = other.Col;
    Hat = other.Hat;
    BNm = other.BNm;
    ZVal = other.ZVal;
    LayerNo = other.LayerNo;
    PaintFlg = other.PaintFlg;
    PaintData = other.PaintData;
    HatchData = other.HatchData;
    return *this;
}

CVObjBrs::~CVObjBrs() = default;

void CVObjBrs::Clear() {
    BFg = 0;
    Col = 0;
    Hat = 1;
    BNm.Empty();
    // The whole union is zeroed, not just Zty, so a cleared slot stores no stale text.
    std::memset(&ZVal, 0, sizeof ZVal);
    LayerNo = 0;
    PaintFlg = 0;
    PaintData.Color = 0;
    PaintData.Depth = 100.0;
    // The hatch points belong to the host and are left as they are.
    HatchData.Type = 0;
    HatchData.Aux = 0;
    for (int i = 0; i < 4; ++i) {
        HatchData.Space[i] = 5.0;
        HatchData.Aux2[i] = 0.0;
        HatchData.Color[i] = 0;
        HatchData.Aux3[i] = 0;
        HatchData.Aux4[i] = 0;
    }
}

void CVObjBrs::Copy(const CVObjBrs& other) {
    if (this == &other)
        return;
    Clear();
    *this = other;
}
