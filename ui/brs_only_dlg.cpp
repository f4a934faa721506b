#include "ui/brs_only_dlg.h"
#include "host/code_tables.h"
#include "ui/help_table.h"
#include "ui/resource.h"
#include "ui/zok_help_texts.h"
#include "velmora_module.h"

namespace {

const UINT kMaxTextLength = 64;

// 所有権 has no code table: its two values are listed by position.
const char* const kOwnership[] = {"無し", "有り"};

const char* TextLabel(WORD zty) {
    switch (zty) {
    case 0:
        return "ブラシ名称(&N):";
    case 300:
        return "画地名称(&N):";
    case 301:
        return "不動産番号(&N):";
    }
    return "";
}

const char* ListLabel(WORD zty) {
    switch (zty) {
    case 100:
        return "土地種別(&K):";
    case 101:
        return "大字(&T):";
    case 107:
        return "小字(&A):";
    case 102:
        return "現況地目(&G):";
    case 103:
        return "公簿地目(&K):";
    case 104:
        return "所有者(&P):";
    case 105:
        return "納税者(&P):";
    case 106:
        return "所有権(&S):";
    }
    return "";
}

// Runs step on the code table of an attribute, built for this step only;
// false when the attribute has no code table.
template <class Step> bool WithCodeTable(WORD zty, Step step) {
    switch (zty) {
    case 100: {
        CMav00101 table;
        step(table);
        return true;
    }
    case 101: {
        CRok00105 table;
        step(table);
        return true;
    }
    case 107: {
        CRok00113 table;
        step(table);
        return true;
    }
    case 102:
    case 103: {
        CRok00106 table;
        step(table);
        return true;
    }
    case 104:
    case 105: {
        CRok00114 table;
        step(table);
        return true;
    }
    }
    return false;
}

// The 小字 table when it lists combined 大字+小字 codes, else null.
CRok00113* MixedKoaza(Ulmabase& table) {
    return table.TblNo == 113 && table.MixFlg ? dynamic_cast<CRok00113*>(&table) : nullptr;
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
    if (m_wZty == 106) {
        for (const char* text : kOwnership)
            SendDlgItemMessage(IDC_ONLY_COMBO, CB_ADDSTRING, 0, (LPARAM)text);
        SendDlgItemMessage(IDC_ONLY_COMBO, CB_SETCURSEL, 0);
    } else {
        WithCodeTable(m_wZty, [this](Ulmabase& table) { FillCodeCombo(table); });
    }
    return TRUE;
}

void CBrsOnlyDlg::FillCodeCombo(Ulmabase& table) {
    CRok00113* koaza = MixedKoaza(table);
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
    CRok00113* koaza = MixedKoaza(table);
    if (!koaza) {
        CString text;
        table.GetCodeName(LOWORD(code), text);
        return text;
    }
    WORD oaza = 0;
    WORD koazaCode = 0;
    koaza->CodeDiv(code, oaza, koazaCode);
    koaza->OazaCode = oaza;
    CRok00105 oazaTable;
    return oazaTable.GetDispString(oaza) + koaza->GetDispString(koazaCode);
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
        if (m_wZty == 106) {
            m_dwCode = static_cast<DWORD>(item);
            m_strText = kOwnership[item];
        } else {
            DWORD code = (DWORD)SendDlgItemMessage(IDC_ONLY_COMBO, CB_GETITEMDATA, item);
            WithCodeTable(m_wZty, [&](Ulmabase& table) { m_strText = GetComboCode(table, code); });
            m_dwCode = code;
        }
    }
    CKeshDialog::OnOK();
}
