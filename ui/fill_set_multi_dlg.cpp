#include "ui/fill_set_multi_dlg.h"
#include "host/round.h"
#include "ui/fill_set_steps.h"
#include "ui/help_table.h"
#include "ui/resource.h"
#include "velmora_module.h"

namespace {
// Each check box: its mask bit and the controls it enables.
struct MaskBox {
    int box;
    WORD bit;
    int controls[2];
};

const MaskBox kBoxes[] = {
    {IDC_MULTI_LAYER_ON, FILL_MULTI_LAYER, {IDC_FILL_LAYER, 0}},
    {IDC_MULTI_PAINT_COLOR_ON, FILL_MULTI_PAINT_COLOR, {IDC_FILL_PAINT_COLOR, 0}},
    {IDC_MULTI_DEPTH_ON, FILL_MULTI_DEPTH, {IDC_FILL_DEPTH, IDC_FILL_SPIN}},
    {IDC_MULTI_HATCH_COLOR_ON, FILL_MULTI_HATCH_COLOR, {IDC_FILL_HATCH_COLOR, 0}},
    {IDC_MULTI_HATCH_TYPE_ON, FILL_MULTI_HATCH_TYPE, {IDC_FILL_HATCH_TYPE, 0}},
    {IDC_MULTI_SPACE_ON, FILL_MULTI_SPACE, {IDC_FILL_SPACE, 0}},
};

const MaskBox& BoxOf(int box) {
    for (const MaskBox& entry : kBoxes)
        if (entry.box == box)
            return entry;
    return kBoxes[0];
}
} // namespace

CFillSetMultiDlg::CFillSetMultiDlg(CWnd* pParent, WORD* pMask, CVObjBrs* pBrs, ZelAttr* pAttr)
    : CKeshDialog(IDD_FILL_SET_MULTI, pParent, VelmoraGetInstance()), m_pBrs(pBrs),
      m_pDepthEdit(nullptr), m_pSpaceEdit(nullptr) {
    AddCtxHelp(IDC_MULTI_LAYER_ON, "レイヤの変更を有効にする場合にチェックを「ＯＮ」にします。");
    AddCtxHelp(IDC_MULTI_PAINT_COLOR_ON,
               "ペイント色の変更を有効にする場合にチェックを「ＯＮ」にします。");
    AddCtxHelp(IDC_MULTI_DEPTH_ON,
               "ペイント濃度の変更を有効にする場合にチェックを「ＯＮ」にします。");
    AddCtxHelp(IDC_MULTI_HATCH_COLOR_ON,
               "ハッチング色の変更を有効にする場合にチェックを「ＯＮ」にします。");
    AddCtxHelp(IDC_MULTI_HATCH_TYPE_ON,
               "ハッチングタイプの変更を有効にする場合にチェックを「ＯＮ」にします。");
    AddCtxHelp(IDC_MULTI_SPACE_ON,
               "ハッチング間隔の変更を有効にする場合にチェックを「ＯＮ」にします。");
    AddCtxHelp(IDC_FILL_LAYER, "作図先のレイヤを選択します。");
    AddCtxHelp(IDC_FILL_PAINT_COLOR, "ペイント色を選択します。");
    AddCtxHelp(IDC_FILL_DEPTH, "ペイントの濃度を入力します。");
    AddCtxHelp(IDC_FILL_HATCH_COLOR, "ハッチング色を選択します。");
    AddCtxHelp(IDC_FILL_HATCH_TYPE, "ハッチングタイプを選択します。");
    AddCtxHelp(IDC_FILL_SPACE, "ハッチング間隔を入力します。");
    AddCtxHelp(IDC_FILL_PAINT, "塗り潰しにペイントを使います。");
    AddCtxHelp(IDC_FILL_HATCH, "塗り潰しにハッチングを使います。");
    SetHelpIndex(VELMORA_HELP_BRS_SET);

    m_pPaintColor = new XButton(pBrs->PaintData.Color);
    m_pAttr = pAttr;
    double depth = pBrs->PaintData.Depth;
    m_nDepth = _f_round(&depth);
    m_dSpace = pBrs->HatchData.Space[0];
    m_pMask = pMask;
}

CFillSetMultiDlg::~CFillSetMultiDlg() {
    delete m_pPaintColor;
}

BEGIN_MESSAGE_MAP(CFillSetMultiDlg, CKeshDialog)
ON_BN_CLICKED(IDC_FILL_PAINT_COLOR, &CFillSetMultiDlg::OnPaintColor)
ON_BN_CLICKED(IDC_FILL_PAINT, &CFillSetMultiDlg::OnChoiceClicked)
ON_BN_CLICKED(IDC_FILL_HATCH, &CFillSetMultiDlg::OnChoiceClicked)
ON_NOTIFY(UDN_DELTAPOS, IDC_FILL_SPIN, &CFillSetMultiDlg::OnDeltaPosSpin)
ON_BN_CLICKED(IDC_MULTI_LAYER_ON, &CFillSetMultiDlg::OnLayerOn)
ON_BN_CLICKED(IDC_MULTI_PAINT_COLOR_ON, &CFillSetMultiDlg::OnPaintColorOn)
ON_BN_CLICKED(IDC_MULTI_DEPTH_ON, &CFillSetMultiDlg::OnDepthOn)
ON_BN_CLICKED(IDC_MULTI_HATCH_COLOR_ON, &CFillSetMultiDlg::OnHatchColorOn)
ON_BN_CLICKED(IDC_MULTI_HATCH_TYPE_ON, &CFillSetMultiDlg::OnHatchTypeOn)
ON_BN_CLICKED(IDC_MULTI_SPACE_ON, &CFillSetMultiDlg::OnSpaceOn)
END_MESSAGE_MAP()

void CFillSetMultiDlg::DoDataExchange(CDataExchange* pDX) {
    CKeshDialog::DoDataExchange(pDX);
    ExchangeFillControls(pDX, {m_cmbLayer, m_btnHatchColor, m_btnHatchType, m_spin});
}

BOOL CFillSetMultiDlg::OnInitDialog() {
    CKeshDialog::OnInitDialog();
    InitFillControls(*this, {m_cmbLayer, m_btnHatchColor, m_btnHatchType, m_spin},
                     {&m_nDepth, &m_dSpace, m_pDepthEdit, m_pSpaceEdit}, *m_pPaintColor, m_pAttr,
                     *m_pBrs);
    UpdateAllEnabling();
    m_btnHatchType.SetValue(m_pBrs->HatchData.Type);
    return TRUE;
}

void CFillSetMultiDlg::EnableBoxControls(int box) {
    BOOL on = IsDlgButtonChecked(box) != 0;
    for (int control : BoxOf(box).controls)
        if (control)
            EnableDlgItem(*this, control, on);
}

void CFillSetMultiDlg::UpdateAllEnabling() {
    EnableBoxControls(IDC_MULTI_LAYER_ON);
    // The boxes of the chosen fill follow their own checks; the other fill's
    // boxes and controls are off, the boxes keeping their checks.
    BOOL paint = IsDlgButtonChecked(IDC_FILL_PAINT) != 0;
    for (const MaskBox& entry : kBoxes) {
        if (entry.box == IDC_MULTI_LAYER_ON)
            continue;
        BOOL ofPaint = (entry.bit & (FILL_MULTI_PAINT_COLOR | FILL_MULTI_DEPTH)) != 0;
        BOOL chosen = ofPaint == paint;
        EnableDlgItem(*this, entry.box, chosen);
        if (chosen) {
            EnableBoxControls(entry.box);
            continue;
        }
        for (int control : entry.controls)
            if (control)
                EnableDlgItem(*this, control, FALSE);
    }
}

void CFillSetMultiDlg::OnPaintColor() {
    ChoosePaintColor(*m_pPaintColor);
}

void CFillSetMultiDlg::OnChoiceClicked() {
    UpdateAllEnabling();
}

void CFillSetMultiDlg::OnDeltaPosSpin(NMHDR* pNMHDR, LRESULT* pResult) {
    StepDensity(*m_pDepthEdit, m_spin, pNMHDR, pResult);
}

void CFillSetMultiDlg::OnLayerOn() {
    EnableBoxControls(IDC_MULTI_LAYER_ON);
}

void CFillSetMultiDlg::OnPaintColorOn() {
    EnableBoxControls(IDC_MULTI_PAINT_COLOR_ON);
}

void CFillSetMultiDlg::OnDepthOn() {
    EnableBoxControls(IDC_MULTI_DEPTH_ON);
}

void CFillSetMultiDlg::OnHatchColorOn() {
    EnableBoxControls(IDC_MULTI_HATCH_COLOR_ON);
}

void CFillSetMultiDlg::OnHatchTypeOn() {
    EnableBoxControls(IDC_MULTI_HATCH_TYPE_ON);
}

void CFillSetMultiDlg::OnSpaceOn() {
    EnableBoxControls(IDC_MULTI_SPACE_ON);
}

void CFillSetMultiDlg::OnOK() {
    WriteFillSettings(*m_pBrs, {m_cmbLayer.GetData(), IsDlgButtonChecked(IDC_FILL_PAINT) != 0,
                                m_pPaintColor->m_crColor, m_nDepth, &m_btnHatchColor,
                                &m_btnHatchType, m_dSpace});
    WORD mask = 0;
    for (const MaskBox& entry : kBoxes)
        if (IsDlgButtonChecked(entry.box))
            mask |= entry.bit;
    *m_pMask = mask;
    CKeshDialog::OnOK();
}
