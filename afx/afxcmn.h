// The common controls of the class-library subset: list view, date-time
// picker, up-down control and image list, each member one message or call.
#pragma once

#include "afx/afxwin.h"

class AFX_EXT_CLASS CImageList {
public:
    HIMAGELIST m_hImageList = nullptr;
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList() { DeleteImageList(); }

    operator HIMAGELIST() const { return m_hImageList; }
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    int Add(CBitmap* pbmImage, COLORREF crMask) {
        return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->m_hObject, crMask);
    }
    int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL DeleteImageList();
};

class AFX_EXT_CLASS CListCtrl : public CWnd {
public:
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    DWORD SetExtendedStyle(DWORD dwNewStyle) {
        return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle);
    }
    // Returns the list's previous image list of that type.
    HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType) {
        return (HIMAGELIST)SendMessage(LVM_SETIMAGELIST, nImageListType,
                                       (LPARAM)pImageList->m_hImageList);
    }
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1);
    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    int GetStringWidth(LPCTSTR lpsz) const {
        return (int)SendMessage(LVM_GETSTRINGWIDTHA, 0, (LPARAM)lpsz);
    }
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetSelectedCount() const { return (UINT)SendMessage(LVM_GETSELECTEDCOUNT); }
    int GetNextItem(int nItem, int nFlags) const {
        return (int)SendMessage(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0));
    }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, RECT& ref) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) {
        return (BOOL)SendMessage(LVM_ENSUREVISIBLE, nItem, bPartialOK);
    }
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(LVM_DELETEITEM, nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
};

class AFX_EXT_CLASS CDateTimeCtrl : public CWnd {
public:
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const {
        return (DWORD)SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)pTimeDest);
    }
    BOOL SetTime(LPSYSTEMTIME pTimeNew) {
        return (BOOL)SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)pTimeNew);
    }
};

class AFX_EXT_CLASS CSpinButtonCtrl : public CWnd {
public:
    void SetRange(short nLower, short nUpper) {
        SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
    }
    void GetRange(int& lower, int& upper) const {
        DWORD range = (DWORD)SendMessage(UDM_GETRANGE);
        lower = (short)HIWORD(range);
        upper = (short)LOWORD(range);
    }
    int SetPos(int nPos) { return (short)LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0))); }
    void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, nLower, nUpper); }
    int SetPos32(int nPos) { return (int)SendMessage(UDM_SETPOS32, 0, nPos); }
    int GetPos32(LPBOOL lpbError = nullptr) const {
        return (int)SendMessage(UDM_GETPOS32, 0, (LPARAM)lpbError);
    }
};
