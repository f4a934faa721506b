#include "ui/zok_type.h"
#include "ui/dialog_scope.h"
#include "ui/grp_name_dlg.h"
#include "ui/grp_name_ex_dlg.h"

namespace {
template <class Dialog> int RunZokDialog(CWnd* parent, BYTE* index) {
    Dialog dialog(parent);
    // Declared after the dialog: the host's resources come back before the
    // dialog object goes.
    CVelmoraDlgScope scope;
    int result = static_cast<int>(dialog.DoModal());
    if (result == IDOK && index)
        *index = dialog.m_nZokIndex;
    return result;
}
} // namespace

int Velmora_GetZokType(CWnd* parent, BYTE* index) {
    return RunZokDialog<CGrpNameDlg>(parent, index);
}

int Velmora_GetZokTypeEx(CWnd* parent, BYTE* index) {
    return RunZokDialog<CGrpNameExDlg>(parent, index);
}
