// The attribute selection dialogs through their exports, driven as a user
// drives them.
#include "ui/zok_type.h"
#include "ui/resource.h"
#include "ui_driver.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

const BYTE kUntouched = 0xAB;

class ZokTypeTest : public ::testing::Test {
protected:
    int RunCombo(const std::function<void(UiDialog&)>& script) {
        return host.Run(
            IDD_GRPNAME, [&] { return Velmora_GetZokType(host.Wnd(), &index); }, script);
    }
    int RunList(const std::function<void(UiDialog&)>& script) {
        return host.Run(
            IDD_GRPNAME_EX, [&] { return Velmora_GetZokTypeEx(host.Wnd(), &index); }, script);
    }

    UiHost host;
    BYTE index = kUntouched;
};

TEST_F(ZokTypeTest, ComboOpensOnThePromptWithOkDisabledAndEnterDoesNotClose) {
    int result = RunCombo([](UiDialog& dlg) {
        EXPECT_EQ(dlg.ComboCount(IDC_ZOK_COMBO), 18);
        EXPECT_EQ(dlg.ComboSel(IDC_ZOK_COMBO), 0);
        EXPECT_EQ(dlg.ComboText(IDC_ZOK_COMBO, 0), "属性を選択して下さい");
        EXPECT_EQ(dlg.ComboText(IDC_ZOK_COMBO, 1), "画地No");
        EXPECT_EQ(dlg.ComboText(IDC_ZOK_COMBO, 17), "不動産番号");
        EXPECT_FALSE(dlg.IsEnabled(IDOK));
        // Buttons with handlers of their own stay usable.
        EXPECT_TRUE(dlg.IsEnabled(IDCANCEL));
        EXPECT_TRUE(dlg.IsEnabled(IDC_KESH_HELP));

        dlg.PressEnter();
        EXPECT_TRUE(dlg.IsOpen());
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(index, kUntouched);
}

TEST_F(ZokTypeTest, ComboGivesTheLastAttribute) {
    int result = RunCombo([](UiDialog& dlg) {
        dlg.ChooseCombo(IDC_ZOK_COMBO, 17);
        dlg.WaitEnabled(IDOK, true);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(index, 16);
}

TEST_F(ZokTypeTest, ComboGivesTheFirstAttributeOnEnter) {
    int result = RunCombo([](UiDialog& dlg) {
        dlg.ChooseCombo(IDC_ZOK_COMBO, 1);
        dlg.WaitEnabled(IDOK, true);
        dlg.PressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(index, 0);
}

TEST_F(ZokTypeTest, ComboBackOnThePromptDisablesOkAgainAndEscCancels) {
    int result = RunCombo([](UiDialog& dlg) {
        dlg.ChooseCombo(IDC_ZOK_COMBO, 5);
        dlg.WaitEnabled(IDOK, true);
        dlg.ChooseCombo(IDC_ZOK_COMBO, 0);
        dlg.WaitEnabled(IDOK, false);
        dlg.PressEsc();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(index, kUntouched);
}

TEST_F(ZokTypeTest, ClosingTheWindowLeavesTheByte) {
    int result = RunCombo([](UiDialog& dlg) {
        dlg.ChooseCombo(IDC_ZOK_COMBO, 3);
        dlg.WaitEnabled(IDOK, true);
        dlg.CloseBox();
    });
    EXPECT_NE(result, IDOK);
    EXPECT_EQ(index, kUntouched);
}

TEST_F(ZokTypeTest, DialogRunsOnTheLibrarysResourcesOverADisabledOwner) {
    HINSTANCE hostResources = AfxGetResourceHandle();
    ASSERT_EQ(hostResources, GetModuleHandleA(nullptr));
    HINSTANCE during = nullptr;
    BOOL ownerEnabled = TRUE;
    RunCombo([&](UiDialog& dlg) {
        during = AfxGetResourceHandle();
        ownerEnabled = IsWindowEnabled(host.Wnd()->m_hWnd);
        EXPECT_EQ(GetWindow(dlg.Hwnd(), GW_OWNER), host.Wnd()->m_hWnd);
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(during, GetModuleHandleA("velmora.dll"));
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(AfxGetResourceHandle(), hostResources);
    EXPECT_TRUE(IsWindowEnabled(host.Wnd()->m_hWnd));
}

TEST_F(ZokTypeTest, ListOpensOnTheFirstAttributeAndConfirmsAtOnce) {
    int result = RunList([](UiDialog& dlg) {
        EXPECT_EQ(dlg.ListCount(IDC_ZOK_LIST), 17);
        EXPECT_EQ(dlg.ListSel(IDC_ZOK_LIST), 0);
        EXPECT_EQ(dlg.ListText(IDC_ZOK_LIST, 0), "画地No");
        EXPECT_EQ(GetDlgItem(dlg.Hwnd(), IDC_KESH_HELP), nullptr);
        EXPECT_TRUE(dlg.IsEnabled(IDOK));
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(index, 0);
}

TEST_F(ZokTypeTest, ListDoubleClickClosesWithItsIndex) {
    int result = RunList([](UiDialog& dlg) {
        EXPECT_EQ(dlg.ListText(IDC_ZOK_LIST, 10), "所有権");
        dlg.DoubleClickList(IDC_ZOK_LIST, 10);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(index, 10);
}

TEST_F(ZokTypeTest, ListGivesTheLastAttributeOnEnter) {
    int result = RunList([](UiDialog& dlg) {
        dlg.ChooseList(IDC_ZOK_LIST, 16);
        dlg.PressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(index, 16);
}

TEST_F(ZokTypeTest, ListCancelLeavesTheByte) {
    int result = RunList([](UiDialog& dlg) {
        dlg.ChooseList(IDC_ZOK_LIST, 7);
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(index, kUntouched);
}

TEST_F(ZokTypeTest, AWaitThatRunsOutFailsTheTestAndClosesTheDialog) {
    host.SetWaitLimit(500);
    int result = 0;
    EXPECT_NONFATAL_FAILURE(result = RunCombo([](UiDialog& dlg) { dlg.WaitEnabled(IDOK, true); }),
                            "timed out waiting for control 1 enabled");
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(index, kUntouched);
}

} // namespace
