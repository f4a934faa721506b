// The host framework's bound edit fields, and the class library's data
// exchange, on a dialog of the test program's own.
#include "host/kesh_dialog.h"
#include "test_dialogs.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CEditTestDlg : public CKeshDialog {
public:
    explicit CEditTestDlg(CWnd* pParent)
        : CKeshDialog(IDD_EDIT_TEST, pParent, ::GetModuleHandleA(nullptr)) {}

    int m_nDensity = 50;
    double m_dSpace = 1.0;
    CString m_strName = "赤";
    int m_bCheck = 1;
    int m_nComboAtOk = -2;

    // What OnOK found in the bound variables before chaining.
    int m_nDensityAtOk = -1;
    double m_dSpaceAtOk = -1.0;
    std::string m_strNameAtOk;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CKeshDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_COMBO, m_combo);
        DDX_Check(pDX, IDC_TEST_CHECK, m_bCheck);
    }

    BOOL OnInitDialog() override {
        CKeshDialog::OnInitDialog();
        AddIntEdit(IDC_TEST_INT, &m_nDensity, 1, 100, 0);
        AddDblEdit(IDC_TEST_DBL, &m_dSpace, 0.1, 99.99, 2, 0);
        AddStrEdit(IDC_TEST_STR, &m_strName, 6);
        m_combo.AddString("一");
        m_combo.AddString("二");
        m_combo.SetCurSel(0);
        return TRUE;
    }

    void OnOK() override {
        m_nDensityAtOk = m_nDensity;
        m_dSpaceAtOk = m_dSpace;
        m_strNameAtOk = m_strName.GetString();
        m_nComboAtOk = m_combo.GetCurSel();
        CKeshDialog::OnOK();
    }

private:
    CComboBox m_combo;
};

class KeshEditTest : public ::testing::Test {
protected:
    int Run(const std::function<void(UiDialog&)>& script) {
        return host.Run(
            IDD_EDIT_TEST, [&] { return (int)dlg.DoModal(); }, script);
    }

    UiHost host;
    CEditTestDlg dlg{host.Wnd()};
};

TEST_F(KeshEditTest, StartValuesAreSettledIntoRangeAndShown) {
    dlg.m_nDensity = 500;
    dlg.m_dSpace = 0.0;
    dlg.m_strName = "あいうえお";
    Run([](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_TEST_INT), "100");
        EXPECT_EQ(ui.Text(IDC_TEST_DBL), "0.10");
        EXPECT_EQ(ui.Text(IDC_TEST_STR), "あいうえお");
        ui.Click(IDCANCEL);
    });
    EXPECT_EQ(dlg.m_nDensity, 100);
    EXPECT_EQ(dlg.m_dSpace, 0.1);
}

TEST_F(KeshEditTest, ValidTypingIsTakenBeforeTheFieldIsLeft) {
    int result = Run([](UiDialog& ui) {
        ui.Type(IDC_TEST_INT, "75");
        ui.Type(IDC_TEST_DBL, "12.5");
        ui.Type(IDC_TEST_STR, "青");
        ui.PressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_nDensityAtOk, 75);
    EXPECT_EQ(dlg.m_dSpaceAtOk, 12.5);
    EXPECT_EQ(dlg.m_strNameAtOk, "青");
}

TEST_F(KeshEditTest, OutOfRangeTypingKeepsTheLastValueUntilLeftThenClamps) {
    Run([this](UiDialog& ui) {
        ui.Type(IDC_TEST_INT, "80");
        ui.Type(IDC_TEST_INT, "250");
        EXPECT_EQ(dlg.m_nDensity, 80);
        ui.PressTab();
        host.WaitUntil([&] { return ui.Text(IDC_TEST_INT) == "100"; }, "the field to show 100");
        EXPECT_EQ(dlg.m_nDensity, 100);
        ui.PressEnter();
    });
    EXPECT_EQ(dlg.m_nDensityAtOk, 100);
}

TEST_F(KeshEditTest, UnreadableTextIsReplacedByTheLastValue) {
    Run([this](UiDialog& ui) {
        ui.Type(IDC_TEST_DBL, "3.14159");
        ui.Type(IDC_TEST_DBL, "3.1x");
        ui.PressTab();
        host.WaitUntil([&] { return ui.Text(IDC_TEST_DBL) == "3.14"; }, "the field to show 3.14");
        ui.PressEnter();
    });
    EXPECT_EQ(dlg.m_dSpaceAtOk, 3.14);
}

TEST_F(KeshEditTest, TextIsCutAtTheLimitNeverInsideACharacter) {
    Run([](UiDialog& ui) {
        ui.Type(IDC_TEST_STR, "abcdeあ");
        ui.PressEnter();
    });
    EXPECT_EQ(dlg.m_strNameAtOk, "abcde");
}

TEST_F(KeshEditTest, DataExchangeBindsControlsAndReadsChecksOnOk) {
    int result = Run([](UiDialog& ui) {
        EXPECT_EQ(SendMessageA(ui.Item(IDC_TEST_CHECK), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(ui.ComboCount(IDC_TEST_COMBO), 2);
        ui.Click(IDC_TEST_CHECK);
        ui.ChooseCombo(IDC_TEST_COMBO, 1);
        ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_bCheck, 0);
    EXPECT_EQ(dlg.m_nComboAtOk, 1);
}

TEST_F(KeshEditTest, CancelReadsNothingBack) {
    int result = Run([](UiDialog& ui) {
        ui.Click(IDC_TEST_CHECK);
        ui.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.m_bCheck, 1);
}

} // namespace
