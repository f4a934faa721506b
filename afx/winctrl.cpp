#include "afx/afxwin.h"

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    // A child always, as the class library makes it.
    HWND hWnd = ::CreateWindowExA(
        0, "BUTTON", lpszCaption, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, pParentWnd->m_hWnd, (HMENU)(UINT_PTR)nID,
        (HINSTANCE)::GetWindowLongPtrA(pParentWnd->m_hWnd, GWLP_HINSTANCE), nullptr);
    if (!hWnd || !SubclassWindow(hWnd))
        return FALSE;
    SetFont(pParentWnd->GetFont(), FALSE);
    return TRUE;
}

// As in the class library, a plain button draws nothing itself; owner-drawn
// buttons override this.
void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    int length = (int)SendMessage(CB_GETLBTEXTLEN, nIndex);
    if (length < 0) {
        rString.Empty();
        return;
    }
    SendMessage(CB_GETLBTEXT, nIndex, (LPARAM)rString.GetBuffer(length + 1));
    rString.ReleaseBuffer();
}

void CListBox::GetText(int nIndex, CString& rString) const {
    int length = (int)SendMessage(LB_GETTEXTLEN, nIndex);
    if (length < 0) {
        rString.Empty();
        return;
    }
    SendMessage(LB_GETTEXT, nIndex, (LPARAM)rString.GetBuffer(length + 1));
    rString.ReleaseBuffer();
}

BOOL CMenu::CreatePopupMenu() {
    DestroyMenu();
    m_hMenu = ::CreatePopupMenu();
    return m_hMenu != nullptr;
}

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu)
        return FALSE;
    BOOL result = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return result;
}
