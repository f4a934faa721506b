#include "afx/afxwin.h"

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    try {
        dialog->SubclassWindow(hWnd);
        RECT before;
        ::GetWindowRect(hWnd, &before);
        BOOL result = dialog->OnInitDialog();
        // A modal dialog that is still hidden where its template put it, over
        // a disabled owner, is centred, as the class library does.
        RECT after;
        ::GetWindowRect(hWnd, &after);
        HWND owner = ::GetWindow(hWnd, GW_OWNER);
        if (!(dialog->GetStyle() & WS_VISIBLE) && before.left == after.left &&
            before.top == after.top && (!owner || !::IsWindowEnabled(owner)))
            dialog->CenterWindow();
        return result;
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    dialog->EndDialog(-1);
    return TRUE;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal() {
    HINSTANCE instance = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nIDHelp), RT_DIALOG);
    if (!resource)
        return -1;
    const DLGTEMPLATE* dialogTemplate =
        static_cast<const DLGTEMPLATE*>(::LockResource(::LoadResource(instance, resource)));
    if (!dialogTemplate)
        return -1;

    HWND parent = m_pParentWnd ? ::GetAncestor(m_pParentWnd->m_hWnd, GA_ROOT) : ::GetActiveWindow();
    BOOL enableParent = FALSE;
    if (parent && parent != ::GetDesktopWindow() && ::IsWindowEnabled(parent)) {
        ::EnableWindow(parent, FALSE);
        enableParent = TRUE;
    }

    m_bContinueModal = TRUE;
    m_nModalResult = -1;
    ::CreateDialogIndirectParamA(instance, dialogTemplate, parent, &AfxDlgProc, (LPARAM)this);
    if (m_hWnd && m_bContinueModal)
        RunModalLoop();
    m_bContinueModal = FALSE;

    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (enableParent)
        ::EnableWindow(parent, TRUE);
    if (parent && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(parent);
    DestroyWindow();
    return m_nModalResult;
}

namespace {
// Messages after which the idle handler need not run again: repaints, the
// caret's timer and mouse moves that did not move.
BOOL IsIdleMessage(const MSG& msg, POINT& lastCursor) {
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        if (msg.pt.x == lastCursor.x && msg.pt.y == lastCursor.y)
            return FALSE;
        lastCursor = msg.pt;
        return TRUE;
    }
    return msg.message != WM_PAINT && msg.message != 0x0118;
}
} // namespace

// The loop takes messages as Unicode, as the system's own dialog loop does: a
// typed Japanese character then reaches an ANSI edit field as the pair of
// code page bytes it expects. Taken as ANSI here, Wine hands the field each
// byte of the pair on its own and the field shows two broken characters.
int CDialog::RunModalLoop() {
    BOOL idle = TRUE;
    LONG idleCount = 0;
    BOOL showIdle = !(GetStyle() & WS_VISIBLE);
    HWND parent = ::GetParent(m_hWnd);
    POINT lastCursor = {-1, -1};
    MSG msg;
    for (;;) {
        while (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (showIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                showIdle = FALSE;
            }
            if (parent && idleCount == 0)
                ::SendMessageA(parent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if (!SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++))
                idle = FALSE;
        }
        do {
            if (!::GetMessageW(&msg, nullptr, 0, 0)) {
                ::PostQuitMessage((int)msg.wParam);
                return -1;
            }
            if (!PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            if (!m_bContinueModal)
                return m_nModalResult;
            if (IsIdleMessage(msg, lastCursor)) {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    BOOL input = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                 (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    return input && ::IsDialogMessageW(m_hWnd, pMsg);
}

void CDialog::EndDialog(int nResult) {
    if (m_bContinueModal) {
        m_bContinueModal = FALSE;
        m_nModalResult = nResult;
        PostMessage(WM_NULL);
    }
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
