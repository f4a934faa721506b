#include "ui/grp_name_ex_dlg.h"
#include "model/zok_catalogue.h"
#include "ui/help_table.h"
#include "ui/resource.h"
#include "ui/zok_help_texts.h"
#include "velmora_module.h"

CGrpNameExDlg::CGrpNameExDlg(CWnd* pParent)
    : CKeshDialog(IDD_GRPNAME_EX, pParent, VelmoraGetInstance()) {
    AddCtxHelp(IDC_ZOK_LIST, kZokListHelp);
    AddCtxHelp(IDOK, kZokOkHelp);
    AddCtxHelp(IDCANCEL, kZokCancelHelp);
    SetHelpIndex(VELMORA_HELP_ZOK_SELECT);
}

BEGIN_MESSAGE_MAP(CGrpNameExDlg, CKeshDialog)
ON_LBN_DBLCLK(IDC_ZOK_LIST, &CGrpNameExDlg::OnListDblClk)
END_MESSAGE_MAP()

BOOL CGrpNameExDlg::OnInitDialog() {
    CKeshDialog::OnInitDialog();
    CString name;
    for (int index = 0; index < Velmora_GetZokCnt(); ++index) {
        if (Velmora_GetZokName(index, name))
            SendDlgItemMessage(IDC_ZOK_LIST, LB_ADDSTRING, 0, (LPARAM)name.GetString());
    }
    SendDlgItemMessage(IDC_ZOK_LIST, LB_SETCURSEL, 0);
    return TRUE;
}

void CGrpNameExDlg::OnListDblClk() {
    OnOK();
}

void CGrpNameExDlg::OnOK() {
    int index = (int)SendDlgItemMessage(IDC_ZOK_LIST, LB_GETCURSEL);
    if (index < 0)
        return;
    m_nZokIndex = static_cast<BYTE>(index);
    CKeshDialog::OnOK();
}
