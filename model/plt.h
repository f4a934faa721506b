// CVObjPlt: a named, ordered list of up to 255 brushes bound to one attribute.
// The slots are allocated once; brushes move between them, the slots never do.
#pragma once

#include "afx/afx.h"
#include "model/brs.h"
#include "velmora_api.h"

class CFile;
class SvyKkData;

constexpr int VELMORA_MAX_BRS = 255;

// ChgBrs mask bits: which fields a change replaces.
enum : BYTE {
    CHG_BRS_NAME = 0x01,
    CHG_BRS_COL = 0x02,
    CHG_BRS_HAT = 0x04,
    CHG_BRS_LAYER = 0x08,
    CHG_BRS_PAINTFLG = 0x10,
    CHG_BRS_PAINT = 0x20,
    CHG_BRS_HATCH = 0x40,
    CHG_BRS_ALL = 0x7F,
};

#pragma pack(push, 1)
class VELMORA_API CVObjPlt {
public:
    CVObjPlt();
    CVObjPlt(const CVObjPlt& other);
    CVObjPlt& operator=(const CVObjPlt& other);
    virtual ~CVObjPlt();

    void Clear();
    int Copy(const CVObjPlt* other);

    void SetPNm(LPCTSTR name);
    LPCTSTR GetPNm() const;
    void SetZty(WORD zty);
    WORD GetZty() const;
    WORD SetZkCode(BYTE index);
    BYTE GetZkLabel() const;
    BYTE CountBrs() const;

    // Per position; the position is not checked against the count.
    void SetBFg(BYTE pos, int bfg);
    int GetBFg(BYTE pos) const;
    void SetBNm(BYTE pos, LPCTSTR name);
    LPCTSTR GetBNm(BYTE pos) const;
    void SetCol(BYTE pos, BYTE col);
    BYTE GetCol(BYTE pos) const;
    void SetHat(BYTE pos, DWORD hat);
    DWORD GetHat(BYTE pos) const;
    void SetLayerNo(BYTE pos, DWORD layer);
    DWORD GetLayerNo(BYTE pos) const;
    void SetPaintFlg(BYTE pos, WORD flag);
    WORD GetPaintFlg(BYTE pos) const;
    void SetDepth(BYTE pos, double depth);
    double GetDepth(BYTE pos) const;
    void SetSpace(BYTE pos, double space);
    double GetSpace(BYTE pos) const;
    void SetPaintData(BYTE pos, const FACEZSKPAINT_DATA& paint);
    int GetPaintData(BYTE pos, FACEZSKPAINT_DATA& paint) const;
    void SetHatchData(BYTE pos, const FACEZSKHATCH_DATA& hatch);
    int GetHatchData(BYTE pos, FACEZSKHATCH_DATA& hatch) const;
    void SetObjBrs(BYTE pos, const CVObjBrs* brush);
    CVObjBrs* GetObjBrs(BYTE pos);

    // List operations.
    int AddBrs(BYTE pos, LPCTSTR name, BYTE col, DWORD hat, VELMORA_Z_TYPE zval, DWORD layer,
               WORD paintFlg, const FACEZSKPAINT_DATA& paint, const FACEZSKHATCH_DATA& hatch);
    int AddBrs(BYTE pos, const CVObjBrs* brush);
    int ChgBrs(BYTE pos, LPCTSTR name, BYTE col, DWORD hat, DWORD layer, WORD paintFlg,
               const FACEZSKPAINT_DATA& paint, const FACEZSKHATCH_DATA& hatch, BYTE mask);
    int ChgBrs(BYTE pos, const CVObjBrs* brush, BYTE mask);
    int DelBrs(BYTE pos);
    void DelAllBrs();

    // Palette records.
    int WritePlt(CFile* file);
    int ReadPlt(CFile* file);
    int ReadPltOld(CFile* file);

    // The first brush, in list order, whose condition holds for the parcel.
    int GetBrsToKk(SvyKkData* kk, BYTE* col, DWORD* hat, DWORD* layer);
    int GetBrsObjToKk(SvyKkData* kk, CVObjBrs* brush);

    CString PNm;
    WORD Zty;
    CVObjBrs* Brs;
};
#pragma pack(pop)
