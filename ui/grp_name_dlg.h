// Attribute selection with a drop-down list: a prompt first, then the
// seventeen attributes; OK is enabled only while an attribute is chosen.
#pragma once

#include "host/kesh_dialog.h"

class CGrpNameDlg : public CKeshDialog {
public:
    explicit CGrpNameDlg(CWnd* pParent);

    BYTE m_nZokIndex = 0; // the chosen attribute index, set on OK

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    LRESULT OnKickIdle(WPARAM, LPARAM);
    void OnUpdateOK(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
