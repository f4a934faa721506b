#include "ui/fill_set_dlg.h"
#include "host/round.h"
#include "ui/fill_set_steps.h"
#include "ui/help_table.h"
#include "ui/resource.h"
#include "velmora_module.h"

CFillSetDlg::CFillSetDlg(CWnd* pParent, CVObjBrs* pBrs, ZelAttr* pAttr)
    : CKeshDialog(IDD_FILL_SET, pParent, VelmoraGetInstance()), m_pBrs(pBrs), m_pDepthEdit(nullptr),
      m_pSpaceEdit(nullptr) {
    AddCtxHelp(IDC_FILL_LAYER, "作図先のレイヤを選択します。");
    AddCtxHelp(IDC_FILL_PAINT_COLOR, "ペイント色を選択します。");
    AddCtxHelp(IDC_FILL_DEPTH, "濃度を入力します。");
    AddCtxHelp(IDC_FILL_HATCH_COLOR, "ハッチング色を選択します。");
    AddCtxHelp(IDC_FILL_HATCH_TYPE, "ハッチングタイプを選択します。");
    AddCtxHelp(IDC_FILL_SPACE, "間隔を入力します。");
    AddCtxHelp(IDC_FILL_PAINT, "塗り潰しにペイントを使います。");
    AddCtxHelp(IDC_FILL_HATCH, "塗り潰しにハッチングを使います。");
    SetHelpIndex(VELMORA_HELP_BRS_SET);

    m_pPaintColor = new XButton(pBrs->PaintData.Color);
    m_pAttr = pAttr;
    double depth = pBrs->PaintData.Depth;
    m_nDepth = _f_round(&depth);
    m_dSpace = pBrs->HatchData.Space[0];
}

CFillSetDlg::~CFillSetDlg() {
    delete m_pPaintColor;
}

BEGIN_MESSAGE_MAP(CFillSetDlg, CKeshDialog)
ON_BN_CLICKED(IDC_FILL_PAINT_COLOR, &CFillSetDlg::OnPaintColor)
ON_BN_CLICKED(IDC_FILL_PAINT, &CFillSetDlg::OnPaintChosen)
ON_BN_CLICKED(IDC_FILL_HATCH, &CFillSetDlg::OnHatchChosen)
ON_NOTIFY(UDN_DELTAPOS, IDC_FILL_SPIN, &CFillSetDlg::OnDeltaPosSpin)
END_MESSAGE_MAP()

void CFillSetDlg::DoDataExchange(CDataExchange* pDX) {
    CKeshDialog::DoDataExchange(pDX);
    ExchangeFillControls(pDX, {m_cmbLayer, m_btnHatchColor, m_btnHatchType, m_spin});
}

BOOL CFillSetDlg::OnInitDialog() {
    CKeshDialog::OnInitDialog();
    InitFillControls(*this, {m_cmbLayer, m_btnHatchColor, m_btnHatchType, m_spin},
                     {&m_nDepth, &m_dSpace, m_pDepthEdit, m_pSpaceEdit}, *m_pPaintColor, m_pAttr,
                     *m_pBrs);
    EnableFor(m_pBrs->PaintFlg == 0);
    m_btnHatchType.SetValue(m_pBrs->HatchData.Type);
    return TRUE;
}

void CFillSetDlg::EnableFor(BOOL paint) {
    EnableDlgItem(*this, IDC_FILL_PAINT_COLOR, paint);
    EnableDlgItem(*this, IDC_FILL_DEPTH, paint);
    EnableDlgItem(*this, IDC_FILL_SPACE, !paint);
    EnableDlgItem(*this, IDC_FILL_HATCH_COLOR, !paint);
    EnableDlgItem(*this, IDC_FILL_HATCH_TYPE, !paint);
}

void CFillSetDlg::OnPaintColor() {
    ChoosePaintColor(*m_pPaintColor);
}

void CFillSetDlg::OnPaintChosen() {
    EnableFor(TRUE);
}

void CFillSetDlg::OnHatchChosen() {
    EnableFor(FALSE);
}

void CFillSetDlg::OnDeltaPosSpin(NMHDR* pNMHDR, LRESULT* pResult) {
    StepDensity(*m_pDepthEdit, m_spin, pNMHDR, pResult);
}

void CFillSetDlg::OnOK() {
    WriteFillSettings(*m_pBrs, {m_cmbLayer.GetData(), IsDlgButtonChecked(IDC_FILL_PAINT) != 0,
                                m_pPaintColor->m_crColor, m_nDepth, &m_btnHatchColor,
                                &m_btnHatchType, m_dSpace});
    CKeshDialog::OnOK();
}
