// The condition of a new brush that takes one value: a typed text (mode 0),
// or a value chosen from the host's code list of the attribute (mode 1).
#pragma once

#include "host/kesh_dialog.h"
#include "velmora_api.h"

#include <cstddef>

class Ulmabase;

#pragma pack(push, 1)
class VELMORA_API CBrsOnlyDlg : public CKeshDialog {
public:
    CBrsOnlyDlg(CWnd* pParent, WORD wZty, BYTE nMode);

    BYTE m_nMode; // 0 text field, 1 list of values
    WORD m_wZty;  // the palette's attribute ID
    CKeshStrEdit* m_pStrEdit;
    DWORD m_dwCode;    // mode 1: the chosen code, set on OK
    CString m_strText; // the typed text, or the chosen value's display text

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    LRESULT OnKickIdle(WPARAM, LPARAM);
    void OnUpdateOK(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    BOOL CanConfirm() const;
    void FillCodeCombo(Ulmabase& table);
    // The display text of one code of the table, as the list shows it.
    static CString GetComboCode(Ulmabase& table, DWORD code);
};
#pragma pack(pop)

// The host reads these members at fixed places behind m_nMode: byte-packed, in order.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(CBrsOnlyDlg, m_wZty) - offsetof(CBrsOnlyDlg, m_nMode) == 1,
              "CBrsOnlyDlg layout");
static_assert(offsetof(CBrsOnlyDlg, m_pStrEdit) - offsetof(CBrsOnlyDlg, m_nMode) == 3,
              "CBrsOnlyDlg layout");
static_assert(offsetof(CBrsOnlyDlg, m_dwCode) - offsetof(CBrsOnlyDlg, m_nMode) == 11,
              "CBrsOnlyDlg layout");
static_assert(offsetof(CBrsOnlyDlg, m_strText) - offsetof(CBrsOnlyDlg, m_nMode) == 15,
              "CBrsOnlyDlg layout");
#pragma GCC diagnostic pop
