#include "matching/brs_find.h"
#include "model/palette_box.h"
#include "model/plt.h"

int CVObjPlt::GetBrsToKk(SvyKkData* kk, BYTE* col, DWORD* hat, DWORD* layer) {
    if (!kk)
        return 0;
    const int pos = FindBrsToKk(Zty, Brs, *kk);
    if (pos < 0)
        return 0;
    const CVObjBrs& brs = Brs[pos];
    if (col)
        *col = brs.Col;
    if (hat)
        *hat = brs.Hat;
    if (layer)
        *layer = brs.LayerNo;
    return 1;
}

int CVObjPlt::GetBrsObjToKk(SvyKkData* kk, CVObjBrs* brush) {
    if (!kk)
        return 0;
    const int pos = FindBrsToKk(Zty, Brs, *kk);
    if (pos < 0)
        return 0;
    if (brush)
        brush->Copy(Brs[pos]);
    return 1;
}

int CVPaletteBox::GetSelBrsToKk(SvyKkData* kk, BYTE* col, DWORD* hat, DWORD* layer) {
    return SelPltOrThrow().GetBrsToKk(kk, col, hat, layer);
}

int CVPaletteBox::GetSelBrsObjToKk(SvyKkData* kk, CVObjBrs* brush) {
    return SelPltOrThrow().GetBrsObjToKk(kk, brush);
}
