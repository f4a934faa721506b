#include "ui/brs_frto_dlg.h"
#include "ui/help_table.h"
#include "ui/resource.h"
#include "ui/zok_help_texts.h"
#include "velmora_module.h"

#include <ctime>
#include <utility>

namespace {

const char kFromHelp[] = "属性に適した塗潰しの対象を設定してください"
                         "（範囲指定型の場合は範囲の下限を入力してください）。";
const char kToHelp[] = "属性に適した塗潰しの対象を設定してください"
                       "（範囲指定型の場合は範囲の上限を入力してください）。";

const char* NumberLabel(WORD zty) {
    switch (zty) {
    case ZOK_KK_NO:
        return "画地No:";
    case ZOK_KYOYU_NINZU:
        return "共有人数:";
    case ZOK_KOBO_MEN:
        return "公簿面積:";
    case ZOK_ZAHYO_MEN:
        return "座標面積:";
    case ZOK_SANSYA_MEN:
        return "三斜面積:";
    }
    return "";
}

const char* DateLabel(WORD zty) {
    switch (zty) {
    case ZOK_TACHIAI:
        return "立会日付:";
    case ZOK_TOKI:
        return "登記日付:";
    }
    return "";
}

// The picker's date with its time of day, in seconds since 1970-01-01 00:00
// UTC, read as local time.
__time64_t PickerTime(const CDateTimeCtrl& picker) {
    SYSTEMTIME time = {};
    picker.GetTime(&time);
    std::tm local = {};
    local.tm_year = time.wYear - 1900;
    local.tm_mon = time.wMonth - 1;
    local.tm_mday = time.wDay;
    local.tm_hour = time.wHour;
    local.tm_min = time.wMinute;
    local.tm_sec = time.wSecond;
    local.tm_isdst = -1; // the calendar says whether summer time applies
    return _mktime64(&local);
}

void ShowItem(HWND hDlg, int nID, bool show) {
    ::ShowWindow(::GetDlgItem(hDlg, nID), show ? SW_SHOW : SW_HIDE);
}

int TextLength(HWND hDlg, int nID) {
    return ::GetWindowTextLengthA(::GetDlgItem(hDlg, nID));
}

} // namespace

CBrsFrtoDlg::CBrsFrtoDlg(CWnd* pParent, WORD wZty, BYTE nMode)
    : CKeshDialog(IDD_BRS_FRTO, pParent, VelmoraGetInstance()), m_nMode(nMode), m_wZty(wZty),
      m_pFromEdit(nullptr), m_pToEdit(nullptr), m_pFromDblEdit(nullptr), m_pToDblEdit(nullptr),
      m_nFrom(0), m_nTo(0), m_dFrom(0.0), m_dTo(0.0), m_tFrom(0), m_tTo(0), m_bRange(0) {
    AddCtxHelp(IDC_FRTO_FROM, kFromHelp);
    AddCtxHelp(IDC_FRTO_FROM_DATE, kFromHelp);
    AddCtxHelp(IDC_FRTO_TO, kToHelp);
    AddCtxHelp(IDC_FRTO_TO_DATE, kToHelp);
    AddCtxHelp(IDC_FRTO_RANGE, "塗潰しの対象を範囲で指定することができます。");
    AddCtxHelp(IDOK, kZokOkHelp);
    AddCtxHelp(IDCANCEL, kZokCancelHelp);
    AddCtxHelp(IDC_KESH_HELP, "このダイアログのヘルプを表示します。");
    SetHelpIndex(VELMORA_HELP_BRS_MAKE);
}

BEGIN_MESSAGE_MAP(CBrsFrtoDlg, CKeshDialog)
ON_MESSAGE(WM_KICKIDLE, &CBrsFrtoDlg::OnKickIdle)
ON_UPDATE_COMMAND_UI(IDOK, &CBrsFrtoDlg::OnUpdateOK)
ON_BN_CLICKED(IDC_FRTO_RANGE, &CBrsFrtoDlg::OnRangeClicked)
END_MESSAGE_MAP()

void CBrsFrtoDlg::DoDataExchange(CDataExchange* pDX) {
    CKeshDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FRTO_TO_DATE, m_dtTo);
    DDX_Control(pDX, IDC_FRTO_FROM_DATE, m_dtFrom);
    DDX_Check(pDX, IDC_FRTO_RANGE, m_bRange);
}

BOOL CBrsFrtoDlg::OnInitDialog() {
    CKeshDialog::OnInitDialog();
    const bool dates = m_nMode != 0;
    ShowItem(m_hWnd, IDC_FRTO_FROM, !dates);
    ShowItem(m_hWnd, IDC_FRTO_TO, !dates);
    ShowItem(m_hWnd, IDC_FRTO_FROM_DATE, dates);
    ShowItem(m_hWnd, IDC_FRTO_TO_DATE, dates);
    ::EnableWindow(::GetDlgItem(m_hWnd, ToControlId()), m_bRange != 0);
    if (dates) {
        ::SetDlgItemTextA(m_hWnd, IDC_FRTO_GROUP, DateLabel(m_wZty));
        return TRUE;
    }
    if (IsIntKind()) {
        m_pFromEdit = AddIntEdit(IDC_FRTO_FROM, &m_nFrom, 0, 65535, 10);
        m_pToEdit = AddIntEdit(IDC_FRTO_TO, &m_nTo, 0, 65535, 10);
    } else {
        m_pFromDblEdit = AddDblEdit(IDC_FRTO_FROM, &m_dFrom, 0.0, 9999999.9999999, 7, 7);
        m_pToDblEdit = AddDblEdit(IDC_FRTO_TO, &m_dTo, 0.0, 9999999.9999999, 7, 7);
    }
    ::SetDlgItemTextA(m_hWnd, IDC_FRTO_GROUP, NumberLabel(m_wZty));
    return TRUE;
}

int CBrsFrtoDlg::ToControlId() const {
    return m_nMode == 0 ? IDC_FRTO_TO : IDC_FRTO_TO_DATE;
}

LRESULT CBrsFrtoDlg::OnKickIdle(WPARAM, LPARAM) {
    UpdateDialogControls(this, TRUE);
    return 0;
}

BOOL CBrsFrtoDlg::CanConfirm() const {
    if (m_nMode != 0)
        return TRUE;
    return TextLength(m_hWnd, IDC_FRTO_FROM) > 0 &&
           (!m_bRange || TextLength(m_hWnd, IDC_FRTO_TO) > 0);
}

void CBrsFrtoDlg::OnUpdateOK(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanConfirm());
}

void CBrsFrtoDlg::OnRangeClicked() {
    m_bRange = IsDlgButtonChecked(IDC_FRTO_RANGE) == BST_CHECKED ? 1 : 0;
    ::EnableWindow(::GetDlgItem(m_hWnd, ToControlId()), m_bRange);
}

void CBrsFrtoDlg::OnOK() {
    if (!CanConfirm())
        return; // Enter while OK is disabled: the dialog stays open
    if (m_nMode != 0) {
        __time64_t from = PickerTime(m_dtFrom);
        __time64_t to = PickerTime(m_dtTo);
        if (m_bRange && from >= to)
            std::swap(from, to);
        // Dates are kept in 32 bits.
        m_tFrom = static_cast<std::int32_t>(from);
        m_tTo = static_cast<std::int32_t>(to);
    } else if (IsIntKind()) {
        int from = m_pFromEdit->GetVal();
        int to = m_pToEdit->GetVal();
        if (m_bRange && from >= to)
            std::swap(from, to);
        m_nFrom = from;
        m_nTo = to;
    } else {
        double from = m_pFromDblEdit->GetVal();
        double to = m_pToDblEdit->GetVal();
        if (m_bRange && to <= from)
            std::swap(from, to);
        m_dFrom = from;
        m_dTo = to;
    }
    CKeshDialog::OnOK();
}
