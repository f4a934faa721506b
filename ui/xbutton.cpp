#include "ui/xbutton.h"
#include "host/kesh_memdc.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// One GDI polyline of 1-pixel width; like every GDI line it leaves out its
// last point.
void DrawLine(CDC& dc, int colorIndex, const POINT (&points)[3]) {
    CPen pen(PS_SOLID, 1, ::GetSysColor(colorIndex));
    CPen* oldPen = dc.SelectObject(&pen);
    dc.Polyline(points, 3);
    dc.SelectObject(oldPen);
}

// The button face and its edge; rect comes back as the area inside the edge
// ring when the button has the focus.
void DrawEdge(CDC& dc, RECT& rect, bool pressed, bool focused) {
    dc.FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    if (focused) {
        RECT ring = rect;
        ::InflateRect(&ring, -1, -1);
        CBrush white(kWhite);
        dc.FrameRect(&ring, &white);
        ::InflateRect(&rect, -2, -2);
    }
    if (pressed) {
        CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
        dc.FrameRect(&rect, &shadow);
        return;
    }
    const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    DrawLine(dc, COLOR_BTNHIGHLIGHT, {{l, b - 1}, {l, t}, {r, t}});
    DrawLine(dc, COLOR_3DLIGHT, {{l + 1, b - 1}, {l + 1, t + 1}, {r, t + 1}});
    DrawLine(dc, COLOR_3DDKSHADOW, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}});
    DrawLine(dc, COLOR_BTNSHADOW, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t}});
}

// The colour swatch 2 pixels inside rect, outlined in black, and a black
// frame 2 pixels outside it (the item's border when the edge moved in).
void DrawSwatch(CDC& dc, const RECT& rect, COLORREF color) {
    RECT outer = rect;
    ::InflateRect(&outer, 2, 2);
    RECT swatch = outer;
    ::InflateRect(&swatch, -4, -4);

    CBrush fill(color);
    CPen outline(PS_SOLID, 1, kBlack);
    CPen* oldPen = dc.SelectObject(&outline);
    CBrush* oldBrush = dc.SelectObject(&fill);
    dc.Rectangle(&swatch);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);

    CBrush black(kBlack);
    dc.FrameRect(&outer, &black);
}

} // namespace

XButton::XButton(COLORREF color) : m_crColor(color) {}

XButton::~XButton() = default;

BEGIN_MESSAGE_MAP(XButton, CButton)
END_MESSAGE_MAP()

void XButton::PreSubclassWindow() {
    // A button from a dialog template becomes owner-drawn as well.
    ModifyStyle(0, BS_OWNERDRAW, 0);
    CButton::PreSubclassWindow();
}

void XButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    {
        // A disabled button looks the same as an enabled one.
        CKeshMemDC memDC(&dc);
        const bool pressed = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
        const bool focused = (lpDrawItemStruct->itemState & ODS_FOCUS) != 0;
        RECT rect = lpDrawItemStruct->rcItem;
        DrawEdge(memDC, rect, pressed, focused);
        DrawSwatch(memDC, rect, m_crColor);
    }
    dc.Detach();
}
