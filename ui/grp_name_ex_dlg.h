// Attribute selection with a plain list; a double click confirms at once.
#pragma once

#include "host/kesh_dialog.h"

class CGrpNameExDlg : public CKeshDialog {
public:
    explicit CGrpNameExDlg(CWnd* pParent);

    BYTE m_nZokIndex = 0; // the chosen attribute index, set on OK

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnListDblClk();

    DECLARE_MESSAGE_MAP()
};
