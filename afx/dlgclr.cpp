#include "afx/afxdlgs.h"

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : m_cc(), m_pParentWnd(pParentWnd) {
    for (COLORREF& color : m_customColors)
        color = RGB(255, 255, 255);
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = m_customColors;
    m_cc.Flags = dwFlags | (clrInit != 0 ? CC_RGBINIT : 0);
    m_cc.rgbResult = clrInit;
}

INT_PTR CColorDialog::DoModal() {
    m_cc.hwndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
