// The class library's Win32 wrappers on real controls and device contexts.
#include "afx/afxcmn.h"
#include "afx/afxdlgs.h"
#include "host/kesh_memdc.h"
#include "tests/win/ui/control_window.h"
#include "tests/win/ui/dib_picture.h"

#include <gtest/gtest.h>

namespace {

TEST(CListCtrl, RowsCarryTextsDataAndPlaces) {
    ControlWindow window(WC_LISTVIEWA, LVS_REPORT, 300, 200);
    CListCtrl list;
    ASSERT_TRUE(list.SubclassWindow(window.control));
    list.InsertColumn(0, "名称", LVCFMT_LEFT, 80);
    list.InsertColumn(1, "レイヤ", LVCFMT_LEFT, 60);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.InsertItem(row, "ブラシ", -1), row);
        list.SetItemData(row, 100 + row);
    }
    EXPECT_TRUE(list.SetItemText(2, 1, "道路"));
    EXPECT_STREQ(list.GetItemText(2, 1), "道路");
    RECT first, second;
    ASSERT_TRUE(list.GetSubItemRect(1, 0, LVIR_LABEL, first));
    ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_BOUNDS, second));
    EXPECT_EQ(second.left, 80);
    EXPECT_EQ(second.top, first.top);

    list.DeleteItem(0);
    EXPECT_EQ(list.GetItemData(1), DWORD_PTR(102));
}

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

// Plays the user of the colour dialog: types red 200, leaves green and blue
// as the dialog opened with them, and answers OK when lCustData says so.
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

TEST(CKeshMemDC, DrawsOffScreenAndCopiesTheClipBoxWhenDone) {
    DibPicture picture(20, 20);
    picture.Fill(RGB(255, 255, 255));
    CDC target;
    target.Attach(picture.Dc());
    IntersectClipRect(picture.Dc(), 5, 5, 15, 15);
    {
        CKeshMemDC buffer(&target);
        RECT cell = {5, 5, 15, 15};
        CBrush red(RGB(255, 0, 0));
        buffer.FillRect(&cell, &red);
        EXPECT_EQ(picture.At(10, 10), RGB(255, 255, 255));
    }
    target.Detach();
    for (int at : {4, 5, 10, 14, 15})
        EXPECT_EQ(picture.At(at, at), at == 4 || at == 15 ? RGB(255, 255, 255) : RGB(255, 0, 0))
            << at;
}

} // namespace
