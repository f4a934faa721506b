// The new-brush condition dialogs, opened with the library's resources as the
// editor opens them, and driven as a user drives them.
#include "host/code_book.h"
#include "host/code_tables.h"
#include "ui/brs_frto_dlg.h"
#include "ui/brs_only_dlg.h"
#include "ui/dialog_scope.h"
#include "ui/resource.h"
#include "ui_driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

template <class Dlg>
int RunDialog(UiHost& host, Dlg& dlg, int templateId,
              const std::function<void(UiDialog&)>& script) {
    return host.Run(
        templateId,
        [&] {
            CVelmoraDlgScope scope;
            return (int)dlg.DoModal();
        },
        script);
}

bool IsShown(const UiDialog& dlg, int id) {
    return ::IsWindowVisible(dlg.Item(id)) != FALSE;
}

// A key typed into the control that has the focus, as WM_CHAR.
void TypeChar(UiHost& host, const UiDialog& dlg, int id, char ch) {
    ::PostMessageA(dlg.Item(id), WM_CHAR, (WPARAM)(BYTE)ch, 1);
    host.Sync();
}

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

// The user picks a date: the picker takes it and tells the dialog.
void PickDate(const UiDialog& dlg, int id, SYSTEMTIME time) {
    HWND picker = dlg.Item(id);
    ::SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time);
    NMDATETIMECHANGE change = {};
    change.nmhdr.hwndFrom = picker;
    change.nmhdr.idFrom = (UINT_PTR)id;
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = time;
    ::SendMessageA(dlg.Hwnd(), WM_NOTIFY, (WPARAM)id, (LPARAM)&change);
}

// "Y/M/D h:m:s" of a stored date in the local calendar.
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

TEST(BrsCondLayout, MembersAreBytePackedInTheirOrder) {
    CBrsOnlyDlg only(nullptr, 300, 0);
    auto onlyAt = [&](const void* member) {
        return static_cast<const char*>(member) - reinterpret_cast<const char*>(&only.m_nMode);
    };
    EXPECT_EQ(onlyAt(&only.m_wZty), 1);
    EXPECT_EQ(onlyAt(&only.m_pStrEdit), 3);
    EXPECT_EQ(onlyAt(&only.m_dwCode), 11);
    EXPECT_EQ(onlyAt(&only.m_strText), 15);

    CBrsFrtoDlg frto(nullptr, 200, 0);
    auto frtoAt = [&](const void* member) {
        return static_cast<const char*>(member) - reinterpret_cast<const char*>(&frto.m_nMode);
    };
    EXPECT_EQ(frtoAt(&frto.m_pFromEdit), 3);
    EXPECT_EQ(frtoAt(&frto.m_pToDblEdit), 27);
    EXPECT_EQ(frtoAt(&frto.m_nFrom), 35);
    EXPECT_EQ(frtoAt(&frto.m_dFrom), 43);
    EXPECT_EQ(frtoAt(&frto.m_tFrom), 59);
    EXPECT_EQ(frtoAt(&frto.m_dtFrom), 67);
    EXPECT_EQ(frtoAt(&frto.m_bRange), 67 + 2 * (std::ptrdiff_t)sizeof(CDateTimeCtrl));
    EXPECT_EQ(frto.m_nFrom, 0);
    EXPECT_EQ(frto.m_nTo, 0);
    EXPECT_EQ(frto.m_dFrom, 0.0);
    EXPECT_EQ(frto.m_dTo, 0.0);
    EXPECT_EQ(frto.m_bRange, 0);
}

// ---------------------------------------------------------------- one value
class BrsOnlyTest : public ::testing::Test {
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

    int Run(CBrsOnlyDlg& dlg, const std::function<void(UiDialog&)>& script) {
        return RunDialog(host, dlg, IDD_BRS_ONLY, script);
    }

    UiHost host;
};

TEST_F(BrsOnlyTest, TextNeedsOneCharacterAndTakesAtMost64) {
    CBrsOnlyDlg dlg(host.Wnd(), 300, 0);
    const std::string full(64, 'x');
    int result = Run(dlg, [&](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_ONLY_LABEL), "画地名称(&N):");
        EXPECT_TRUE(IsShown(ui, IDC_ONLY_TEXT));
        EXPECT_FALSE(IsShown(ui, IDC_ONLY_COMBO));
        EXPECT_FALSE(ui.IsEnabled(IDOK));
        ui.PressEnter();
        EXPECT_TRUE(ui.IsOpen());

        ui.Type(IDC_ONLY_TEXT, "a");
        ui.WaitEnabled(IDOK, true);
        ui.Type(IDC_ONLY_TEXT, "");
        ui.WaitEnabled(IDOK, false);

        ui.Type(IDC_ONLY_TEXT, full);
        TypeChar(host, ui, IDC_ONLY_TEXT, 'y');
        EXPECT_EQ(ui.Text(IDC_ONLY_TEXT), full);
        ui.WaitEnabled(IDOK, true);
        ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_strText, full.c_str());
}

TEST_F(BrsOnlyTest, ListsTheAttributesValuesAndGivesTheChosenCodeAndText) {
    struct Case {
        WORD zty;
        const char* label;
        std::vector<std::string> texts;
        int choose;
        DWORD code;
        const char* text;
    };
    const Case cases[] = {
        // 小字 entries name their 大字 first and stand for the combined code.
        {107, "小字(&A):", {"本町北", "本町東", "新町西"}, 2, R113CODEMIX(2, 5), "新町西"},
        {103, "公簿地目(&K):", {"田", "畑"}, 1, 20, "畑"},
        {106, "所有権(&S):", {"無し", "有り"}, 0, 0, "無し"},
        {106, "所有権(&S):", {"無し", "有り"}, 1, 1, "有り"},
    };
    for (const Case& c : cases) {
        CBrsOnlyDlg dlg(host.Wnd(), c.zty, 1);
        int result = Run(dlg, [&](UiDialog& ui) {
            EXPECT_EQ(ui.Text(IDC_ONLY_LABEL), c.label);
            EXPECT_TRUE(IsShown(ui, IDC_ONLY_COMBO));
            EXPECT_FALSE(IsShown(ui, IDC_ONLY_TEXT));
            ASSERT_EQ(ui.ComboCount(IDC_ONLY_COMBO), (int)c.texts.size());
            for (int i = 0; i < (int)c.texts.size(); ++i)
                EXPECT_EQ(ui.ComboText(IDC_ONLY_COMBO, i), c.texts[i]);
            EXPECT_EQ(ui.ComboSel(IDC_ONLY_COMBO), 0);
            ui.ChooseCombo(IDC_ONLY_COMBO, c.choose);
            ui.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.zty;
        EXPECT_EQ(dlg.m_dwCode, c.code) << c.zty;
        EXPECT_EQ(dlg.m_strText, c.text) << c.zty;
    }
}

TEST_F(BrsOnlyTest, EmptyCodeTableGivesNoOkAndCancelLeavesTheResults) {
    CBrsOnlyDlg dlg(host.Wnd(), 104, 1);
    dlg.m_dwCode = 77;
    dlg.m_strText = "前";
    int result = Run(dlg, [](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_ONLY_LABEL), "所有者(&P):");
        EXPECT_EQ(ui.ComboCount(IDC_ONLY_COMBO), 0);
        EXPECT_FALSE(ui.IsEnabled(IDOK));
        ui.PressEnter();
        EXPECT_TRUE(ui.IsOpen());
        ui.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);

    CBrsOnlyDlg chosen(host.Wnd(), 106, 1);
    chosen.m_dwCode = 77;
    chosen.m_strText = "前";
    result = Run(chosen, [](UiDialog& ui) {
        ui.ChooseCombo(IDC_ONLY_COMBO, 1);
        ui.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    for (CBrsOnlyDlg* cancelled : {&dlg, &chosen}) {
        EXPECT_EQ(cancelled->m_dwCode, 77u);
        EXPECT_EQ(cancelled->m_strText, "前");
    }
}

// ------------------------------------------------------- a value or a range
class BrsFrtoTest : public ::testing::Test {
protected:
    int Run(CBrsFrtoDlg& dlg, const std::function<void(UiDialog&)>& script) {
        return RunDialog(host, dlg, IDD_BRS_FRTO, script);
    }

    UiHost host;
};

TEST_F(BrsFrtoTest, IntegerRangeComesBackInOrder) {
    struct Case {
        const char* from;
        const char* to;
        int wantFrom;
        int wantTo;
    };
    for (const Case& c : {Case{"10", "3", 3, 10}, Case{"5", "5", 5, 5}, Case{"3", "10", 3, 10}}) {
        CBrsFrtoDlg dlg(host.Wnd(), 201, 0);
        int result = Run(dlg, [&](UiDialog& ui) {
            EXPECT_EQ(ui.Text(IDC_FRTO_GROUP), "共有人数:");
            EXPECT_FALSE(ui.IsEnabled(IDC_FRTO_TO));
            ui.Click(IDC_FRTO_RANGE);
            ui.WaitEnabled(IDC_FRTO_TO, true);
            ui.Type(IDC_FRTO_FROM, c.from);
            ui.Type(IDC_FRTO_TO, c.to);
            ui.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_NE(dlg.m_bRange, 0);
        EXPECT_EQ(dlg.m_nFrom, c.wantFrom) << c.from << "～" << c.to;
        EXPECT_EQ(dlg.m_nTo, c.wantTo) << c.from << "～" << c.to;
    }
}

TEST_F(BrsFrtoTest, OkNeedsTheShownFieldsAndADisabledToIsStillCopied) {
    CBrsFrtoDlg dlg(host.Wnd(), 200, 0);
    int result = Run(dlg, [](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_FRTO_GROUP), "画地No:");
        EXPECT_TRUE(IsShown(ui, IDC_FRTO_FROM));
        EXPECT_FALSE(IsShown(ui, IDC_FRTO_FROM_DATE));
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
        ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_bRange, 0);
    EXPECT_EQ(dlg.m_nFrom, 7); // not swapped: there is no range
    EXPECT_EQ(dlg.m_nTo, 2);
}

TEST_F(BrsFrtoTest, TypedValuesAreKeptInTheFieldsRangesThenPutInOrder) {
    CBrsFrtoDlg integers(host.Wnd(), 200, 0);
    Run(integers, [](UiDialog& ui) {
        ui.Click(IDC_FRTO_RANGE);
        ui.Type(IDC_FRTO_FROM, "70000");
        ui.Type(IDC_FRTO_TO, "-3");
        ui.Click(IDOK);
    });
    EXPECT_EQ(integers.m_nFrom, 0);
    EXPECT_EQ(integers.m_nTo, 65535);

    CBrsFrtoDlg reals(host.Wnd(), 500, 0);
    Run(reals, [](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_FRTO_GROUP), "公簿面積:");
        ui.Click(IDC_FRTO_RANGE);
        ui.Type(IDC_FRTO_FROM, "12345678");
        ui.Type(IDC_FRTO_TO, "-0.5");
        ui.Click(IDOK);
    });
    EXPECT_EQ(reals.m_dFrom, 0.0);
    EXPECT_EQ(reals.m_dTo, 9999999.9999999);
}

TEST_F(BrsFrtoTest, DateRangeEnteredBackwardsComesBackInOrder) {
    CBrsFrtoDlg dlg(host.Wnd(), 401, 1);
    int result = Run(dlg, [](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_FRTO_GROUP), "登記日付:");
        EXPECT_TRUE(IsShown(ui, IDC_FRTO_TO_DATE));
        EXPECT_FALSE(IsShown(ui, IDC_FRTO_TO));
        EXPECT_FALSE(ui.IsEnabled(IDC_FRTO_TO_DATE));
        EXPECT_TRUE(ui.IsEnabled(IDOK));
        ui.Click(IDC_FRTO_RANGE);
        ui.WaitEnabled(IDC_FRTO_TO_DATE, true);
        PickDate(ui, IDC_FRTO_FROM_DATE, Time(2020, 6, 15, 8, 0, 0));
        PickDate(ui, IDC_FRTO_TO_DATE, Time(2019, 1, 2, 9, 30, 5));
        ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Local(dlg.m_tFrom), "2019/1/2 9:30:05");
    EXPECT_EQ(Local(dlg.m_tTo), "2020/6/15 8:00:00");
}

TEST_F(BrsFrtoTest, SingleDateGivesTheChosenLocalDayAndCancelLeavesTheDates) {
    CBrsFrtoDlg dlg(host.Wnd(), 400, 1);
    int result = Run(dlg, [](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_FRTO_GROUP), "立会日付:");
        PickDate(ui, IDC_FRTO_FROM_DATE, Time(2013, 4, 5, 23, 59, 59));
        PickDate(ui, IDC_FRTO_TO_DATE, Time(2001, 1, 1, 0, 0, 0));
        ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_bRange, 0);
    EXPECT_EQ(Local(dlg.m_tFrom), "2013/4/5 23:59:59");
    EXPECT_EQ(Local(dlg.m_tTo), "2001/1/1 0:00:00");

    CBrsFrtoDlg cancelled(host.Wnd(), 401, 1);
    cancelled.m_tFrom = 123;
    cancelled.m_tTo = 456;
    result = Run(cancelled, [](UiDialog& ui) {
        PickDate(ui, IDC_FRTO_FROM_DATE, Time(2013, 4, 5, 12, 0, 0));
        ui.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(cancelled.m_tFrom, 123);
    EXPECT_EQ(cancelled.m_tTo, 456);
}

// ------------------------------------------------------------------- help
TEST(BrsCondHelp, ToolTipsAndTheHelpButtonsEntries) {
    UiHost host;
    CBrsFrtoDlg frto(host.Wnd(), 500, 0);
    RunDialog(host, frto, IDD_BRS_FRTO, [](UiDialog& ui) {
        // The tool tip hands out at most 80 bytes of a text through its ANSI message.
        const std::string toHelp = "属性に適した塗潰しの対象を設定してください"
                                   "（範囲指定型の場合は範囲の上限を入力してください）。";
        const std::string tip = ui.ToolTip(IDC_FRTO_TO_DATE);
        EXPECT_GE(tip.size(), 70u);
        EXPECT_EQ(toHelp.compare(0, tip.size(), tip), 0) << tip;
        EXPECT_EQ(ui.ToolTip(IDC_FRTO_RANGE), "塗潰しの対象を範囲で指定することができます。");
        EXPECT_EQ(ui.ToolTip(IDC_KESH_HELP), "このダイアログのヘルプを表示します。");
        ui.Click(IDC_KESH_HELP);
        UiDialog box = ui.WaitForPopup();
        EXPECT_NE(box.AllTexts().find("ペイント設定ライブラリ-ブラシの作成画面"), std::string::npos)
            << box.AllTexts();
        box.Click(IDOK);
        ui.Click(IDCANCEL);
    });

    CBrsOnlyDlg only(host.Wnd(), 0, 0);
    RunDialog(host, only, IDD_BRS_ONLY, [](UiDialog& ui) {
        EXPECT_EQ(ui.Text(IDC_ONLY_LABEL), "ブラシ名称(&N):");
        EXPECT_EQ(ui.ToolTip(IDC_ONLY_COMBO), "属性に適した塗潰しの対象を選択してください。");
        ui.Click(IDC_KESH_HELP);
        UiDialog box = ui.WaitForPopup();
        EXPECT_NE(box.AllTexts().find("ペイント設定ライブラリ-ブラシの設定画面"), std::string::npos)
            << box.AllTexts();
        box.Click(IDOK);
        ui.Click(IDCANCEL);
    });
}

} // namespace
