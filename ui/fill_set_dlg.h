// "ブラシ設定" for one brush: its layer, and a solid paint (colour and
// density) or a hatching (colour number, pattern and spacing). Edits the
// brush it is given, and only on OK.
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

class VELMORA_API CFillSetDlg : public CKeshDialog {
public:
    CFillSetDlg(CWnd* pParent, CVObjBrs* pBrs, ZelAttr* pAttr);
    ~CFillSetDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnPaintColor();
    void OnPaintChosen();
    void OnHatchChosen();
    void OnDeltaPosSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void EnableFor(BOOL paint);

    DECLARE_MESSAGE_MAP()

    CLayerComboBox m_cmbLayer;
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
