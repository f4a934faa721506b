// The host framework's dialog base: per-control help texts (shown as tool
// tips), the dialog's entry in its module's help table (shown by the help
// button), and bound edit fields that it owns.
#pragma once

#include "afx/afxwin.h"
#include "host/kesh_edit.h"
#include "velmora_api.h"

#include <memory>
#include <vector>

class VELMORA_API CKeshDialog : public CDialog {
public:
    enum { IDHELP_BUTTON = 9 };

    CKeshDialog(UINT nIDTemplate, CWnd* pParent, HINSTANCE hInstance);
    ~CKeshDialog() override;

    int AddCtxHelp(int nID, const char* text);
    void SetHelpIndex(int index) { m_nHelpIndex = index; }

    CKeshIntEdit* AddIntEdit(int nID, int* value, int min, int max, short option);
    CKeshDblEdit* AddDblEdit(int nID, double* value, double min, double max, short decimals,
                             short option);
    CKeshStrEdit* AddStrEdit(int nID, CString* value, UINT maxLength);

    BOOL OnInitDialog() override;

protected:
    // The one-line help text registered for a control, or null.
    virtual const char* OnGetCtxHelpText(int nID) const;
    // Shows the title of the dialog's entry in its module's help table.
    virtual void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    struct CtxHelp {
        int nID;
        CString text;
    };

    template <class T> T* Bind(int nID, std::unique_ptr<T> edit);

    HINSTANCE m_hInstance;
    int m_nHelpIndex = -1;
    std::vector<CtxHelp> m_ctxHelp;
    std::vector<std::unique_ptr<CKeshEdit>> m_edits;
    HWND m_hToolTip = nullptr;
};
