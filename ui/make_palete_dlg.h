// "ペイント凡例設定", the palette editor: the palette's name, its attribute,
// and its brushes in a list where the user adds, deletes and changes them.
// Brush changes go into the palette at once; the name only on OK.
#pragma once

#include "afx/afxcmn.h"
#include "host/kesh_dialog.h"
#include "host/zel.h"
#include "model/plt.h"
#include "ui/svy_list_crl.h"
#include "velmora_api.h"

#include <vector>

class VELMORA_API CMakePaleteDlg : public CKeshDialog {
public:
    // pSelIndex receives the first selected row on OK and must not be null.
    CMakePaleteDlg(ZEL* pDrawing, CWnd* pParent, CVObjPlt* pPlt, int* pSelIndex, int bExisting);
    ~CMakePaleteDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnAdd();
    void OnDelete();
    void OnChange();
    void OnListDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    void OnListRClick(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnKickIdle(WPARAM, LPARAM);
    void OnUpdateOK(CCmdUI* pCmdUI);
    void OnUpdateAdd(CCmdUI* pCmdUI);
    void OnUpdateDelete(CCmdUI* pCmdUI);
    void OnUpdateChange(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    void InsertColumns();
    // The selected rows, in ascending order.
    std::vector<int> SelectedRows() const;
    // Selects and focuses one row and scrolls it into view.
    void SelectRow(int row);
    void ChangeOne(int row);
    void ChangeSeveral(const std::vector<int>& rows);

    CVObjPlt* m_pPlt;
    int m_bExisting;
    CString m_strName;
    int* m_pSelIndex;
    CImageList m_imgList;
    ZEL* m_pDrawing;
    CSvyListCrl m_list;
};
