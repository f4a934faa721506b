#include "host/lum_brush_pat_button.h"
#include "host/lum_picker_face.h"
#include "host/lum_popup_grid.h"

namespace {
// The patterns are GDI's hatch styles, HS_HORIZONTAL (0) to HS_DIAGCROSS (5).
const int kPatternCnt = HS_DIAGCROSS + 1;
const int kColumns = 3;
const SIZE kCell = {36, 36};

// Fills rect with the pattern's lines on the background; a type beyond the
// hatch styles shows the background only.
void DrawPattern(HDC hDC, const RECT& rect, WORD type, COLORREF line, COLORREF back) {
    CBrush background(back);
    ::FillRect(hDC, &rect, background);
    if (type >= kPatternCnt)
        return;
    CBrush hatch;
    hatch.Attach(::CreateHatchBrush(type, line));
    COLORREF oldBack = ::SetBkColor(hDC, back);
    int oldMode = ::SetBkMode(hDC, OPAQUE);
    ::FillRect(hDC, &rect, hatch);
    ::SetBkMode(hDC, oldMode);
    ::SetBkColor(hDC, oldBack);
}
} // namespace

CLumBrushPatButtonS::CLumBrushPatButtonS() = default;

CLumBrushPatButtonS::~CLumBrushPatButtonS() = default;

BEGIN_MESSAGE_MAP(CLumBrushPatButtonS, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, &CLumBrushPatButtonS::OnClicked)
ON_CONTROL_REFLECT(BN_DOUBLECLICKED, &CLumBrushPatButtonS::OnClicked)
END_MESSAGE_MAP()

WORD CLumBrushPatButtonS::GetValue() const {
    return m_wType;
}

void CLumBrushPatButtonS::SetValue(WORD type) {
    m_wType = type;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CLumBrushPatButtonS::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    // The template's push-like check box becomes a button that we draw.
    ModifyStyle(BS_TYPEMASK | BS_PUSHLIKE, BS_OWNERDRAW);
}

void CLumBrushPatButtonS::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    RECT swatch;
    if (!DrawPickerFace(*lpDrawItemStruct, swatch))
        return;
    bool enabled = (lpDrawItemStruct->itemState & ODS_DISABLED) == 0;
    DrawPattern(lpDrawItemStruct->hDC, swatch, m_wType,
                enabled ? RGB(0, 0, 0) : ::GetSysColor(COLOR_GRAYTEXT),
                enabled ? RGB(255, 255, 255) : ::GetSysColor(COLOR_BTNFACE));
}

void CLumBrushPatButtonS::OnClicked() {
    CLumPopupGrid grid(kPatternCnt, kColumns, kCell, [](HDC hDC, int position, const RECT& rect) {
        DrawPattern(hDC, rect, (WORD)position, RGB(0, 0, 0), RGB(255, 255, 255));
    });
    int chosen = grid.Track(m_hWnd, m_wType);
    if (chosen >= 0)
        SetValue((WORD)chosen);
}
