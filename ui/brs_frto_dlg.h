// The condition of a new brush that takes one number or date, or a From-To
// range of them: number fields (mode 0) or date pickers (mode 1).
#pragma once

#include "afx/afxcmn.h"
#include "host/kesh_dialog.h"
#include "model/zok_catalogue.h"
#include "velmora_api.h"

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
