// The class library's Win32 wrappers on real controls and device contexts.
#include "afx/afxcmn.h"
#include "afx/afxdlgs.h"
#include "host/kesh_memdc.h"

#include <gtest/gtest.h>

namespace {

// A hidden top-level window holding one control of the given class.
class ControlFixture {
public:
    ControlFixture(const char* className, DWORD style) {
        INITCOMMONCONTROLSEX init = {sizeof(init),
                                     ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&init);
        m_parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                   nullptr, nullptr);
        m_control = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 200,
                                    m_parent, (HMENU)1, nullptr, nullptr);
    }
    ~ControlFixture() { DestroyWindow(m_parent); }
    HWND Control() const { return m_control; }

private:
    HWND m_parent;
    HWND m_control;
};

CBitmap* ScreenBitmap(CBitmap& bitmap, int side) {
    HDC screen = GetDC(nullptr);
    bitmap.Attach(CreateCompatibleBitmap(screen, side, side));
    ReleaseDC(nullptr, screen);
    return &bitmap;
}

TEST(CListCtrl, RowsCarryTextsDataSelectionAndPictures) {
    ControlFixture fixture(WC_LISTVIEWA, LVS_REPORT);
    CListCtrl list;
    ASSERT_TRUE(list.SubclassWindow(fixture.Control()));
    list.SetExtendedStyle(LVS_EX_GRIDLINES);
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetExtendedStyle(), DWORD(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    list.InsertColumn(0, "名称", LVCFMT_LEFT, 80);
    list.InsertColumn(1, "レイヤ", LVCFMT_LEFT, 60);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.InsertItem(row, "ブラシ", -1), row);
        list.SetItemData(row, 100 + row);
    }
    EXPECT_TRUE(list.SetItemText(2, 1, "道路"));
    EXPECT_STREQ(list.GetItemText(2, 1), "道路");
    EXPECT_EQ(list.GetItemData(1), DWORD_PTR(101));

    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_EQ(list.GetNextItem(0, LVNI_SELECTED), 2);

    RECT first, second;
    ASSERT_TRUE(list.GetSubItemRect(1, 0, LVIR_LABEL, first));
    ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_BOUNDS, second));
    EXPECT_EQ(second.left, 80);
    EXPECT_EQ(second.top, first.top);

    list.DeleteItem(0);
    EXPECT_EQ(list.GetItemData(0), DWORD_PTR(101));
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    CBitmap bitmap;
    EXPECT_EQ(images.Add(ScreenBitmap(bitmap, 16), RGB(255, 0, 255)), 0);
    EXPECT_EQ(images.GetImageCount(), 1);
    EXPECT_EQ(list.SetImageList(&images, LVSIL_SMALL), nullptr);
    EXPECT_EQ(list.SetImageList(&images, LVSIL_SMALL), images.m_hImageList);
}

TEST(CButtonComboBoxListBox, CarryTheirCheckItemsAndTextsToTheLastItem) {
    ControlFixture buttonFixture("BUTTON", BS_AUTOCHECKBOX);
    CButton check;
    check.SubclassWindow(buttonFixture.Control());
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);

    ControlFixture comboFixture("COMBOBOX", CBS_DROPDOWNLIST);
    CComboBox combo;
    combo.SubclassWindow(comboFixture.Control());
    combo.AddString("属性を選択して下さい");
    combo.AddString("画地No");
    combo.SetItemData(1, 200);
    EXPECT_EQ(combo.GetItemData(1), DWORD_PTR(200));
    CString text = "前";
    combo.GetLBText(1, text);
    EXPECT_STREQ(text, "画地No");
    combo.GetLBText(2, text);
    EXPECT_TRUE(text.IsEmpty());
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);

    ControlFixture listFixture("LISTBOX", LBS_NOTIFY);
    CListBox list;
    list.SubclassWindow(listFixture.Control());
    list.AddString("所有者");
    list.AddString("所有権");
    list.SetCurSel(1);
    EXPECT_EQ(list.GetCurSel(), 1);
    list.GetText(1, text);
    EXPECT_STREQ(text, "所有権");
    list.GetText(2, text);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CSpinButtonCtrlDateTimeCtrlMenu, KeepTheirRangePositionDayAndItems) {
    ControlFixture spinFixture(UPDOWN_CLASSA, 0);
    CSpinButtonCtrl spin;
    spin.SubclassWindow(spinFixture.Control());
    spin.SetRange32(1, 100);
    for (int pos : {1, 40, 100}) {
        spin.SetPos32(pos);
        EXPECT_EQ(spin.GetPos32(), pos);
    }
    spin.SetPos32(150);
    EXPECT_EQ(spin.GetPos32(), 100);

    ControlFixture pickerFixture(DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT);
    CDateTimeCtrl picker;
    picker.SubclassWindow(pickerFixture.Control());
    SYSTEMTIME day = {2024, 2, 0, 29, 0, 0, 0, 0}, back = {};
    ASSERT_TRUE(picker.SetTime(&day));
    EXPECT_EQ(picker.GetTime(&back), DWORD(GDT_VALID));
    EXPECT_EQ(back.wYear * 10000 + back.wMonth * 100 + back.wDay, 20240229);

    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 100, "変更");
    menu.AppendMenu(MF_STRING, 101, "削除");
    menu.EnableMenuItem(101, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(GetMenuItemCount(menu.m_hMenu), 2);
    EXPECT_EQ(GetMenuState(menu.m_hMenu, 101, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_EQ(menu.m_hMenu, nullptr);
}

TEST(CColorDialog, AsksForTheGivenColourUnlessItIsBlack) {
    // Black is where the system's dialog starts anyway.
    const struct {
        COLORREF init;
        DWORD flags;
        DWORD expected;
    } cases[] = {{RGB(0, 0, 0), CC_FULLOPEN, CC_FULLOPEN},
                 {RGB(0, 0, 1), 0, CC_RGBINIT},
                 {RGB(10, 20, 30), CC_FULLOPEN, CC_FULLOPEN | CC_RGBINIT}};
    for (const auto& c : cases) {
        CColorDialog dialog(c.init, c.flags);
        EXPECT_EQ(dialog.m_cc.Flags, c.expected) << std::hex << c.init;
        EXPECT_EQ(dialog.GetColor(), c.init);
    }
}

// Plays the user of the colour dialog: types red 200 into its edit box,
// leaves green and blue as the dialog opened with them, and answers OK when
// lCustData says so.
UINT_PTR CALLBACK ColorUser(HWND hDlg, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return 0;
    SetDlgItemInt(hDlg, 706, 200, FALSE);
    int button = ((CHOOSECOLORA*)lParam)->lCustData ? IDOK : IDCANCEL;
    PostMessageA(hDlg, WM_COMMAND, button, (LPARAM)GetDlgItem(hDlg, button));
    return 1;
}

TEST(CColorDialog, GivesTheChosenColourOnlyOnOk) {
    for (bool confirm : {true, false}) {
        CColorDialog dialog(RGB(10, 20, 30), CC_FULLOPEN);
        dialog.m_cc.Flags |= CC_ENABLEHOOK;
        dialog.m_cc.lpfnHook = &ColorUser;
        dialog.m_cc.lCustData = confirm;
        EXPECT_EQ(dialog.DoModal(), confirm ? IDOK : IDCANCEL);
        EXPECT_EQ(dialog.GetColor(), confirm ? RGB(200, 20, 30) : RGB(10, 20, 30));
    }
}

TEST(CKeshMemDC, DrawsOffScreenAndCopiesToTheTargetWhenDone) {
    CDC target;
    ASSERT_TRUE(target.CreateCompatibleDC(nullptr));
    CBitmap picture;
    CBitmap* old = target.SelectObject(ScreenBitmap(picture, 20));
    RECT all = {0, 0, 20, 20};
    target.FillSolidRect(&all, RGB(255, 255, 255));
    IntersectClipRect(target.m_hDC, 5, 5, 15, 15);
    {
        CKeshMemDC buffer(&target);
        RECT cell = {5, 5, 15, 15};
        CBrush red(RGB(255, 0, 0));
        buffer.FillRect(&cell, &red);
        EXPECT_EQ(GetPixel(target.m_hDC, 10, 10), RGB(255, 255, 255));
    }
    // The clip box's corners are copied, nothing beyond them.
    SelectClipRgn(target.m_hDC, nullptr);
    for (int at : {5, 10, 14})
        EXPECT_EQ(GetPixel(target.m_hDC, at, at), RGB(255, 0, 0)) << at;
    for (int at : {4, 15})
        EXPECT_EQ(GetPixel(target.m_hDC, at, at), RGB(255, 255, 255)) << at;
    target.SelectObject(old);
}

} // namespace
