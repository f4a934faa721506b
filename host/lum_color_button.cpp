#include "host/lum_color_button.h"
#include "host/lum_picker_face.h"
#include "host/lum_popup_grid.h"

namespace {
const int kColumns = 8;
const SIZE kCell = {20, 20};

COLORREF Blend(COLORREF a, COLORREF b) {
    return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
               (GetBValue(a) + GetBValue(b)) / 2);
}
} // namespace

CLumColorButton::CLumColorButton() = default;

CLumColorButton::~CLumColorButton() = default;

BEGIN_MESSAGE_MAP(CLumColorButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, &CLumColorButton::OnClicked)
ON_CONTROL_REFLECT(BN_DOUBLECLICKED, &CLumColorButton::OnClicked)
END_MESSAGE_MAP()

void CLumColorButton::SetImageType(int type) {
    m_nImageType = type;
}

void CLumColorButton::RemoveAllColors() {
    m_entries.clear();
    if (m_hWnd)
        Invalidate(FALSE);
}

int CLumColorButton::AddColor(int index, DWORD rgb, DWORD) {
    m_entries.push_back({index, (COLORREF)rgb});
    if (m_hWnd)
        Invalidate(FALSE);
    return (int)m_entries.size() - 1;
}

int CLumColorButton::GetValue() const {
    return m_nValue;
}

void CLumColorButton::SetValue(int index) {
    m_nValue = index;
    if (m_hWnd)
        Invalidate(FALSE);
}

int CLumColorButton::Position() const {
    for (size_t position = 0; position < m_entries.size(); ++position)
        if (m_entries[position].nIndex == m_nValue)
            return (int)position;
    return -1;
}

void CLumColorButton::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    // The template's push-like check box becomes a button that we draw.
    ModifyStyle(BS_TYPEMASK | BS_PUSHLIKE, BS_OWNERDRAW);
}

void CLumColorButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    RECT swatch;
    if (!DrawPickerFace(*lpDrawItemStruct, swatch))
        return;
    // The value's colour, or entry 0's for a value the table lacks.
    int position = Position();
    if (position < 0 && !m_entries.empty())
        position = 0;
    if (position < 0)
        return;
    COLORREF color = m_entries[position].crColor;
    bool enabled = (lpDrawItemStruct->itemState & ODS_DISABLED) == 0;
    CBrush fill(enabled ? color : Blend(color, ::GetSysColor(COLOR_BTNFACE)));
    ::FillRect(lpDrawItemStruct->hDC, &swatch, fill);
}

void CLumColorButton::OnClicked() {
    // The popup draws from its own copy, whatever happens to the table meanwhile.
    std::vector<Entry> entries = m_entries;
    CLumPopupGrid grid((int)entries.size(), kColumns, kCell,
                       [&entries](HDC hDC, int position, const RECT& rect) {
                           CBrush fill(entries[position].crColor);
                           ::FillRect(hDC, &rect, fill);
                       });
    int chosen = grid.Track(m_hWnd, Position());
    if (chosen >= 0)
        SetValue(entries[chosen].nIndex);
}
