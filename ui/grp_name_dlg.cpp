#include "ui/grp_name_dlg.h"
#include "model/zok_catalogue.h"
#include "ui/help_table.h"
#include "ui/resource.h"
#include "ui/zok_help_texts.h"
#include "velmora_module.h"

CGrpNameDlg::CGrpNameDlg(CWnd* pParent) : CKeshDialog(IDD_GRPNAME, pParent, VelmoraGetInstance()) {
    AddCtxHelp(IDC_ZOK_COMBO, kZokListHelp);
    AddCtxHelp(IDOK, kZokOkHelp);
    AddCtxHelp(IDCANCEL, kZokCancelHelp);
    AddCtxHelp(IDC_KESH_HELP, "このダイアログのヘルプが表示されます。");
    SetHelpIndex(VELMORA_HELP_ZOK_SELECT);
}

BEGIN_MESSAGE_MAP(CGrpNameDlg, CKeshDialog)
ON_MESSAGE(WM_KICKIDLE, &CGrpNameDlg::OnKickIdle)
ON_UPDATE_COMMAND_UI(IDOK, &CGrpNameDlg::OnUpdateOK)
END_MESSAGE_MAP()

BOOL CGrpNameDlg::OnInitDialog() {
    CKeshDialog::OnInitDialog();
    // Unsorted: item k + 1 is always the attribute of index k.
    SendDlgItemMessage(IDC_ZOK_COMBO, CB_ADDSTRING, 0, (LPARAM) "属性を選択して下さい");
    CString name;
    for (int index = 0; index < Velmora_GetZokCnt(); ++index) {
        if (Velmora_GetZokName(index, name))
            SendDlgItemMessage(IDC_ZOK_COMBO, CB_ADDSTRING, 0, (LPARAM)name.GetString());
    }
    SendDlgItemMessage(IDC_ZOK_COMBO, CB_SETCURSEL, 0);
    return TRUE;
}

LRESULT CGrpNameDlg::OnKickIdle(WPARAM, LPARAM) {
    UpdateDialogControls(this, TRUE);
    return 0;
}

void CGrpNameDlg::OnUpdateOK(CCmdUI* pCmdUI) {
    pCmdUI->Enable(SendDlgItemMessage(IDC_ZOK_COMBO, CB_GETCURSEL) >= 1);
}

void CGrpNameDlg::OnOK() {
    int index = (int)SendDlgItemMessage(IDC_ZOK_COMBO, CB_GETCURSEL) - 1;
    if (index < 0)
        return; // the prompt, or nothing: the dialog stays open
    m_nZokIndex = static_cast<BYTE>(index);
    CKeshDialog::OnOK();
}
