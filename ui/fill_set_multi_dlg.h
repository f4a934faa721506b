// "ブラシ設定" for several brushes at once: the same settings as for one
// brush, each with a check box that makes its change take effect. Edits a
// template brush and reports the checked boxes as a change mask, on OK only.
#pragma once

#include "afx/afxcmn.h"
#include "host/kesh_dialog.h"
#include "host/layer_combo_box.h"
#include "host/lum_brush_pat_button.h"
#include "host/lum_color_button.h"
#include "host/zel.h"
#include "model/brs.h"
#include "ui/xbutton.h"
#include "velmora_api.h"

// Bits of the change mask: which settings of the template the caller applies.
enum : WORD {
    FILL_MULTI_LAYER = 0x01,
    FILL_MULTI_PAINT_COLOR = 0x02,
    FILL_MULTI_DEPTH = 0x04,
    FILL_MULTI_HATCH_COLOR = 0x08,
    FILL_MULTI_HATCH_TYPE = 0x10,
    FILL_MULTI_SPACE = 0x20,
};

class VELMORA_API CFillSetMultiDlg : public CKeshDialog {
public:
    CFillSetMultiDlg(CWnd* pParent, WORD* pMask, CVObjBrs* pBrs, ZelAttr* pAttr);
    ~CFillSetMultiDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnPaintColor();
    void OnChoiceClicked();
    void OnDeltaPosSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnLayerOn();
    void OnPaintColorOn();
    void OnDepthOn();
    void OnHatchColorOn();
    void OnHatchTypeOn();
    void OnSpaceOn();
    // Enables the controls of one check box's row as the box says.
    void EnableBoxControls(int box);
    void UpdateAllEnabling();

    DECLARE_MESSAGE_MAP()

    CLayerComboBox m_cmbLayer;
    WORD* m_pMask;
    int m_nDepth;
    double m_dSpace;
    XButton* m_pPaintColor;
    ZelAttr* m_pAttr;
    CVObjBrs* m_pBrs;
    CKeshIntEdit* m_pDepthEdit;
    CKeshDblEdit* m_pSpaceEdit;
    CLumColorButton m_btnHatchColor;
    CLumBrushPatButtonS m_btnHatchType;
    CSpinButtonCtrl m_spin;
};
