// The new-brush condition dialogs, driven as a user drives them.
#include "host/code_book.h"
#include "host/code_tables.h"
#include "model/zok_catalogue.h"
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
#include <vector>

namespace {

// "Y/M/D h:mm:ss" of a stored date in the local calendar; "-" for none.
std::string Local(std::int32_t date) {
    __time64_t wide = date;
    std::tm local = {};
    char text[64] = "-";
    if (date != 0 && _localtime64_s(&local, &wide) == 0)
        std::strftime(text, sizeof(text), "%Y/%#m/%#d %#H:%M:%S", &local);
    return text;
}

// A number or date condition as typed, and as the caller reads it back.
struct FrtoCase {
    WORD zty;
    const char* group;
    bool range;
    const char* from;
    const char* to;
    int button;
    const char* want; // the range flag, from and to
};

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

    int Run(CDialog& dlg, const std::function<void(UiDialog&)>& script) {
        return host.Run(
            [&] {
                CVelmoraDlgScope scope;
                return (int)dlg.DoModal();
            },
            script);
    }

    static void ExpectHelp(UiDialog& ui, const char* title) {
        ui.Click(IDC_KESH_HELP);
        UiDialog box = ui.WaitForPopup();
        EXPECT_NE(box.AllTexts().find(title), std::string::npos);
        box.Click(IDOK);
    }

    void ExpectFrto(const std::vector<FrtoCase>& cases);

    UiHost host;
};
using BrsOnlyTest = BrsFrtoTest;

// A text is cut at 64 bytes, never inside a character.
TEST_F(BrsOnlyTest, TextNeedsOneCharacterAndTakesAtMost64) {
    const std::string full(64, 'x'), cut(63, 'x');
    const struct {
        WORD zty;
        const char* label;
        std::string typed, kept;
    } cases[] = {{0, "ブラシ名称(&N):", full, full}, {300, "画地名称(&N):", cut + "あ", cut}};
    for (const auto& c : cases) {
        CBrsOnlyDlg dlg(host.Wnd(), c.zty, 0);
        Run(dlg, [&](UiDialog& ui) {
            EXPECT_EQ(ui.Text(IDC_ONLY_LABEL), c.label);
            EXPECT_FALSE(ui.IsShown(IDC_ONLY_COMBO));
            EXPECT_FALSE(ui.IsEnabled(IDOK));
            ui.PressKey(VK_RETURN);
            EXPECT_TRUE(ui.IsOpen());
            ExpectHelp(ui, "ペイント設定ライブラリ-ブラシの設定画面");
            ui.Type(IDC_ONLY_TEXT, "a");
            ui.WaitEnabled(IDOK, true);
            ui.Type(IDC_ONLY_TEXT, c.typed);
            ::PostMessageA(ui.Item(IDC_ONLY_TEXT), WM_CHAR, 'y', 1); // one key more
            ui.Click(IDOK);
        });
        EXPECT_EQ(dlg.m_strText, c.kept.c_str());
    }
}

// Cancel, and a table without codes (which gives no OK), leave the caller's.
TEST_F(BrsOnlyTest, ListsTheAttributesValuesAndGivesTheChosenCodeAndText) {
    const struct {
        WORD zty;
        const char* label;
        const char* texts; // the list, each ended by '|'
        int choose;
        int button;
        DWORD code;
        const char* text;
    } cases[] = {
        // 小字 entries name their 大字 first and stand for the combined code.
        {107, "小字(&A):", "本町北|本町東|新町西|", 2, IDOK, R113CODEMIX(2, 5), "新町西"},
        {103, "公簿地目(&K):", "田|畑|", 1, IDOK, 20, "畑"},
        {106, "所有権(&S):", "無し|有り|", 1, IDOK, 1, "有り"},
        {106, "所有権(&S):", "無し|有り|", 1, IDCANCEL, 77, "前"},
        {104, "所有者(&P):", "", -1, IDCANCEL, 77, "前"},
    };
    for (const auto& c : cases) {
        CBrsOnlyDlg dlg(host.Wnd(), c.zty, 1);
        dlg.m_dwCode = 77;
        dlg.m_strText = "前";
        Run(dlg, [&](UiDialog& ui) {
            EXPECT_EQ(ui.Text(IDC_ONLY_LABEL), c.label);
            EXPECT_FALSE(ui.IsShown(IDC_ONLY_TEXT));
            std::string texts;
            for (int i = 0; i < ui.Count(IDC_ONLY_COMBO); ++i)
                texts += ui.ItemText(IDC_ONLY_COMBO, i) + "|";
            EXPECT_EQ(texts, c.texts);
            if (!*c.texts) {
                EXPECT_FALSE(ui.IsEnabled(IDOK));
                ui.PressKey(VK_RETURN);
                EXPECT_TRUE(ui.IsOpen());
            } else {
                EXPECT_EQ(ui.Sel(IDC_ONLY_COMBO), 0);
                ui.ChooseCombo(IDC_ONLY_COMBO, c.choose);
            }
            ui.Click(c.button);
        });
        EXPECT_EQ(std::to_string(dlg.m_dwCode) + " " + dlg.m_strText.GetString(),
                  std::to_string(c.code) + " " + c.text)
            << c.zty;
    }
}

// Both ends of a range are taken over another value; a range comes back in order.
void BrsFrtoTest::ExpectFrto(const std::vector<FrtoCase>& cases) {
    for (const FrtoCase& c : cases) {
        const bool dates = VelmoraZokKindOf(c.zty) == ZOK_KIND_DATE;
        const int from = dates ? IDC_FRTO_FROM_DATE : IDC_FRTO_FROM;
        const int to = dates ? IDC_FRTO_TO_DATE : IDC_FRTO_TO;
        CBrsFrtoDlg dlg(host.Wnd(), c.zty, dates);
        dlg.m_nFrom = 70000; // a caller's value out of range shows settled
        dlg.m_dFrom = -1.0;
        Run(dlg, [&](UiDialog& ui) {
            EXPECT_EQ(ui.Text(IDC_FRTO_GROUP), c.group);
            if (!dates) {
                EXPECT_EQ(ui.Text(from), c.zty < 500 ? "65535" : "0.0000000");
            }
            EXPECT_FALSE(ui.IsShown(dates ? IDC_FRTO_TO : IDC_FRTO_TO_DATE));
            EXPECT_FALSE(ui.IsEnabled(to));
            ui.Click(IDC_FRTO_RANGE); // on, and off again for one value
            if (!c.range)
                ui.Click(IDC_FRTO_RANGE);
            ui.WaitEnabled(to, c.range);
            if (!dates) { // OK needs a value in each field in use
                ui.Type(from, "");
                ui.WaitEnabled(IDOK, false);
                ui.PressKey(VK_RETURN); // the dialog stays open
                ui.Type(from, "2");
                ui.Type(to, "");
                ui.WaitEnabled(IDOK, !c.range);
                ui.Type(to, "1");
            }
            ui.Type(from, c.from);
            ui.Type(to, c.to);
            if (&c == &cases.front())
                ExpectHelp(ui, "ペイント設定ライブラリ-ブラシの作成画面");
            ui.Click(c.button);
        });
        char got[128];
        if (dates)
            std::snprintf(got, sizeof(got), "%d %s %s", dlg.m_bRange, Local(dlg.m_tFrom).c_str(),
                          Local(dlg.m_tTo).c_str());
        else if (c.zty < 500)
            std::snprintf(got, sizeof(got), "%d %d %d", dlg.m_bRange, dlg.m_nFrom, dlg.m_nTo);
        else
            std::snprintf(got, sizeof(got), "%d %.7f %.7f", dlg.m_bRange, dlg.m_dFrom, dlg.m_dTo);
        EXPECT_EQ(got, std::string(c.want)) << c.from << "～" << c.to;
    }
}

TEST_F(BrsFrtoTest, NumbersComeBackInRangeAndInOrder) {
    ExpectFrto({
        {201, "共有人数:", true, "10", "3", IDOK, "1 3 10"},
        {200, "画地No:", true, "0", "65535", IDOK, "1 0 65535"},
        {200, "画地No:", true, "65535", "0", IDOK, "1 0 65535"},
        {200, "画地No:", true, "70000", "-3", IDOK, "1 0 65535"},
        {200, "画地No:", false, "7", "2", IDOK, "0 7 2"}, // a disabled To is still copied
        {500, "公簿面積:", true, "12.5", "0.0000001", IDOK, "1 0.0000001 12.5000000"},
        {501, "座標面積:", true, "0", "9999999.9999999", IDOK, "1 0.0000000 9999999.9999999"},
        {502, "三斜面積:", true, "12345678", "-0.5", IDOK, "1 0.0000000 9999999.9999999"},
    });
}

TEST_F(BrsFrtoTest, DatesComeBackAsThePickedLocalTimes) {
    ExpectFrto({
        {401, "登記日付:", true, "2020/6/15 8:00:00", "2019/1/2 9:30:05", IDOK,
         "1 2019/1/2 9:30:05 2020/6/15 8:00:00"},
        {400, "立会日付:", false, "2013/4/5 23:59:59", "2001/1/1 0:00:00", IDOK,
         "0 2013/4/5 23:59:59 2001/1/1 0:00:00"},
        {401, "登記日付:", true, "2013/4/5 12:00:00", "2014/4/5 12:00:00", IDCANCEL, "1 - -"},
    });
}

} // namespace
