// CVObjBrs: one brush, a condition on the palette's attribute and the fill a
// parcel meeting it gets.
#pragma once

#include "afx/afx.h"
#include "model/fill_data.h"
#include "model/z_type.h"
#include "velmora_api.h"

class CFile;

#pragma pack(push, 1)
class VELMORA_API CVObjBrs {
public:
    CVObjBrs();
    CVObjBrs(const CVObjBrs& other);
    CVObjBrs& operator=(const CVObjBrs& other);
    virtual ~CVObjBrs();

    void Clear();
    void Copy(const CVObjBrs& other);

    // Brush records; the condition's items follow the owning palette's attribute ID.
    int WriteBrs(CFile* file, WORD zty);
    int ReadBrs(CFile* file, WORD zty);
    int ReadBrsOld(CFile* file, WORD zty);

    int BFg;     // non-zero when the slot holds a brush
    BYTE Col;    // colour number handed to the host with a match
    DWORD Hat;   // hatch code handed to the host with a match
    CString BNm; // brush name
    VELMORA_Z_TYPE ZVal;
    DWORD LayerNo;
    WORD PaintFlg; // 0 solid paint, non-zero hatching
    FACEZSKPAINT_DATA PaintData;
    FACEZSKHATCH_DATA HatchData;
};
#pragma pack(pop)
