#include "ui/brs_only_dlg.h"
#include "host/code_tables.h"
#include "model/cond_text.h"
#include "model/zok_catalogue.h"
#include "ui/help_table.h"
#include "ui/resource.h"
#include "ui/zok_help_texts.h"
#include "velmora_module.h"

namespace {

const UINT kMaxTextLength = 64;

// 所有権 has no code table: its two values are listed by position.
const DWORD kShoyukenValues = 2;

const char* TextLabel(WORD zty) {
    switch (zty) {
    case ZOK_FREE:
        return "ブラシ名称(&N):";
    case ZOK_KK_NM:
        return "画地名称(&N):";
    case ZOK_FUDOSAN_NO:
        return "不動産番号(&N):";
    }
    return "";
}

const char* ListLabel(WORD zty) {
    switch (zty) {
    case ZOK_TOCHI_SHUBETSU:
        return "土地種別(&K):";
    case ZOK_OAZA:
        return "大字(&T):";
    case ZOK_KOAZA:
        return "小字(&A):";
    case ZOK_GENKYO_CHIMOKU:
        return "現況地目(&G):";
    case ZOK_KOBO_CHIMOKU:
        return "公簿地目(&K):";
    case ZOK_SHOYUSHA:
        return "所有者(&P):";
    case ZOK_NOZEISHA:
        return "納税者(&P):";
    case ZOK_SHOYUKEN:
        return "所有権(&S):";
    }
    return "";
}

void ShowItem(HWND hDlg, int nID, bool show) {
    ::ShowWindow(::GetDlgItem(hDlg, nID), show ? SW_SHOW : SW_HIDE);
}

} // namespace

CBrsOnlyDlg::CBrsOnlyDlg(CWnd* pParent, WORD wZty, BYTE nMode)
    : CKeshDialog(IDD_BRS_ONLY, pParent, VelmoraGetInstance()), m_nMode(nMode), m_wZty(wZty),
      m_pStrEdit(nullptr), m_dwCode(0) {
    AddCtxHelp(IDC_ONLY_TEXT, "属性に適した塗潰しの対象を設定してください。");
    AddCtxHelp(IDC_ONLY_COMBO, "属性に適した塗潰しの対象を選択してください。");
    AddCtxHelp(IDOK, kZokOkHelp);
    AddCtxHelp(IDCANCEL, kZokCancelHelp);
    AddCtxHelp(IDC_KESH_HELP, "このダイアログのヘルプを表示します。");
    SetHelpIndex(VELMORA_HELP_BRS_SET);
}

BEGIN_MESSAGE_MAP(CBrsOnlyDlg, CKeshDialog)
ON_MESSAGE(WM_KICKIDLE, &CBrsOnlyDlg::OnKickIdle)
ON_UPDATE_COMMAND_UI(IDOK, &CBrsOnlyDlg::OnUpdateOK)
END_MESSAGE_MAP()

BOOL CBrsOnlyDlg::OnInitDialog() {
    CKeshDialog::OnInitDialog();
    const bool list = m_nMode != 0;
    ShowItem(m_hWnd, IDC_ONLY_TEXT, !list);
    ShowItem(m_hWnd, IDC_ONLY_COMBO, list);
    if (!list) {
        m_pStrEdit = AddStrEdit(IDC_ONLY_TEXT, &m_strText, kMaxTextLength);
        ::SetDlgItemTextA(m_hWnd, IDC_ONLY_LABEL, TextLabel(m_wZty));
        return TRUE;
    }
    ::SetDlgItemTextA(m_hWnd, IDC_ONLY_LABEL, ListLabel(m_wZty));
    if (m_wZty == ZOK_SHOYUKEN) {
        for (DWORD value = 0; value < kShoyukenValues; ++value)
            SendDlgItemMessage(IDC_ONLY_COMBO, CB_ADDSTRING, 0, (LPARAM)VelmoraShoyukenText(value));
        SendDlgItemMessage(IDC_ONLY_COMBO, CB_SETCURSEL, 0);
    } else if (std::unique_ptr<Ulmabase> table = VelmoraNewCodeTable(m_wZty)) {
        FillCodeCombo(*table);
    }
    return TRUE;
}

void CBrsOnlyDlg::FillCodeCombo(Ulmabase& table) {
    CRok00113* koaza = VelmoraMixedKoaza(table);
    CDWordArray codes;
    if ((koaza ? koaza->GetMixCodeArray(codes) : table.GetCodeArray(codes)) <= 0)
        return;
    // Unsorted: entry i holds code i of the array.
    for (INT_PTR i = 0; i < codes.GetSize(); ++i) {
        DWORD code = koaza ? codes[i] : LOWORD(codes[i]);
        LRESULT item = SendDlgItemMessage(IDC_ONLY_COMBO, CB_ADDSTRING, 0,
                                          (LPARAM)GetComboCode(table, code).GetString());
        SendDlgItemMessage(IDC_ONLY_COMBO, CB_SETITEMDATA, (WPARAM)item, code);
    }
    SendDlgItemMessage(IDC_ONLY_COMBO, CB_SETCURSEL, 0);
}

CString CBrsOnlyDlg::GetComboCode(Ulmabase& table, DWORD code) {
    return VelmoraCodeText(table, code).c_str();
}

LRESULT CBrsOnlyDlg::OnKickIdle(WPARAM, LPARAM) {
    UpdateDialogControls(this, TRUE);
    return 0;
}

BOOL CBrsOnlyDlg::CanConfirm() const {
    if (m_nMode == 0)
        return ::GetWindowTextLengthA(::GetDlgItem(m_hWnd, IDC_ONLY_TEXT)) > 0;
    return SendDlgItemMessage(IDC_ONLY_COMBO, CB_GETCURSEL) >= 0;
}

void CBrsOnlyDlg::OnUpdateOK(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanConfirm());
}

void CBrsOnlyDlg::OnOK() {
    if (!CanConfirm())
        return; // Enter while OK is disabled: the dialog stays open
    if (m_nMode == 0) {
        m_pStrEdit->GetWindowText(m_strText);
    } else {
        int item = (int)SendDlgItemMessage(IDC_ONLY_COMBO, CB_GETCURSEL);
        if (m_wZty == ZOK_SHOYUKEN) {
            m_dwCode = static_cast<DWORD>(item);
            m_strText = VelmoraShoyukenText(m_dwCode);
        } else {
            DWORD code = (DWORD)SendDlgItemMessage(IDC_ONLY_COMBO, CB_GETITEMDATA, item);
            if (std::unique_ptr<Ulmabase> table = VelmoraNewCodeTable(m_wZty))
                m_strText = GetComboCode(*table, code);
            m_dwCode = code;
        }
    }
    CKeshDialog::OnOK();
}
