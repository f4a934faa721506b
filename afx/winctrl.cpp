#include "afx/afxwin.h"

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
