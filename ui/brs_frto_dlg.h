// The condition of a new brush that takes one number or date, or a From-To
// range of them: number fields (mode 0) or date pickers (mode 1).
#pragma once

#include "afx/afxcmn.h"
#include "host/kesh_dialog.h"
#include "model/zok_catalogue.h"
#include "velmora_api.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
class VELMORA_API CBrsFrtoDlg : public CKeshDialog {
public:
    CBrsFrtoDlg(CWnd* pParent, WORD wZty, BYTE nMode);

    BYTE m_nMode; // 0 number fields, 1 date pickers
    WORD m_wZty;  // the palette's attribute ID
    CKeshIntEdit* m_pFromEdit;
    CKeshIntEdit* m_pToEdit;
    CKeshDblEdit* m_pFromDblEdit;
    CKeshDblEdit* m_pToDblEdit;
    std::int32_t m_nFrom;
    std::int32_t m_nTo;
    double m_dFrom;
    double m_dTo;
    std::int32_t m_tFrom; // seconds since 1970-01-01 00:00 UTC
    std::int32_t m_tTo;
    CDateTimeCtrl m_dtFrom;
    CDateTimeCtrl m_dtTo;
    int m_bRange; // non-zero: a From-To range

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    LRESULT OnKickIdle(WPARAM, LPARAM);
    void OnUpdateOK(CCmdUI* pCmdUI);
    void OnRangeClicked();

    DECLARE_MESSAGE_MAP()

private:
    BOOL IsIntKind() const { return m_wZty == ZOK_KK_NO || m_wZty == ZOK_KYOYU_NINZU; }
    int ToControlId() const;
    BOOL CanConfirm() const;
};
#pragma pack(pop)

// The host reads these members at fixed places behind m_nMode: byte-packed, in order.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(CBrsFrtoDlg, m_pFromEdit) - offsetof(CBrsFrtoDlg, m_nMode) == 3,
              "CBrsFrtoDlg layout");
static_assert(offsetof(CBrsFrtoDlg, m_pToDblEdit) - offsetof(CBrsFrtoDlg, m_nMode) == 27,
              "CBrsFrtoDlg layout");
static_assert(offsetof(CBrsFrtoDlg, m_nFrom) - offsetof(CBrsFrtoDlg, m_nMode) == 35,
              "CBrsFrtoDlg layout");
static_assert(offsetof(CBrsFrtoDlg, m_dFrom) - offsetof(CBrsFrtoDlg, m_nMode) == 43,
              "CBrsFrtoDlg layout");
static_assert(offsetof(CBrsFrtoDlg, m_tFrom) - offsetof(CBrsFrtoDlg, m_nMode) == 59,
              "CBrsFrtoDlg layout");
static_assert(offsetof(CBrsFrtoDlg, m_dtFrom) - offsetof(CBrsFrtoDlg, m_nMode) == 67,
              "CBrsFrtoDlg layout");
static_assert(offsetof(CBrsFrtoDlg, m_bRange) - offsetof(CBrsFrtoDlg, m_nMode) ==
                  67 + 2 * sizeof(CDateTimeCtrl),
              "CBrsFrtoDlg layout");
#pragma GCC diagnostic pop
