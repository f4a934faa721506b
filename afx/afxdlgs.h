// The standard colour dialog of the class-library subset.
#pragma once

#include "afx/afxwin.h"

#include <commdlg.h>

class AFX_EXT_CLASS CColorDialog {
public:
    CHOOSECOLORA m_cc;

    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

private:
    CWnd* m_pParentWnd;
    COLORREF m_customColors[16];
};
