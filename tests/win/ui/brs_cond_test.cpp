// The new-brush condition dialogs, opened with the library's resources as the
// editor opens them, and driven as a user drives them.
#include "host/code_book.h"
#include "host/code_tables.h"
#include "ui/brs_frto_dlg.h"
#include "ui/brs_only_dlg.h"
#include "ui/dialog_scope.h"
#include "ui/resource.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// "Y/M/D h:mm:ss" of a stored date in the local calendar.
std::string Local(std::int32_t date) {
    __time64_t wide = date;
    std::tm local = {};
    if (_localtime64_s(&local, &wide) != 0)
        return "invalid";
    char text[64];
    std::snprintf(text, sizeof(text), "%d/%d/%d %d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

// Both dialogs, and the code book that the list of values comes from.
class BrsFrtoTest : public ::testing::Test {
protected:
    void SetUp() override {
        CCodeBook::Clear();
        CCodeBook::SetName(CODE_TBL_CHIMOKU, 20, "畑");
        CCodeBook::SetName(CODE_TBL_CHIMOKU, 10, "田");
        CCodeBook::SetName(CODE_TBL_OAZA, 1, "本町");
        CCodeBook::SetName(CODE_TBL_OAZA, 2, "新町");
        CCodeBook::SetKoazaName(2, 5, "西");
        CCodeBook::SetKoazaName(1, 5, "東");
        CCodeBook::SetKoazaName(1, 3, "北");
    }
    void TearDown() override { CCodeBook::Clear(); }

    template <class Dlg> int Run(Dlg& dlg, const std::function<void(UiDialog&)>& script) {
        const bool only = std::is_same<Dlg, CBrsOnlyDlg>::value;
        return host.Run(
            only ? IDD_BRS_ONLY : IDD_BRS_FRTO,
            [&] {
                CVelmoraDlgScope scope;
                return (int)dlg.DoModal();
            },
            script);
    }

    // The help button shows the dialog's entry of the help table.
    static void ExpectHelp(UiDialog& ui, const char* title) {
        ui.Click(IDC_KESH_HELP);
        UiDialog box = ui.WaitForPopup();
        EXPECT_NE(box.AllTexts().find(title), std::string::npos) << box.AllTexts();
        box.Click(IDOK);
    }

    UiHost host;
};
using BrsOnlyTest = BrsFrtoTest;

// ---------------------------------------------------------------- one value
TEST_F(BrsOnlyTest, TextNeedsOneCharacterAndTakesAtMost64) {
    CBrsOnlyDlg free(host.Wnd(), 0, 0);
    Run(free, [&](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_ONLY_LABEL), "ブラシ名称(&N):");
        ExpectHelp(ui, "ペイント設定ライブラリ-ブラシの設定画面");
        ui.Click(IDCANCEL);
    });
    CBrsOnlyDlg dlg(host.Wnd(), 300, 0);
    const std::string full(64, 'x');
    int result = Run(dlg, [&](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_ONLY_LABEL), "画地名称(&N):");
        EXPECT_TRUE(ui.IsShown(IDC_ONLY_TEXT));
        EXPECT_FALSE(ui.IsShown(IDC_ONLY_COMBO));
        EXPECT_FALSE(ui.IsEnabled(IDOK));
        ui.PressEnter();
        EXPECT_TRUE(ui.IsOpen());
        ui.Type(IDC_ONLY_TEXT, "a");
        ui.WaitEnabled(IDOK, true);
        ui.Type(IDC_ONLY_TEXT, "");
        ui.WaitEnabled(IDOK, false);
        ui.Type(IDC_ONLY_TEXT, full);
        ::PostMessageA(ui.Item(IDC_ONLY_TEXT), WM_CHAR, 'y', 1); // one key more
        host.Sync();
        EXPECT_EQ(ui.Text(IDC_ONLY_TEXT), full);
        ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_strText, full.c_str());
}

// OK gives the chosen code and its text; Cancel, and a table without codes
// (which gives no OK), leave what the caller had.
TEST_F(BrsOnlyTest, ListsTheAttributesValuesAndGivesTheChosenCodeAndText) {
    struct Case {
        WORD zty;
        const char* label;
        std::vector<std::string> texts;
        int choose;
        int button;
        DWORD code;
        const char* text;
    };
    const Case cases[] = {
        // 小字 entries name their 大字 first and stand for the combined code.
        {107, "小字(&A):", {"本町北", "本町東", "新町西"}, 2, IDOK, R113CODEMIX(2, 5), "新町西"},
        {103, "公簿地目(&K):", {"田", "畑"}, 1, IDOK, 20, "畑"},
        {106, "所有権(&S):", {"無し", "有り"}, 1, IDOK, 1, "有り"},
        {106, "所有権(&S):", {"無し", "有り"}, 1, IDCANCEL, 77, "前"},
        {104, "所有者(&P):", {}, -1, IDCANCEL, 77, "前"},
    };
    for (const Case& c : cases) {
        CBrsOnlyDlg dlg(host.Wnd(), c.zty, 1);
        dlg.m_dwCode = 77;
        dlg.m_strText = "前";
        int result = Run(dlg, [&](UiDialog& ui) {
            EXPECT_EQ(ui.Text(IDC_ONLY_LABEL), c.label);
            EXPECT_TRUE(ui.IsShown(IDC_ONLY_COMBO));
            EXPECT_FALSE(ui.IsShown(IDC_ONLY_TEXT));
            ASSERT_EQ(ui.Count(IDC_ONLY_COMBO), (int)c.texts.size());
            for (int i = 0; i < (int)c.texts.size(); ++i)
                EXPECT_EQ(ui.ItemText(IDC_ONLY_COMBO, i), c.texts[i]);
            if (c.texts.empty()) {
                EXPECT_FALSE(ui.IsEnabled(IDOK));
                ui.PressEnter();
                EXPECT_TRUE(ui.IsOpen());
            } else {
                EXPECT_EQ(ui.Sel(IDC_ONLY_COMBO), 0);
                ui.ChooseCombo(IDC_ONLY_COMBO, c.choose);
            }
            ui.Click(c.button);
        });
        EXPECT_EQ(result, c.button) << c.zty;
        EXPECT_EQ(dlg.m_dwCode, c.code) << c.zty;
        EXPECT_EQ(dlg.m_strText, c.text) << c.zty;
    }
}

// ------------------------------------------------------- a value or a range
// Each field takes both ends of its range, typed over another value; past
// them it is kept in range. Then a range is put in order.
TEST_F(BrsFrtoTest, NumberRangeComesBackInRangeAndInOrder) {
    struct Case {
        WORD zty;
        const char* group;
        const char* from;
        const char* to;
        double wantFrom;
        double wantTo;
    };
    const Case cases[] = {
        {201, "共有人数:", "10", "3", 3, 10},
        {201, "共有人数:", "5", "5", 5, 5},
        {200, "画地No:", "0", "65535", 0, 65535},
        {200, "画地No:", "65535", "0", 0, 65535},
        {200, "画地No:", "70000", "-3", 0, 65535},
        {500, "公簿面積:", "12.5", "0.0000001", 0.0000001, 12.5},
        {501, "座標面積:", "0", "9999999.9999999", 0, 9999999.9999999},
        {501, "座標面積:", "9999999.9999999", "0", 0, 9999999.9999999},
        {502, "三斜面積:", "12345678", "-0.5", 0, 9999999.9999999},
    };
    for (const Case& c : cases) {
        CBrsFrtoDlg dlg(host.Wnd(), c.zty, 0);
        int result = Run(dlg, [&](UiDialog& ui) {
            EXPECT_EQ(ui.Text(IDC_FRTO_GROUP), c.group);
            EXPECT_FALSE(ui.IsEnabled(IDC_FRTO_TO));
            ui.Click(IDC_FRTO_RANGE);
            ui.WaitEnabled(IDC_FRTO_TO, true);
            ui.Type(IDC_FRTO_FROM, "2");
            ui.Type(IDC_FRTO_FROM, c.from);
            ui.Type(IDC_FRTO_TO, "1");
            ui.Type(IDC_FRTO_TO, c.to);
            ui.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_NE(dlg.m_bRange, 0);
        bool ints = c.zty < 500;
        EXPECT_EQ(ints ? dlg.m_nFrom : dlg.m_dFrom, c.wantFrom) << c.from << "～" << c.to;
        EXPECT_EQ(ints ? dlg.m_nTo : dlg.m_dTo, c.wantTo) << c.from << "～" << c.to;
    }
}

TEST_F(BrsFrtoTest, OkNeedsTheShownFieldsAndADisabledToIsStillCopied) {
    CBrsFrtoDlg dlg(host.Wnd(), 200, 0);
    EXPECT_EQ(dlg.m_nFrom | dlg.m_nTo | dlg.m_bRange, 0);
    EXPECT_EQ(dlg.m_dFrom + dlg.m_dTo, 0.0);
    int result = Run(dlg, [](UiDialog& ui) {
        EXPECT_TRUE(ui.IsShown(IDC_FRTO_FROM));
        EXPECT_FALSE(ui.IsShown(IDC_FRTO_FROM_DATE));
        ui.Type(IDC_FRTO_FROM, "");
        ui.WaitEnabled(IDOK, false);
        ui.PressEnter();
        EXPECT_TRUE(ui.IsOpen());
        ui.Type(IDC_FRTO_FROM, "7");
        ui.WaitEnabled(IDOK, true);
        ui.Click(IDC_FRTO_RANGE);
        ui.Type(IDC_FRTO_TO, "");
        ui.WaitEnabled(IDOK, false);
        ui.Type(IDC_FRTO_TO, "2");
        ui.WaitEnabled(IDOK, true);
        ui.Click(IDC_FRTO_RANGE);
        ui.WaitEnabled(IDC_FRTO_TO, false);
        ExpectHelp(ui, "ペイント設定ライブラリ-ブラシの作成画面");
        ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_bRange, 0);
    EXPECT_EQ(dlg.m_nFrom, 7); // not swapped: there is no range
    EXPECT_EQ(dlg.m_nTo, 2);
}

// The picked local times, a range put in order; Cancel leaves the dates.
TEST_F(BrsFrtoTest, DatesComeBackAsThePickedLocalTimes) {
    struct Case {
        WORD zty;
        const char* group;
        bool range;
        const char* from;
        const char* to;
        int button;
        const char* wantFrom;
        const char* wantTo;
    };
    const Case cases[] = {
        {401, "登記日付:", true, "2020/6/15 8:00:00", "2019/1/2 9:30:05", IDOK, "2019/1/2 9:30:05",
         "2020/6/15 8:00:00"},
        {400, "立会日付:", false, "2013/4/5 23:59:59", "2001/1/1 0:00:00", IDOK,
         "2013/4/5 23:59:59", "2001/1/1 0:00:00"},
        {401, "登記日付:", true, "2013/4/5 12:00:00", "2014/4/5 12:00:00", IDCANCEL, nullptr,
         nullptr},
    };
    for (const Case& c : cases) {
        CBrsFrtoDlg dlg(host.Wnd(), c.zty, 1);
        int result = Run(dlg, [&](UiDialog& ui) {
            EXPECT_EQ(ui.Text(IDC_FRTO_GROUP), c.group);
            EXPECT_TRUE(ui.IsShown(IDC_FRTO_TO_DATE));
            EXPECT_FALSE(ui.IsShown(IDC_FRTO_TO));
            EXPECT_FALSE(ui.IsEnabled(IDC_FRTO_TO_DATE));
            EXPECT_TRUE(ui.IsEnabled(IDOK));
            if (c.range) {
                ui.Click(IDC_FRTO_RANGE);
                ui.WaitEnabled(IDC_FRTO_TO_DATE, true);
            }
            ui.Type(IDC_FRTO_FROM_DATE, c.from);
            ui.Type(IDC_FRTO_TO_DATE, c.to);
            ui.Click(c.button);
        });
        EXPECT_EQ(result, c.button);
        if (c.button == IDCANCEL) {
            EXPECT_EQ(dlg.m_tFrom | dlg.m_tTo, 0);
            continue;
        }
        EXPECT_EQ(dlg.m_bRange, c.range ? 1 : 0);
        EXPECT_EQ(Local(dlg.m_tFrom), c.wantFrom) << c.from;
        EXPECT_EQ(Local(dlg.m_tTo), c.wantTo) << c.to;
    }
}

} // namespace
