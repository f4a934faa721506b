// The class library's wrappers where their users never reach.
#include "afx/afxdlgs.h"
#include "tests/win/ui/control_window.h"

#include <gtest/gtest.h>

namespace {

TEST(CComboBoxListBox, ItemTextsToTheLastItemAndNoneBeyond) {
    ControlWindow comboWindow("COMBOBOX", CBS_DROPDOWNLIST, 300, 200);
    ControlWindow listWindow("LISTBOX", LBS_NOTIFY, 300, 200);
    CComboBox combo;
    CListBox list;
    combo.SubclassWindow(comboWindow.control);
    list.SubclassWindow(listWindow.control);
    for (const char* text : {"属性を選択して下さい", "画地No"}) {
        combo.AddString(text);
        list.AddString(text);
    }
    CString inCombo, inList, pastCombo = "前", pastList = "前";
    combo.GetLBText(1, inCombo);
    list.GetText(1, inList);
    combo.GetLBText(2, pastCombo);
    list.GetText(2, pastList);
    EXPECT_STREQ(inCombo, "画地No");
    EXPECT_STREQ(inList, "画地No");
    EXPECT_TRUE(pastCombo.IsEmpty() && pastList.IsEmpty());
}

// Types red 200 into the colour dialog; answers OK when lCustData says so.
UINT_PTR CALLBACK ColorUser(HWND hDlg, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return 0;
    SetDlgItemInt(hDlg, 706, 200, FALSE);
    int button = ((CHOOSECOLORA*)lParam)->lCustData ? IDOK : IDCANCEL;
    PostMessageA(hDlg, WM_COMMAND, button, (LPARAM)GetDlgItem(hDlg, button));
    return 1;
}

TEST(CColorDialog, StartsAtTheGivenColourAndGivesTheChosenOneOnlyOnOk) {
    // Black is where the system's dialog starts anyway.
    const struct {
        COLORREF init;
        DWORD flags, expected;
    } cases[] = {{RGB(0, 0, 0), CC_FULLOPEN, CC_FULLOPEN},
                 {RGB(0, 0, 1), 0, CC_RGBINIT},
                 {RGB(10, 20, 30), CC_FULLOPEN, CC_FULLOPEN | CC_RGBINIT}};
    for (const auto& c : cases)
        EXPECT_EQ(CColorDialog(c.init, c.flags).m_cc.Flags, c.expected) << std::hex << c.init;
    for (bool confirm : {true, false}) {
        CColorDialog dialog(RGB(10, 20, 30), CC_FULLOPEN);
        dialog.m_cc.Flags |= CC_ENABLEHOOK;
        dialog.m_cc.lpfnHook = &ColorUser;
        dialog.m_cc.lCustData = confirm;
        EXPECT_EQ(dialog.DoModal(), confirm ? IDOK : IDCANCEL);
        EXPECT_EQ(dialog.GetColor(), confirm ? RGB(200, 20, 30) : RGB(10, 20, 30));
    }
}

} // namespace
