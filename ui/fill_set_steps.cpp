#include "ui/fill_set_steps.h"
#include "afx/afxdlgs.h"
#include "ui/resource.h"

namespace {

void CreatePaintColorButton(CWnd& dlg, XButton& button) {
    RECT rect;
    ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, IDC_FILL_PAINT_COLOR_PLACE), &rect);
    dlg.ScreenToClient(&rect);
    rect.right -= 2;
    rect.bottom -= 2;
    button.Create("", WS_VISIBLE | BS_OWNERDRAW, rect, &dlg, IDC_FILL_PAINT_COLOR);
}

void FillHatchColors(CLumColorButton& button, const ZelAttr& attr, int selected) {
    button.SetImageType(2);
    button.RemoveAllColors();
    for (int i = 0; i < attr.GetColorCnt(); ++i)
        button.AddColor(i, attr.GetColor(i), 0);
    button.SetValue(selected);
}

} // namespace

void ExchangeFillControls(CDataExchange* pDX, const FillControls& controls) {
    DDX_Control(pDX, IDC_FILL_HATCH_COLOR, controls.hatchColor);
    DDX_Control(pDX, IDC_FILL_SPIN, controls.spin);
    DDX_Control(pDX, IDC_FILL_HATCH_TYPE, controls.hatchType);
    DDX_Control(pDX, IDC_FILL_LAYER, controls.layer);
}

void InitFillControls(CKeshDialog& dlg, const FillControls& controls, const FillFields& fields,
                      XButton& paintColor, ZelAttr* pAttr, const CVObjBrs& brs) {
    controls.layer.SetCanUseAttr(0);
    controls.layer.SetUp(pAttr);
    controls.layer.SetData(static_cast<WORD>(brs.LayerNo));
    fields.depthEdit = dlg.AddIntEdit(IDC_FILL_DEPTH, fields.depth, 1, 100, 0);
    fields.spaceEdit = dlg.AddDblEdit(IDC_FILL_SPACE, fields.space, 0.1, 99.99, 2, 0);
    controls.spin.SetRange(1, 100);
    controls.spin.SetPos(*fields.depth);
    CreatePaintColorButton(dlg, paintColor);
    FillHatchColors(controls.hatchColor, *pAttr, brs.HatchData.Color[0]);
    dlg.CheckRadioButton(IDC_FILL_PAINT, IDC_FILL_HATCH,
                         brs.PaintFlg == 0 ? IDC_FILL_PAINT : IDC_FILL_HATCH);
}

void ChoosePaintColor(XButton& button) {
    CColorDialog dlg(button.m_crColor, 0, nullptr);
    if (dlg.DoModal() != IDOK)
        return;
    button.m_crColor = dlg.GetColor();
    button.Invalidate(TRUE);
}

void StepDensity(CKeshIntEdit& depthEdit, CSpinButtonCtrl& spin, const NMHDR* header,
                 LRESULT* pResult) {
    CString typed;
    depthEdit.GetWindowText(typed);
    depthEdit.SetValText(typed);
    depthEdit.DisplayValText();
    int value = depthEdit.GetVal() + reinterpret_cast<const NMUPDOWN*>(header)->iDelta;
    int lower = 0;
    int upper = 0;
    spin.GetRange(lower, upper);
    if (value < lower)
        value = lower;
    if (value > upper)
        value = upper;
    spin.SetPos(value);
    depthEdit.SetVal(value);
    depthEdit.GetWindowText(typed);
    depthEdit.SetValText(typed);
    depthEdit.DisplayValText();
    *pResult = 1;
}

void WriteFillSettings(CVObjBrs& brs, const FillSettings& fill) {
    brs.LayerNo = fill.layer;
    brs.PaintFlg = fill.paint ? 0 : 1;
    brs.PaintData.Color = fill.paintColor;
    brs.PaintData.Depth = fill.depth;
    for (BYTE& color : brs.HatchData.Color)
        color = static_cast<BYTE>(fill.hatchColor->GetValue());
    brs.HatchData.Type = fill.hatchType->GetValue();
    for (double& space : brs.HatchData.Space)
        space = fill.space;
}

void EnableDlgItem(CWnd& dlg, int id, BOOL enable) {
    ::EnableWindow(::GetDlgItem(dlg.m_hWnd, id), enable);
}
