#include "ui/make_palete_dlg.h"
#include "model/zok_catalogue.h"
#include "ui/fill_set_dlg.h"
#include "ui/fill_set_multi_dlg.h"
#include "ui/help_table.h"
#include "ui/new_brs_condition.h"
#include "ui/resource.h"
#include "velmora_module.h"

#include <cmath>

CMakePaleteDlg::CMakePaleteDlg(ZEL* pDrawing, CWnd* pParent, CVObjPlt* pPlt, int* pSelIndex,
                               int bExisting)
    : CKeshDialog(IDD_MAKE_PALETE, pParent, VelmoraGetInstance()) {
    AddCtxHelp(IDC_PLT_NAME, "ペイントに使用するパレットの名称を設定します。");
    AddCtxHelp(IDC_PLT_ZOK, "パレットが対象とする属性を表示します。");
    AddCtxHelp(IDC_BRS_ADD, "新規のペイントブラシを追加します。");
    AddCtxHelp(IDC_BRS_DELETE, "ダイアログ上のリストで選択されているペイントブラシを削除します");
    AddCtxHelp(IDC_BRS_CHANGE, "ダイアログ上のリストで選択されているペイントブラシを編集します。");
    AddCtxHelp(IDC_BRS_LIST, "現在登録されているペイントブラシの内容を表示します。");
    AddCtxHelp(IDOK, "設定を更新してペイントパターン一覧画面に戻ります。");
    AddCtxHelp(IDCANCEL, "設定を破棄してペイントパターン一覧画面に戻ります。");
    AddCtxHelp(IDC_KESH_HELP, "このダイアログのヘルプを表示します。");
    SetHelpIndex(VELMORA_HELP_PALETTE);
    m_strName.Empty();
    m_pDrawing = pDrawing;
    m_pPlt = pPlt;
    m_pSelIndex = pSelIndex;
    m_bExisting = bExisting;
}

CMakePaleteDlg::~CMakePaleteDlg() = default;

BEGIN_MESSAGE_MAP(CMakePaleteDlg, CKeshDialog)
ON_COMMAND(IDC_BRS_ADD, &CMakePaleteDlg::OnAdd)
ON_COMMAND(IDC_BRS_DELETE, &CMakePaleteDlg::OnDelete)
ON_COMMAND(IDC_BRS_CHANGE, &CMakePaleteDlg::OnChange)
ON_NOTIFY(NM_DBLCLK, IDC_BRS_LIST, &CMakePaleteDlg::OnListDblClk)
ON_NOTIFY(NM_RCLICK, IDC_BRS_LIST, &CMakePaleteDlg::OnListRClick)
ON_MESSAGE(WM_KICKIDLE, &CMakePaleteDlg::OnKickIdle)
ON_UPDATE_COMMAND_UI(IDOK, &CMakePaleteDlg::OnUpdateOK)
ON_UPDATE_COMMAND_UI(IDC_BRS_ADD, &CMakePaleteDlg::OnUpdateAdd)
ON_UPDATE_COMMAND_UI(IDC_BRS_DELETE, &CMakePaleteDlg::OnUpdateDelete)
ON_UPDATE_COMMAND_UI(IDC_BRS_CHANGE, &CMakePaleteDlg::OnUpdateChange)
END_MESSAGE_MAP()

void CMakePaleteDlg::DoDataExchange(CDataExchange* pDX) {
    CKeshDialog::DoDataExchange(pDX);
}

BOOL CMakePaleteDlg::OnInitDialog() {
    CKeshDialog::OnInitDialog();
    AddStrEdit(IDC_PLT_NAME, &m_strName, 30);
    SetDlgItemTextA(m_hWnd, IDC_PLT_NAME, m_bExisting ? m_pPlt->GetPNm() : "新規パレット");
    m_list.SubclassDlgItem(IDC_BRS_LIST, this);

    // One 1 x 32 image gives every row its height; no row shows it.
    m_imgList.Create(1, 32, ILC_COLOR | ILC_MASK, 1, 1);
    m_imgList.Add(::LoadIconA(VelmoraGetInstance(), MAKEINTRESOURCEA(IDI_VELMORA)));
    m_list.SetImageList(&m_imgList, LVSIL_SMALL);

    InsertColumns();
    m_list.SetData(m_pDrawing, m_pPlt);
    m_list.EnableWindow(m_pPlt->CountBrs() > 0);

    CString zokName;
    if (m_pPlt->GetZty() == 0)
        zokName = "フリー";
    else
        Velmora_GetZokName(m_pPlt->GetZkLabel(), zokName);
    SetDlgItemTextA(m_hWnd, IDC_PLT_ZOK, zokName);

    m_list.FillList();
    if (m_pPlt->CountBrs() > 0)
        m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    return TRUE;
}

void CMakePaleteDlg::InsertColumns() {
    int w = m_list.GetStringWidth("XXXXXXXXXX");
    RECT rect;
    m_list.GetWindowRect(&rect);
    int width = rect.right - rect.left;
    int n = static_cast<int>(std::floor((width - (4 * w + 20)) / 2.0));
    m_list.InsertColumn(0, "ブラシ名", LVCFMT_LEFT, n);
    m_list.InsertColumn(1, "レイヤNO", LVCFMT_LEFT, n);
    m_list.InsertColumn(2, "描画色", LVCFMT_CENTER, w);
    m_list.InsertColumn(3, "パターン", LVCFMT_CENTER, w);
    m_list.InsertColumn(4, "濃度(%)", LVCFMT_CENTER, w);
    m_list.InsertColumn(5, "間隔(mm)", LVCFMT_CENTER, w);
}

std::vector<int> CMakePaleteDlg::SelectedRows() const {
    std::vector<int> rows;
    for (int row = m_list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = m_list.GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

void CMakePaleteDlg::SelectRow(int row) {
    m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(row, FALSE);
}

void CMakePaleteDlg::OnAdd() {
    if (m_pPlt->CountBrs() >= VELMORA_MAX_BRS)
        return;
    CVObjBrs brs;
    brs.Clear();
    if (!AskNewBrsCondition(this, m_pPlt->GetZty(), brs))
        return;
    int n = m_pPlt->CountBrs();
    brs.BFg = 1;
    m_pPlt->AddBrs(static_cast<BYTE>(n), &brs);

    Invalidate(TRUE);
    m_list.EnableWindow(TRUE);
    m_list.FillList();
    m_list.EnsureVisible(n, FALSE);
    m_list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetItemState(n, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CMakePaleteDlg::OnDelete() {
    std::vector<int> rows = SelectedRows();
    if (m_pPlt->CountBrs() == 0 || rows.empty())
        return;
    // From the highest index down, so that the lower ones stay where they are.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        m_pPlt->DelBrs(static_cast<BYTE>(*row));

    m_list.SetRedraw(FALSE);
    m_list.FillList();
    int k = m_list.GetItemCount();
    int f = rows.front();
    if (f < k)
        SelectRow(f);
    else if (k > 0)
        SelectRow(k - 1);
    m_list.SetRedraw(TRUE);
    m_list.EnableWindow(m_pPlt->CountBrs() > 0);
}

void CMakePaleteDlg::OnChange() {
    std::vector<int> rows = SelectedRows();
    if (rows.size() == 1)
        ChangeOne(rows.front());
    else if (rows.size() > 1)
        ChangeSeveral(rows);
}

void CMakePaleteDlg::ChangeOne(int row) {
    CVObjBrs* brs = m_pPlt->GetObjBrs(static_cast<BYTE>(row));
    if (!brs)
        return;
    CVObjBrs work;
    work.Copy(*brs);
    CFillSetDlg dlg(this, &work, &m_pDrawing->Attr());
    if (dlg.DoModal() != IDOK)
        return;
    m_list.SetRedraw(FALSE);
    brs->Copy(work);
    m_pPlt->ChgBrs(static_cast<BYTE>(row), brs, CHG_BRS_ALL);
    m_list.UpdateRow(row);
    m_list.SetRedraw(TRUE);
}

void CMakePaleteDlg::ChangeSeveral(const std::vector<int>& rows) {
    // The template shares the layer and the fill choice of the selected
    // brushes when they agree, and is a cleared brush otherwise.
    CVObjBrs templ;
    const CVObjBrs* first = m_pPlt->GetObjBrs(static_cast<BYTE>(rows.front()));
    if (first) {
        BOOL sameLayer = TRUE;
        BOOL sameFlg = TRUE;
        for (size_t i = 1; i < rows.size() && (sameLayer || sameFlg); ++i) {
            const CVObjBrs* brs = m_pPlt->GetObjBrs(static_cast<BYTE>(rows[i]));
            if (!brs)
                continue;
            sameLayer = sameLayer && brs->LayerNo == first->LayerNo;
            sameFlg = sameFlg && brs->PaintFlg == first->PaintFlg;
        }
        if (sameLayer)
            templ.LayerNo = first->LayerNo;
        if (sameFlg)
            templ.PaintFlg = first->PaintFlg;
    }

    WORD mask = 0;
    CFillSetMultiDlg dlg(this, &mask, &templ, &m_pDrawing->Attr());
    if (dlg.DoModal() != IDOK)
        return;
    m_list.SetRedraw(FALSE);
    for (int row : rows) {
        CVObjBrs* brs = m_pPlt->GetObjBrs(static_cast<BYTE>(row));
        if (!brs)
            continue;
        brs->Col = templ.Col;
        brs->Hat = templ.Hat;
        brs->PaintFlg = templ.PaintFlg;
        if (mask & FILL_MULTI_LAYER)
            brs->LayerNo = templ.LayerNo;
        if (mask & FILL_MULTI_PAINT_COLOR)
            brs->PaintData.Color = templ.PaintData.Color;
        if (mask & FILL_MULTI_DEPTH)
            brs->PaintData.Depth = templ.PaintData.Depth;
        for (int i = 0; i < 4; ++i) {
            if (mask & FILL_MULTI_HATCH_COLOR)
                brs->HatchData.Color[i] = templ.HatchData.Color[i];
            if (mask & FILL_MULTI_SPACE)
                brs->HatchData.Space[i] = templ.HatchData.Space[i];
        }
        if (mask & FILL_MULTI_HATCH_TYPE)
            brs->HatchData.Type = templ.HatchData.Type;
        m_pPlt->ChgBrs(static_cast<BYTE>(row), brs, CHG_BRS_ALL);
        m_list.UpdateRow(row);
    }
    m_list.SetRedraw(TRUE);
}

void CMakePaleteDlg::OnListDblClk(NMHDR*, LRESULT* pResult) {
    OnChange();
    *pResult = 0;
}

void CMakePaleteDlg::OnListRClick(NMHDR*, LRESULT* pResult) {
    POINT at;
    ::GetCursorPos(&at);
    if (at.x < 0)
        at.x = 0;
    if (at.y < 0)
        at.y = 0;
    BOOL none = m_list.GetSelectedCount() == 0;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | (m_pPlt->CountBrs() >= VELMORA_MAX_BRS ? MF_GRAYED : 0),
                    IDC_BRS_ADD, "追加");
    menu.AppendMenu(MF_STRING | (none ? MF_GRAYED : 0), IDC_BRS_CHANGE, "変更");
    menu.AppendMenu(MF_STRING | (none ? MF_GRAYED : 0), IDC_BRS_DELETE, "削除");
    menu.TrackPopupMenu(TPM_LEFTALIGN, at.x, at.y, this);
    menu.DestroyMenu();
    *pResult = 0;
}

LRESULT CMakePaleteDlg::OnKickIdle(WPARAM, LPARAM) {
    UpdateDialogControls(this, TRUE);
    return 0;
}

void CMakePaleteDlg::OnUpdateOK(CCmdUI* pCmdUI) {
    pCmdUI->Enable(::GetWindowTextLengthA(::GetDlgItem(m_hWnd, IDC_PLT_NAME)) > 0);
}

void CMakePaleteDlg::OnUpdateAdd(CCmdUI*) {
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_BRS_ADD), m_pPlt->CountBrs() < VELMORA_MAX_BRS);
}

void CMakePaleteDlg::OnUpdateDelete(CCmdUI*) {
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_BRS_DELETE),
                   m_pPlt->CountBrs() > 0 && m_list.GetSelectedCount() > 0);
}

void CMakePaleteDlg::OnUpdateChange(CCmdUI*) {
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_BRS_CHANGE),
                   m_pPlt->CountBrs() > 0 && m_list.GetSelectedCount() > 0);
}

void CMakePaleteDlg::OnOK() {
    HWND name = ::GetDlgItem(m_hWnd, IDC_PLT_NAME);
    int length = ::GetWindowTextLengthA(name);
    ::GetWindowTextA(name, m_strName.GetBuffer(length + 1), length + 1);
    m_strName.ReleaseBuffer();
    m_pPlt->SetPNm(m_strName);
    *m_pSelIndex = m_list.GetNextItem(-1, LVNI_SELECTED);
    CKeshDialog::OnOK();
}
