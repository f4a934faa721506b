#include "host/layer_combo_box.h"

void CLayerComboBox::SetCanUseAttr(int canUse) {
    m_nCanUseAttr = canUse;
}

void CLayerComboBox::SetUp(ZelAttr* pAttr) {
    ResetContent();
    if (!pAttr)
        return;
    for (int layer = 0; layer < pAttr->GetLayerCnt(); ++layer)
        SetItemData(AddString(pAttr->GetLayerLabel(layer)), (DWORD_PTR)layer);
}

void CLayerComboBox::SetData(WORD layer) {
    for (int item = 0; item < GetCount(); ++item) {
        if (GetItemData(item) == layer) {
            SetCurSel(item);
            return;
        }
    }
    // A number the drawing does not name stays choosable, so that it is not
    // lost when the dialog writes the selection back.
    CString text;
    text.Format("%u:(未登録)", (unsigned)layer);
    int item = AddString(text);
    SetItemData(item, layer);
    SetCurSel(item);
}

WORD CLayerComboBox::GetData() const {
    int item = GetCurSel();
    return item == CB_ERR ? 0 : (WORD)GetItemData(item);
}
