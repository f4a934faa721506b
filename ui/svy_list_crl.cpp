#include "ui/svy_list_crl.h"

#include "model/density_color.h"

namespace {

enum { kColLayer = 1, kColColor = 2, kColPattern = 3, kColDepth = 4, kColSpace = 5 };

// The paint brushes' pattern type: solid in the window text colour.
const BYTE kSolidPattern = 255;

// 8 × 8 monochrome patterns of hatch types 0 to 5, top row first; each row
// byte (leftmost pixel in the high bit, 0 a line pixel) is padded with a zero
// byte because bitmap rows are 16-bit aligned.
const BYTE kHatchPatterns[6][16] = {
    {0xFF, 0, 0xFF, 0, 0xFF, 0, 0x00, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0x00, 0},
    {0xEE, 0, 0xEE, 0, 0xEE, 0, 0xEE, 0, 0xEE, 0, 0xEE, 0, 0xEE, 0, 0xEE, 0},
    {0x7F, 0, 0xBF, 0, 0xDF, 0, 0xEF, 0, 0xF7, 0, 0xFB, 0, 0xFD, 0, 0xFE, 0},
    {0xFE, 0, 0xFD, 0, 0xFB, 0, 0xF7, 0, 0xEF, 0, 0xDF, 0, 0xBF, 0, 0x7F, 0},
    {0xEE, 0, 0xEE, 0, 0xEE, 0, 0x00, 0, 0xEE, 0, 0xEE, 0, 0xEE, 0, 0x00, 0},
    {0x7E, 0, 0xBD, 0, 0xDB, 0, 0xE7, 0, 0xE7, 0, 0xDB, 0, 0xBD, 0, 0x7E, 0},
};

// The colour cell of a brush: its paint colour lightened by its density, or
// its first hatch colour from the drawing's colour table.
COLORREF CellColor(const CVObjPlt& plt, const ZelAttr& attr, BYTE b) {
    if (plt.GetPaintFlg(b) == 0) {
        FACEZSKPAINT_DATA paint;
        plt.GetPaintData(b, paint);
        return CSvyListCrl::DensityColor(paint.Color, paint.Depth);
    }
    FACEZSKHATCH_DATA hatch;
    plt.GetHatchData(b, hatch);
    int number = hatch.Color[0] < attr.GetColorCnt() ? hatch.Color[0] : 0;
    return attr.GetColor(number);
}

BYTE CellPattern(const CVObjPlt& plt, BYTE b) {
    if (plt.GetPaintFlg(b) == 0)
        return kSolidPattern;
    FACEZSKHATCH_DATA hatch;
    plt.GetHatchData(b, hatch);
    return static_cast<BYTE>(hatch.Type & 0xFF);
}

} // namespace

CSvyListCrl::CSvyListCrl() : m_pDrawing(nullptr), m_pPlt(nullptr) {}

CSvyListCrl::~CSvyListCrl() = default;

BEGIN_MESSAGE_MAP(CSvyListCrl, CListCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CSvyListCrl::OnCustomDraw)
END_MESSAGE_MAP()

void CSvyListCrl::SetData(ZEL* pDrawing, CVObjPlt* pPlt) {
    m_pDrawing = pDrawing;
    m_pPlt = pPlt;
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
}

void CSvyListCrl::FillList() {
    SetRedraw(FALSE);
    DeleteAllItems();
    const int count = m_pPlt ? m_pPlt->CountBrs() : 0;
    for (int i = 0; i < count; ++i) {
        BYTE b = static_cast<BYTE>(i);
        // Text and item data in one insertion: the list notifies its parent
        // of every change, and a separate SetItemData doubles that traffic.
        InsertItem(LVIF_TEXT | LVIF_PARAM, i, m_pPlt->GetBNm(b), 0, 0, 0, (LPARAM)i);
        SetRowTexts(i);
    }
    SetRedraw(TRUE);
}

int CSvyListCrl::UpdateRow(int row) {
    if (!m_pPlt || row < 0 || row >= m_pPlt->CountBrs())
        return 0;
    SetRowTexts(row);
    RECT rect;
    if (GetItemRect(row, &rect, LVIR_BOUNDS))
        InvalidateRect(&rect, TRUE);
    return 1;
}

void CSvyListCrl::SetRowTexts(int row) {
    const BYTE b = static_cast<BYTE>(row);
    const ZelAttr& attr = m_pDrawing->Attr();
    int layer = static_cast<int>(m_pPlt->GetLayerNo(b));
    if (layer < 0 || layer >= attr.GetLayerCnt())
        layer = 0;
    SetItemText(row, kColLayer, attr.GetLayerLabel(layer));

    CString depth("----");
    CString space("----");
    if (m_pPlt->GetPaintFlg(b) == 0)
        depth.Format("%d", static_cast<int>(m_pPlt->GetDepth(b)));
    else
        space.Format("%.2lf", m_pPlt->GetSpace(b));
    SetItemText(row, kColDepth, depth);
    SetItemText(row, kColSpace, space);
}

void CSvyListCrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult) {
    NMLVCUSTOMDRAW* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        break;
    case CDDS_ITEMPREPAINT:
    case CDDS_POSTPAINT:
        *pResult = CDRF_NOTIFYPOSTPAINT;
        break;
    case CDDS_ITEMPOSTPAINT:
        PaintSwatches(draw->nmcd.hdc, (int)draw->nmcd.dwItemSpec);
        *pResult = CDRF_SKIPDEFAULT;
        break;
    default:
        break;
    }
}

void CSvyListCrl::PaintSwatches(HDC hDC, int row) {
    const DWORD_PTR b = GetItemData(row);
    if (!m_pPlt || b >= m_pPlt->CountBrs())
        return;
    CDC dc;
    dc.Attach(hDC);
    RECT rect;
    if (GetSubItemRect(row, kColColor, LVIR_BOUNDS, rect))
        DrawColorCell(&dc, rect, CellColor(*m_pPlt, m_pDrawing->Attr(), (BYTE)b));
    if (GetSubItemRect(row, kColPattern, LVIR_BOUNDS, rect))
        DrawPatternCell(&dc, rect, CellPattern(*m_pPlt, (BYTE)b));
    dc.Detach();
}

COLORREF CSvyListCrl::DensityColor(COLORREF color, double depth) {
    return ::DensityColor(color, depth);
}

void CSvyListCrl::DrawColorCell(CDC* pDC, RECT rect, COLORREF color) {
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    ::InflateRect(&rect, -1, -1);
    CBrush brush(color);
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
    CPen* oldPen = pDC->SelectObject(&pen);
    CBrush* oldBrush = pDC->SelectObject(&brush);
    pDC->Rectangle(&rect);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);
    pDC->SetBkMode(oldMode);
}

void CSvyListCrl::DrawPatternCell(CDC* pDC, RECT rect, BYTE type) {
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    ::InflateRect(&rect, -1, -1);
    // Any other type keeps the context's current brush.
    CBrush brush;
    if (type < 6)
        MakePatternBrush(kHatchPatterns[type], brush);
    else if (type == kSolidPattern)
        brush.CreateSolidBrush(::GetSysColor(COLOR_WINDOWTEXT));
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
    CPen* oldPen = pDC->SelectObject(&pen);
    CBrush* oldBrush = brush.m_hObject ? pDC->SelectObject(&brush) : nullptr;
    const COLORREF oldBk = pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    pDC->Rectangle(&rect);
    pDC->SetBkColor(oldBk);
    pDC->SelectObject(oldPen);
    if (oldBrush)
        pDC->SelectObject(oldBrush);
    pDC->SetBkMode(oldMode);
}

void CSvyListCrl::MakePatternBrush(const BYTE* pattern, CBrush& brush) {
    // The brush copies the pattern; the bitmap goes when this returns.
    CBitmap bitmap;
    if (bitmap.CreateBitmap(8, 8, 1, 1, pattern))
        brush.CreatePatternBrush(&bitmap);
}
