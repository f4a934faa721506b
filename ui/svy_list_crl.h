// The palette editor's brush list: one row per brush in palette order, with
// the brush name, its layer's label, a colour and a pattern swatch, the paint
// density and the hatch spacing. The swatches are painted by the list itself
// after each row, through its own (reflected) custom-draw notification.
#pragma once

#include "afx/afxcmn.h"
#include "host/zel.h"
#include "model/plt.h"
#include "velmora_api.h"

class VELMORA_API CSvyListCrl : public CListCtrl {
public:
    CSvyListCrl();
    ~CSvyListCrl() override;

    // Called once, before the first FillList; adds full-row select.
    void SetData(ZEL* pDrawing, CVObjPlt* pPlt);
    // Rebuilds every row from the palette.
    void FillList();
    // Refreshes the texts of one row and repaints it; 0 when no brush has that row.
    int UpdateRow(int row);

    // Drawing of the swatch cells.
    static COLORREF DensityColor(COLORREF color, double depth);
    static void DrawColorCell(CDC* pDC, RECT rect, COLORREF color);
    static void DrawPatternCell(CDC* pDC, RECT rect, BYTE type);
    static void MakePatternBrush(const BYTE* pattern, CBrush& brush);

protected:
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    // Columns 1, 4 and 5 of a row from its brush.
    void SetRowTexts(int row);
    // The colour and pattern cells of a row, after the list has drawn it.
    void PaintSwatches(HDC hDC, int row);

    ZEL* m_pDrawing;
    CVObjPlt* m_pPlt;
};
