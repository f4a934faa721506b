// CVPaletteBox: up to 100 palettes of a drawing, in order, one of them selected.
// The box owns every palette it accepted and deletes it on removal.
#pragma once

#include "afx/afx.h"
#include "model/plt.h"
#include "velmora_api.h"

class SvyKkData;

constexpr int VELMORA_MAX_PLT = 100;

#pragma pack(push, 1)
class VELMORA_API CVPaletteBox {
public:
    CVPaletteBox();
    CVPaletteBox(const CVPaletteBox&) = delete;
    CVPaletteBox& operator=(const CVPaletteBox&) = delete;
    virtual ~CVPaletteBox();

    // Palettes by position.
    int GetPltCount() const;
    CVObjPlt* GetPlt(int pos) const;
    CVObjPlt* FindPlt(LPCTSTR name) const;
    int AddPlt(CVObjPlt* plt);
    int AddPlt(int pos, CVObjPlt* plt);
    int _RemovePlt(int pos);
    void _RemoveAllPlts();
    LPCTSTR GetPltName(int pos) const;
    WORD GetPltZkC(int pos) const;
    BYTE GetPltZkL(int pos) const;
    int ChgPltNm(int pos, LPCTSTR name);

    // Selection.
    int GetSelPNo() const;
    int SetSelPNo(int pos);
    CVObjPlt* GetSelPlt() const;
    LPCTSTR GetSelPltName() const;
    WORD GetSelPltZkC() const;
    BYTE GetSelPltZkL() const;
    void ChgSelPltNm(LPCTSTR name);
    void AddSelPlt(CVObjPlt* plt);
    void _RemoveSelPlt();

    // Brushes of the selected palette; -2 (or the neutral value) with no selection.
    BYTE GetCountSelBrs();
    CVObjBrs* GetSelBrs(int pos);
    LPCTSTR GetSelBrsNm(int pos);
    BYTE GetSelBrsCol(int pos);
    DWORD GetSelBrsHat(int pos);
    int CreateBrs(int pos, CVObjBrs* brush);
    int DeleteBrs(int pos);
    int ChgSelBrsNm(int pos, LPCTSTR name);
    int ChgSelBrsCol(int pos, BYTE col);
    int ChgSelBrsHat(int pos, DWORD hat);

    // The palette-box file.
    int WritePltsBox(const char* name, int folderKind);
    int ReadPltsBox(const char* name, int folderKind);
    int ReadPltsBoxOld(const char* name, int folderKind);

    // The brush of the selected palette that applies to a parcel.
    int GetSelBrsToKk(SvyKkData* kk, BYTE* col, DWORD* hat, DWORD* layer);
    int GetSelBrsObjToKk(SvyKkData* kk, CVObjBrs* brush);

    int BoxWord; // kept with the box in its file, never interpreted
    int SelPNo;  // -1 when none is selected
    CTypedPtrArray<CPtrArray, CVObjPlt*> Plts;

private:
    bool IsPltPos(int pos) const;
    // The selected palette for an indexed access: throws the invalid-argument
    // exception when the selected number names no palette.
    CVObjPlt& SelPltOrThrow() const;
    int ChgSelBrs(int pos, const CVObjBrs& change, BYTE mask);
};
#pragma pack(pop)
