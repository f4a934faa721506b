#include "host/kesh_dialog.h"
#include "host/ostin_help_context.h"
#include "host/vmessagebox.h"

CKeshDialog::CKeshDialog(UINT nIDTemplate, CWnd* pParent, HINSTANCE hInstance)
    : CDialog(nIDTemplate, pParent), m_hInstance(hInstance) {}

CKeshDialog::~CKeshDialog() = default;

BEGIN_MESSAGE_MAP(CKeshDialog, CDialog)
ON_COMMAND(CKeshDialog::IDHELP_BUTTON, &CKeshDialog::OnHelp)
END_MESSAGE_MAP()

int CKeshDialog::AddCtxHelp(int nID, const char* text) {
    m_ctxHelp.push_back({nID, CString(text)});
    return static_cast<int>(m_ctxHelp.size());
}

const char* CKeshDialog::OnGetCtxHelpText(int nID) const {
    for (const CtxHelp& help : m_ctxHelp)
        if (help.nID == nID)
            return help.text;
    return nullptr;
}

BOOL CKeshDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_hToolTip =
        ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, m_hInstance, nullptr);
    for (const CtxHelp& help : m_ctxHelp) {
        HWND control = ::GetDlgItem(m_hWnd, help.nID);
        if (!control)
            continue;
        TOOLINFOA tool = {};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_hWnd;
        tool.uId = (UINT_PTR)control;
        tool.lpszText = const_cast<char*>(OnGetCtxHelpText(help.nID));
        ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, (LPARAM)&tool);
    }
    return TRUE;
}

void CKeshDialog::OnHelp() {
    // The help manager's way in: the module's own help-table export.
    typedef TOstinHelpContext* (*HelpContextFn)(int, TOstinHelpContext*);
    FARPROC proc = ::GetProcAddress(m_hInstance, "___OSTINHELP_CONTEXT");
    if (!proc || m_nHelpIndex < 0)
        return;
    TOstinHelpContext entry(0, "", 0, "");
    reinterpret_cast<HelpContextFn>(reinterpret_cast<void (*)()>(proc))(m_nHelpIndex, &entry);
    CString caption;
    GetWindowText(caption);
    VMessageBox(entry.GetTitle(), caption, MB_OK | MB_ICONINFORMATION, 0);
}

template <class T> T* CKeshDialog::Bind(int nID, std::unique_ptr<T> edit) {
    if (!edit->SubclassDlgItem(static_cast<UINT>(nID), this))
        return nullptr;
    edit->DisplayValText();
    T* bound = edit.get();
    m_edits.push_back(std::move(edit));
    return bound;
}

CKeshIntEdit* CKeshDialog::AddIntEdit(int nID, int* value, int min, int max, short) {
    return Bind(nID, std::make_unique<CKeshIntEdit>(value, min, max));
}

CKeshDblEdit* CKeshDialog::AddDblEdit(int nID, double* value, double min, double max,
                                      short decimals, short) {
    return Bind(nID, std::make_unique<CKeshDblEdit>(value, min, max, decimals));
}

CKeshStrEdit* CKeshDialog::AddStrEdit(int nID, CString* value, UINT maxLength) {
    return Bind(nID, std::make_unique<CKeshStrEdit>(value, maxLength));
}
