// The help table as the host's help manager reads it, and the help texts as
// the user sees them: tool tips and the help button.
#include "ui/help_table.h"
#include "ui/resource.h"
#include "ui/zok_type.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HelpTable, HasFiveEntriesInOrder) {
    EXPECT_EQ(___OSTINHELP_NUM(), 5);
    EXPECT_EQ(___OSTINHELP_NUM(), 5);

    const char* titles[] = {
        "ペイント設定ライブラリ-メインヘルプ", "ペイント設定ライブラリ-メイン画面",
        "ペイント設定ライブラリ-属性選択画面", "ペイント設定ライブラリ-ブラシの作成画面",
        "ペイント設定ライブラリ-ブラシの設定画面"};
    TOstinHelpContext entry(0, "", -1, "");
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(___OSTINHELP_CONTEXT(index, &entry), &entry);
        EXPECT_STREQ(entry.GetTitle(), titles[index]);
        EXPECT_EQ(entry.GetIndex(), index);
        EXPECT_EQ(entry.GetKind(), 4);
        EXPECT_STREQ(entry.GetModule(), "velmora.dll");
    }
}

TEST(HelpTable, SecondCopyOverwritesTheFirstAndBadIndexLeavesTheTarget) {
    TOstinHelpContext entry(0, "", -1, "");
    ___OSTINHELP_CONTEXT(3, &entry);
    EXPECT_STREQ(entry.GetTitle(), "ペイント設定ライブラリ-ブラシの作成画面");
    ___OSTINHELP_CONTEXT(1, &entry);
    EXPECT_STREQ(entry.GetTitle(), "ペイント設定ライブラリ-メイン画面");
    EXPECT_EQ(entry.GetIndex(), 1);

    ___OSTINHELP_CONTEXT(5, &entry);
    ___OSTINHELP_CONTEXT(-1, &entry);
    EXPECT_EQ(entry.GetIndex(), 1);
    EXPECT_EQ(___OSTINHELP_CONTEXT(0, nullptr), nullptr);
}

TEST(HelpTable, ExportedUnderPlainNames) {
    HMODULE library = GetModuleHandleA("velmora.dll");
    EXPECT_NE(GetProcAddress(library, "___OSTINHELP_NUM"), nullptr);
    EXPECT_NE(GetProcAddress(library, "___OSTINHELP_CONTEXT"), nullptr);
}

TEST(CtxHelp, ControlsShowTheirTextsAsToolTips) {
    UiHost host;
    BYTE index = 0;
    host.Run(
        IDD_GRPNAME, [&] { return Velmora_GetZokType(host.Wnd(), &index); },
        [](UiDialog& dlg) {
            EXPECT_EQ(dlg.ToolTip(IDC_ZOK_COMBO), "塗潰ブラシが塗潰の対象とする属性を選択します。");
            EXPECT_EQ(dlg.ToolTip(IDOK),
                      "上記の設定でペイントブラシを新規作成し、ペイント設定ダイアログに戻ります。");
            EXPECT_EQ(dlg.ToolTip(IDCANCEL), "設定を破棄しペイント設定ダイアログに戻ります。");
            EXPECT_EQ(dlg.ToolTip(IDC_KESH_HELP), "このダイアログのヘルプが表示されます。");
            dlg.Click(IDCANCEL);
        });
    host.Run(
        IDD_GRPNAME_EX, [&] { return Velmora_GetZokTypeEx(host.Wnd(), &index); },
        [](UiDialog& dlg) {
            EXPECT_EQ(dlg.ToolTip(IDC_ZOK_LIST), "塗潰ブラシが塗潰の対象とする属性を選択します。");
            dlg.Click(IDCANCEL);
        });
}

TEST(CtxHelp, HelpButtonShowsTheDialogsHelpTitle) {
    UiHost host;
    BYTE index = 0;
    int result = host.Run(
        IDD_GRPNAME, [&] { return Velmora_GetZokType(host.Wnd(), &index); },
        [](UiDialog& dlg) {
            dlg.Click(IDC_KESH_HELP);
            UiDialog box = dlg.WaitForPopup();
            EXPECT_NE(box.AllTexts().find("ペイント設定ライブラリ-属性選択画面"), std::string::npos)
                << box.AllTexts();
            box.Click(IDOK);
            EXPECT_TRUE(dlg.IsOpen());
            dlg.Click(IDCANCEL);
        });
    EXPECT_EQ(result, IDCANCEL);
}

} // namespace
