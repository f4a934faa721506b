// The host framework's bound edit fields, and the class library's data
// exchange, on a dialog of the test program's own.
#include "host/kesh_dialog.h"
#include "test_dialogs.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
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
    // What OnOK found before chaining.
    int m_nDensityAtOk = -1;
    int m_nComboAtOk = -2;

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

    // The bound variable of a field, as text.
    std::string Bound(int id) const {
        char text[64];
        if (id == IDC_TEST_INT)
            return std::to_string(dlg.m_nDensity);
        if (id == IDC_TEST_DBL) {
            std::snprintf(text, sizeof(text), "%g", dlg.m_dSpace);
            return text;
        }
        return dlg.m_strName.GetString();
    }

    UiHost host;
    CEditTestDlg dlg{host.Wnd()};
};

// Start values are settled into range and shown. Typing in range is taken
// at once; anything else keeps the last value until the field is left, which
// then shows the value settled into range. The data exchange reads the
// check box on OK, and Cancel reads nothing.
TEST_F(KeshEditTest, TypingIsTakenInRangeAndSettledWhenTheFieldIsLeft) {
    struct Case {
        int id;
        const char* typed;
        const char* bound; // while the field still has the focus
        const char* shown; // once the focus has left it
    };
    const Case cases[] = {
        {IDC_TEST_INT, "1", "1", "1"},
        {IDC_TEST_INT, "100", "100", "100"},
        {IDC_TEST_INT, "0", "50", "1"},
        {IDC_TEST_INT, "101", "50", "100"},
        {IDC_TEST_INT, "7x", "50", "50"},
        {IDC_TEST_DBL, "0.1", "0.1", "0.10"},
        {IDC_TEST_DBL, "99.99", "99.99", "99.99"},
        {IDC_TEST_DBL, "0.09", "1", "0.10"},
        {IDC_TEST_DBL, "100", "1", "99.99"},
        {IDC_TEST_DBL, "3.14159", "3.14", "3.14"},
        {IDC_TEST_DBL, "3.1x", "1", "1.00"},
        {IDC_TEST_STR, "abcdef", "abcdef", "abcdef"},
        {IDC_TEST_STR, "abcdeあ", "abcde", "abcde"}, // never cut inside a character
    };
    const char* start[] = {"50", "1", "赤"};
    for (int button : {IDCANCEL, IDOK}) {
        dlg.m_bCheck = 1;
        dlg.m_nDensity = 500;
        dlg.m_dSpace = 0.0;
        dlg.m_strName = "あいうえお";
        int result = Run([&](UiDialog& ui) {
            EXPECT_EQ(ui.Text(IDC_TEST_INT) + " " + ui.Text(IDC_TEST_DBL) + " " +
                          ui.Text(IDC_TEST_STR),
                      "100 0.10 あいうえお");
            EXPECT_EQ(SendMessageA(ui.Item(IDC_TEST_CHECK), BM_GETCHECK, 0, 0), BST_CHECKED);
            ui.Click(IDC_TEST_CHECK);
            ui.ChooseCombo(IDC_TEST_COMBO, 1);
            for (size_t i = 0; button == IDOK && i < std::size(cases); ++i) {
                const Case& c = cases[i];
                ui.Type(c.id, start[c.id - IDC_TEST_INT]);
                ui.PressTab();
                ui.Type(c.id, c.typed);
                EXPECT_EQ(Bound(c.id), c.bound) << c.typed;
                ui.PressTab();
                host.WaitUntil([&] { return ui.Text(c.id) == c.shown; },
                               std::string("the field to show ") + c.shown);
            }
            ui.Type(IDC_TEST_INT, "75");
            button == IDOK ? ui.PressEnter() : ui.Click(IDCANCEL);
        });
        EXPECT_EQ(result, button);
        EXPECT_EQ(dlg.m_bCheck, button == IDOK ? 0 : 1);
    }
    EXPECT_EQ(dlg.m_nDensityAtOk, 75);
    EXPECT_EQ(dlg.m_nComboAtOk, 1);
}

} // namespace
