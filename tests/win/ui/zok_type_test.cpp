// The attribute selection dialogs, driven as a user does; the help table's exports.
#include "ui/help_table.h"
#include "ui/resource.h"
#include "ui/zok_type.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

namespace {

const BYTE kUntouched = 0xAB;

class ZokTypeTest : public ::testing::Test {
protected:
    int Run(bool list, const std::function<void(UiDialog&)>& script) {
        return host.Run(
            [&] { return (list ? Velmora_GetZokTypeEx : Velmora_GetZokType)(host.Wnd(), &index); },
            script);
    }

    UiHost host;
    BYTE index = kUntouched;
};

TEST_F(ZokTypeTest, ChoiceAndWayOutGiveTheIndexOrLeaveTheByte) {
    const int kDoubleClick = -1;
    const struct {
        bool list;
        int item; // the combo box's item 0 is the prompt
        int way;  // a button clicked, a key, or a double-click on the item
        int result;
        BYTE index;
    } cases[] = {{false, 1, VK_RETURN, IDOK, 0},
                 {false, 17, IDOK, IDOK, 16},
                 {false, 5, VK_ESCAPE, IDCANCEL, kUntouched},
                 {true, 10, kDoubleClick, IDOK, 10},
                 {true, 16, VK_RETURN, IDOK, 16},
                 {true, 7, IDCANCEL, IDCANCEL, kUntouched}};
    for (const auto& c : cases) {
        index = kUntouched;
        int result = Run(c.list, [&](UiDialog& dlg) {
            if (c.list) { // the attributes only, the first chosen
                EXPECT_EQ(dlg.Count(IDC_ZOK_LIST), 17);
                EXPECT_EQ(dlg.Sel(IDC_ZOK_LIST), 0);
                EXPECT_EQ(dlg.ItemText(IDC_ZOK_LIST, 0) + dlg.ItemText(IDC_ZOK_LIST, 10),
                          "画地No所有権");
                EXPECT_EQ(GetDlgItem(dlg.Hwnd(), IDC_KESH_HELP), nullptr);
                EXPECT_EQ(dlg.ToolTip(IDC_ZOK_LIST),
                          "塗潰ブラシが塗潰の対象とする属性を選択します。");
            }
            c.list ? dlg.ChooseList(IDC_ZOK_LIST, c.item) : dlg.ChooseCombo(IDC_ZOK_COMBO, c.item);
            dlg.WaitEnabled(IDOK, true);
            if (c.way == VK_RETURN || c.way == VK_ESCAPE)
                dlg.PressKey(c.way);
            else if (c.way == kDoubleClick)
                dlg.ClickRow(IDC_ZOK_LIST, c.item, true);
            else
                dlg.Click(c.way);
        });
        EXPECT_EQ(result, c.result) << c.list << " " << c.item;
        EXPECT_EQ(index, c.index) << c.list << " " << c.item;
    }
}

// A prompt that cannot confirm; the library's resources over a disabled owner, both given back.
TEST_F(ZokTypeTest, ComboOffersThePromptWhichCannotConfirm) {
    HINSTANCE during = nullptr;
    BOOL ownerEnabled = TRUE;
    int result = Run(false, [&](UiDialog& dlg) {
        during = AfxGetResourceHandle();
        ownerEnabled = IsWindowEnabled(host.Wnd()->m_hWnd);
        EXPECT_EQ(dlg.Count(IDC_ZOK_COMBO), 18);
        EXPECT_EQ(dlg.Sel(IDC_ZOK_COMBO), 0);
        EXPECT_EQ(dlg.ItemText(IDC_ZOK_COMBO, 0) + dlg.ItemText(IDC_ZOK_COMBO, 1) +
                      dlg.ItemText(IDC_ZOK_COMBO, 17),
                  "属性を選択して下さい画地No不動産番号");
        // OK off; buttons with handlers of their own stay usable.
        EXPECT_EQ(dlg.Enabled({IDOK, IDCANCEL, IDC_KESH_HELP}), "011");
        dlg.PressKey(VK_RETURN);
        EXPECT_TRUE(dlg.IsOpen());
        dlg.ChooseCombo(IDC_ZOK_COMBO, 5);
        dlg.WaitEnabled(IDOK, true);
        dlg.ChooseCombo(IDC_ZOK_COMBO, 0);
        dlg.WaitEnabled(IDOK, false);
        dlg.Click(IDC_KESH_HELP);
        UiDialog box = dlg.WaitForPopup();
        EXPECT_NE(box.AllTexts().find("ペイント設定ライブラリ-属性選択画面"), std::string::npos);
        box.Click(IDOK);
        EXPECT_TRUE(dlg.IsOpen());
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(during, GetModuleHandleA("velmora.dll"));
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA(nullptr));
    EXPECT_TRUE(IsWindowEnabled(host.Wnd()->m_hWnd));
}

TEST(HelpTable, EntriesInOrderAndABadIndexLeavesTheTarget) {
    const std::string titles[] = {"メインヘルプ", "メイン画面", "属性選択画面", "ブラシの作成画面",
                                  "ブラシの設定画面"};
    ASSERT_EQ(___OSTINHELP_NUM(), 5);
    TOstinHelpContext entry(0, "", -1, "");
    // Backwards, so that each copy overwrites a longer or shorter title.
    for (int index = 4; index >= 0; --index) {
        EXPECT_EQ(___OSTINHELP_CONTEXT(index, &entry), &entry);
        EXPECT_EQ(std::to_string(entry.GetKind()) + " " + entry.GetModule() + " " +
                      std::to_string(entry.GetIndex()) + " " + entry.GetTitle(),
                  "4 velmora.dll " + std::to_string(index) + " ペイント設定ライブラリ-" +
                      titles[index]);
    }
    ___OSTINHELP_CONTEXT(5, &entry);
    ___OSTINHELP_CONTEXT(-1, &entry);
    EXPECT_EQ(entry.GetIndex(), 0);
    EXPECT_EQ(entry.GetTitle(), "ペイント設定ライブラリ-" + titles[0]);
    EXPECT_EQ(___OSTINHELP_CONTEXT(0, nullptr), nullptr);
}

} // namespace
