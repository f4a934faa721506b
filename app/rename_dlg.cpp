#include "app/rename_dlg.h"
#include "app/app_resource.h"

namespace {
// As long as the palette editor lets a name be.
constexpr int kLongestName = 30;

INT_PTR CALLBACK RenameProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        ::SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        HWND field = ::GetDlgItem(hDlg, IDC_RENAME_NAME);
        ::SendMessageA(field, EM_LIMITTEXT, kLongestName, 0);
        ::SetWindowTextA(field, reinterpret_cast<std::string*>(lParam)->c_str());
        ::SendMessageA(field, EM_SETSEL, 0, -1);
        ::SetFocus(field);
        return FALSE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_RENAME_NAME:
            if (HIWORD(wParam) == EN_CHANGE)
                ::EnableWindow(::GetDlgItem(hDlg, IDOK),
                               ::GetWindowTextLengthA(::GetDlgItem(hDlg, IDC_RENAME_NAME)) > 0);
            return TRUE;
        case IDOK: {
            char text[kLongestName * 2 + 1] = {};
            ::GetDlgItemTextA(hDlg, IDC_RENAME_NAME, text, sizeof text);
            if (!text[0])
                return TRUE;
            *reinterpret_cast<std::string*>(::GetWindowLongPtrA(hDlg, DWLP_USER)) = text;
            ::EndDialog(hDlg, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            ::EndDialog(hDlg, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
} // namespace

bool AskPaletteName(HWND owner, std::string& name) {
    std::string edited = name;
    INT_PTR result =
        ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_RENAME_PLT), owner,
                          &RenameProc, (LPARAM)&edited);
    if (result != IDOK)
        return false;
    name = edited;
    return true;
}
