// The palette editor through its export, end to end as a user works: adding
// brushes through the condition dialogs, deleting and changing them, the
// context menu, and what OK and Cancel leave in the palette.
#include "host/code_book.h"
#include "host/sample_drawing.h"
#include "ui/palette_set.h"
#include "ui/resource.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

const int kUntouchedSel = -7;

class MakePaleteTest : public ::testing::Test {
protected:
    MakePaleteTest() {
        FillSampleDrawing(drawing.Attr());
        plt.SetPNm("既存パレット");
    }

    int Run(int bNew, const std::function<void(UiDialog&)>& script) {
        return host.Run(
            IDD_MAKE_PALETE,
            [&] { return Velmora_PaletteSet(host.Wnd(), &drawing, &plt, &sel, bNew); }, script);
    }

    // A brush on the given layer, painted or hatched, named by its position.
    void AddBrushes(int count, WORD zty = 201) {
        plt.SetZty(zty);
        for (int i = 0; i < count; ++i) {
            CVObjBrs brs;
            brs.BFg = 1;
            brs.BNm = ("B" + std::to_string(plt.CountBrs())).c_str();
            brs.ZVal.Zty = zty;
            brs.ZVal.ZLong.From = plt.CountBrs();
            brs.LayerNo = plt.CountBrs() % 8;
            brs.Col = 7;
            brs.Hat = 9;
            plt.AddBrs(plt.CountBrs(), &brs);
        }
    }

    // Clicks a button that follows the idle pass, once the pass has enabled it.
    static void Press(UiDialog& dlg, int id) {
        dlg.WaitEnabled(id, true);
        dlg.Click(id);
    }

    static HWND List(UiDialog& dlg) { return dlg.Item(IDC_BRS_LIST); }

    static int Rows(UiDialog& dlg) {
        return (int)::SendMessageA(List(dlg), LVM_GETITEMCOUNT, 0, 0);
    }

    static std::string RowText(UiDialog& dlg, int row, int column) {
        char text[256] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        ::SendMessageA(List(dlg), LVM_GETITEMTEXTA, row, (LPARAM)&item);
        return text;
    }

    static UINT RowState(UiDialog& dlg, int row) {
        return (UINT)::SendMessageA(List(dlg), LVM_GETITEMSTATE, row, LVIS_SELECTED | LVIS_FOCUSED);
    }

    static std::vector<int> SelectedRows(UiDialog& dlg) {
        std::vector<int> rows;
        for (int row = -1;
             (row = (int)::SendMessageA(List(dlg), LVM_GETNEXTITEM, row, LVNI_SELECTED)) >= 0;)
            rows.push_back(row);
        return rows;
    }

    // Selects exactly these rows, as clicks with Ctrl held would.
    void Select(UiDialog& dlg, const std::vector<int>& rows) {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(List(dlg), LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&item);
        for (int row : rows) {
            item.state = LVIS_SELECTED | LVIS_FOCUSED;
            ::SendMessageA(List(dlg), LVM_SETITEMSTATE, row, (LPARAM)&item);
        }
        ::PostMessageA(dlg.Hwnd(), WM_NULL, 0, 0); // input wakes the idle handlers
        host.Sync();
    }

    // A mouse click of the given button on a row (or below the rows).
    void ClickRow(UiDialog& dlg, int row, bool right, bool twice = false) {
        RECT rect = {LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageA(List(dlg), LVM_GETITEMRECT, row, (LPARAM)&rect);
        LPARAM at = MAKELPARAM(rect.left + 20, (rect.top + rect.bottom) / 2);
        UINT down = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
        UINT up = right ? WM_RBUTTONUP : WM_LBUTTONUP;
        ::PostMessageA(List(dlg), down, right ? MK_RBUTTON : MK_LBUTTON, at);
        ::PostMessageA(List(dlg), up, 0, at);
        if (twice) {
            ::PostMessageA(List(dlg), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            ::PostMessageA(List(dlg), WM_LBUTTONUP, 0, at);
        }
        host.Sync();
    }

    // The context menu's window once it shows, and its items' greyed states.
    HMENU WaitForMenu(HWND& window) {
        host.WaitUntil(
            [&] {
                window = ::FindWindowA("#32768", nullptr);
                return window && ::IsWindowVisible(window);
            },
            "the context menu");
        return (HMENU)::SendMessageA(window, MN_GETHMENU, 0, 0);
    }

    UiHost host;
    ZEL drawing;
    CVObjPlt plt;
    int sel = kUntouchedSel;
};

TEST_F(MakePaleteTest, NewEmptyPaletteThenAnIntegerRangeAndCancelKeepsTheBrush) {
    plt.SetZty(201);
    int result = Run(1, [&](UiDialog& dlg) {
        EXPECT_EQ(dlg.Text(IDC_PLT_NAME), "新規パレット");
        EXPECT_EQ(dlg.Text(IDC_PLT_ZOK), "共有人数");
        EXPECT_FALSE(dlg.IsEnabled(IDC_BRS_LIST));
        // The buttons follow the idle pass that comes after the first input.
        dlg.WaitEnabled(IDC_BRS_DELETE, false);
        dlg.WaitEnabled(IDC_BRS_CHANGE, false);
        EXPECT_TRUE(dlg.IsEnabled(IDC_BRS_ADD));
        EXPECT_TRUE(dlg.IsEnabled(IDOK));
        EXPECT_EQ(dlg.ToolTip(IDC_BRS_ADD), "新規のペイントブラシを追加します。");

        Press(dlg, IDC_BRS_ADD);
        UiDialog cond = dlg.WaitForPopup();
        cond.Click(IDC_FRTO_RANGE);
        cond.Type(IDC_FRTO_FROM, "20");
        cond.Type(IDC_FRTO_TO, "10");
        cond.Click(IDOK);
        EXPECT_EQ(Rows(dlg), 1);
        EXPECT_EQ(RowText(dlg, 0, 0), "10～20");
        EXPECT_EQ(RowState(dlg, 0), UINT(LVIS_SELECTED | LVIS_FOCUSED));
        EXPECT_TRUE(dlg.IsEnabled(IDC_BRS_LIST));
        dlg.WaitEnabled(IDC_BRS_DELETE, true);

        dlg.Type(IDC_PLT_NAME, "");
        dlg.WaitEnabled(IDOK, false);
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(sel, kUntouchedSel);
    EXPECT_STREQ(plt.GetPNm(), "既存パレット");
    ASSERT_EQ(plt.CountBrs(), 1);
    const CVObjBrs& brs = *plt.GetObjBrs(0);
    EXPECT_EQ(+brs.ZVal.ZLong.RangeFlg, 1u);
    EXPECT_EQ(+brs.ZVal.ZLong.From, 10);
    EXPECT_EQ(+brs.ZVal.ZLong.To, 20);
    EXPECT_EQ(+brs.BFg, 1);
    EXPECT_EQ(+brs.Hat,
              1u); // a new brush starts cleared: black paint at 100 on layer 0
    EXPECT_EQ(+brs.PaintData.Depth, 100.0);
}

TEST_F(MakePaleteTest, AreaAndDateBrushesAreNamedInTheEditorsForm) {
    plt.SetZty(500);
    Run(0, [&](UiDialog& dlg) {
        EXPECT_EQ(dlg.Text(IDC_PLT_NAME), "既存パレット");
        Press(dlg, IDC_BRS_ADD);
        UiDialog cond = dlg.WaitForPopup();
        cond.Type(IDC_FRTO_FROM, "12.5");
        cond.Click(IDOK);
        EXPECT_EQ(RowText(dlg, 0, 0), "12.5000000");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(plt.GetObjBrs(0)->ZVal.ZReal.From, 12.5);

    plt.SetZty(401);
    plt.DelAllBrs();
    Run(0, [&](UiDialog& dlg) {
        Press(dlg, IDC_BRS_ADD);
        UiDialog cond = dlg.WaitForPopup();
        SYSTEMTIME day = {2013, 4, 5, 5, 0, 0, 0, 0};
        ::SendMessageA(cond.Item(IDC_FRTO_FROM_DATE), DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&day);
        cond.Click(IDOK);
        EXPECT_EQ(RowText(dlg, 0, 0), "2013/4/5");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(+plt.GetObjBrs(0)->ZVal.ZDate.RangeFlg, 0u);
}

TEST_F(MakePaleteTest, FreePaletteTakesANameOnlyAndAnUnknownAttributeAddsNothing) {
    plt.SetZty(0);
    Run(0, [&](UiDialog& dlg) {
        EXPECT_EQ(dlg.Text(IDC_PLT_ZOK), "フリー");
        Press(dlg, IDC_BRS_ADD);
        UiDialog cond = dlg.WaitForPopup();
        cond.Type(IDC_ONLY_TEXT, "見本");
        cond.Click(IDOK);
        EXPECT_EQ(RowText(dlg, 0, 0), "見本");
        dlg.Click(IDOK);
    });
    ASSERT_EQ(plt.CountBrs(), 1);
    EXPECT_EQ(+plt.GetObjBrs(0)->ZVal.Zty, 0);

    plt.DelAllBrs();
    plt.SetZty(999);
    Run(0, [&](UiDialog& dlg) {
        EXPECT_EQ(dlg.Text(IDC_PLT_ZOK), "");
        Press(dlg, IDC_BRS_ADD);
        UiDialog box = dlg.WaitForPopup();
        EXPECT_EQ(box.Text(0xFFFF), "属性が正しく登録できていません。");
        EXPECT_NE(box.AllTexts().find("属性ペイント"), std::string::npos);
        box.Click(IDOK);
        EXPECT_EQ(Rows(dlg), 0);
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(plt.CountBrs(), 0);
}

TEST_F(MakePaleteTest, TheLastSlotFillsAndThenAddIsDisabledAndGreyed) {
    AddBrushes(254);
    Run(0, [&](UiDialog& dlg) {
        EXPECT_EQ(Rows(dlg), 254);
        EXPECT_EQ(SelectedRows(dlg), std::vector<int>{0});
        Press(dlg, IDC_BRS_ADD);
        UiDialog cond = dlg.WaitForPopup();
        cond.Type(IDC_FRTO_FROM, "7");
        cond.Click(IDOK);
        EXPECT_EQ(Rows(dlg), 255);
        EXPECT_EQ(SelectedRows(dlg), std::vector<int>{254});
        dlg.WaitEnabled(IDC_BRS_ADD, false);

        ClickRow(dlg, 254, true);
        HWND window = nullptr;
        HMENU menu = WaitForMenu(window);
        EXPECT_TRUE(::GetMenuState(menu, IDC_BRS_ADD, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_FALSE(::GetMenuState(menu, IDC_BRS_CHANGE, MF_BYCOMMAND) & MF_GRAYED);
        ::PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        host.Sync();
        dlg.Click(IDOK);
    });
    EXPECT_EQ(plt.CountBrs(), 255);
    EXPECT_EQ(sel, 254);
}

TEST_F(MakePaleteTest, DeletingSelectsTheRowThatTookTheFirstDeletedPlace) {
    AddBrushes(7);
    Run(0, [&](UiDialog& dlg) {
        Select(dlg, {2, 5});
        Press(dlg, IDC_BRS_DELETE);
        EXPECT_EQ(Rows(dlg), 5);
        EXPECT_EQ(RowText(dlg, 2, 0), "B3");
        EXPECT_EQ(RowText(dlg, 4, 0), "B6");
        EXPECT_EQ(RowState(dlg, 2), UINT(LVIS_SELECTED | LVIS_FOCUSED));

        Select(dlg, {3, 4});
        Press(dlg, IDC_BRS_DELETE);
        EXPECT_EQ(SelectedRows(dlg), std::vector<int>{2});

        Select(dlg, {0, 1, 2});
        Press(dlg, IDC_BRS_DELETE);
        EXPECT_EQ(Rows(dlg), 0);
        EXPECT_FALSE(dlg.IsEnabled(IDC_BRS_LIST));
        dlg.WaitEnabled(IDC_BRS_DELETE, false);
        dlg.WaitEnabled(IDC_BRS_CHANGE, false);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(plt.CountBrs(), 0);
    EXPECT_EQ(sel, -1);
}

TEST_F(MakePaleteTest, ChangingOneBrushEditsACopyAndRefreshesItsRow) {
    AddBrushes(3);
    Run(0, [&](UiDialog& dlg) {
        Select(dlg, {1});
        ClickRow(dlg, 1, false, true);
        UiDialog fill = dlg.WaitForPopup();
        fill.Click(IDC_FILL_HATCH);
        fill.Click(IDCANCEL);
        EXPECT_EQ(+plt.GetObjBrs(1)->PaintFlg, 0);

        Press(dlg, IDC_BRS_CHANGE);
        UiDialog again = dlg.WaitForPopup();
        again.Click(IDC_FILL_HATCH);
        again.Type(IDC_FILL_SPACE, "2.5");
        again.Click(IDOK);
        EXPECT_EQ(RowText(dlg, 1, 4), "----");
        EXPECT_EQ(RowText(dlg, 1, 5), "2.50");
        dlg.Click(IDOK);
    });
    const CVObjBrs& brs = *plt.GetObjBrs(1);
    EXPECT_EQ(+brs.PaintFlg, 1);
    EXPECT_EQ(+brs.HatchData.Space[3], 2.5);
    EXPECT_STREQ(brs.BNm, "B1");
    EXPECT_EQ(+brs.Col, 7); // a single change keeps everything it does not show
}

// Each box alone, on two brushes of three: only its settings are applied.
TEST_F(MakePaleteTest, ChangingSeveralAppliesEachCheckedSettingAlone) {
    struct Case {
        int box;
        bool hatch;
        const char* changed; // layer, paint colour, density, hatch colours,
                             // pattern, spacings
    };
    const Case cases[] = {
        {IDC_MULTI_LAYER_ON, false, "100000"},     {IDC_MULTI_PAINT_COLOR_ON, false, "010000"},
        {IDC_MULTI_DEPTH_ON, false, "001000"},     {IDC_MULTI_HATCH_COLOR_ON, true, "000100"},
        {IDC_MULTI_HATCH_TYPE_ON, true, "000010"}, {IDC_MULTI_SPACE_ON, true, "000001"}};
    const int count = 3 * (int)std::size(cases);
    AddBrushes(count);
    // Unlike the cleared brush the dialog starts from, and on different layers.
    for (int row = 0; row < count; ++row) {
        CVObjBrs& brs = *plt.GetObjBrs((BYTE)row);
        brs.LayerNo = 1 + row % 3;
        brs.PaintData = {RGB(1, 2, 3), 40.0};
        brs.HatchData.Type = 2;
        for (int i = 0; i < 4; ++i) {
            brs.HatchData.Color[i] = 2;
            brs.HatchData.Space[i] = 7.0;
        }
    }
    std::vector<CVObjBrs> before(count);
    for (int row = 0; row < count; ++row)
        before[row].Copy(*plt.GetObjBrs((BYTE)row));
    Run(0, [&](UiDialog& dlg) {
        for (int k = 0; k < (int)std::size(cases); ++k) {
            Select(dlg, {3 * k, 3 * k + 2});
            Press(dlg, IDC_BRS_CHANGE);
            UiDialog fill = dlg.WaitForPopup();
            if (cases[k].hatch)
                fill.Click(IDC_FILL_HATCH);
            fill.Click(cases[k].box);
            fill.Click(IDOK);
        }
        dlg.Click(IDOK);
    });
    for (int row = 0; row < count; ++row) {
        const CVObjBrs& a = before[row];
        const CVObjBrs& b = *plt.GetObjBrs((BYTE)row);
        const Case& c = cases[row / 3];
        bool spaces = true;
        bool colors = true;
        for (int i = 0; i < 4; ++i) {
            spaces = spaces && a.HatchData.Space[i] == b.HatchData.Space[i];
            colors = colors && a.HatchData.Color[i] == b.HatchData.Color[i];
        }
        std::string changed = {a.LayerNo == b.LayerNo ? '0' : '1',
                               a.PaintData.Color == b.PaintData.Color ? '0' : '1',
                               a.PaintData.Depth == b.PaintData.Depth ? '0' : '1',
                               colors ? '0' : '1',
                               a.HatchData.Type == b.HatchData.Type ? '0' : '1',
                               spaces ? '0' : '1'};
        EXPECT_EQ(changed, row % 3 == 1 ? "000000" : c.changed) << "row " << row;
        EXPECT_EQ(+b.PaintFlg, row % 3 == 1 ? 0 : c.hatch) << "row " << row;
        EXPECT_EQ(+b.Col, row % 3 == 1 ? 7 : 0) << "row " << row;
    }
}

TEST_F(MakePaleteTest, OkStoresTheNameAndTheFirstSelectedRow) {
    AddBrushes(5);
    int result = Run(0, [&](UiDialog& dlg) {
        Select(dlg, {3, 1});
        dlg.Type(IDC_PLT_NAME, "所有%d別%s");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(sel, 1);
    EXPECT_STREQ(plt.GetPNm(), "所有%d別%s");
}

TEST_F(MakePaleteTest, MenuWithoutSelectionGreysChangeAndDeleteAndItsAddWorks) {
    AddBrushes(2);
    Run(0, [&](UiDialog& dlg) {
        Select(dlg, {});
        ClickRow(dlg, 1, false, true); // a double-click on a row selects it first
        UiDialog fill = dlg.WaitForPopup();
        fill.Click(IDCANCEL);
        Select(dlg, {});
        ::PostMessageA(List(dlg), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 300));
        ::PostMessageA(List(dlg), WM_RBUTTONUP, 0, MAKELPARAM(20, 300));
        host.Sync();
        HWND window = nullptr;
        HMENU menu = WaitForMenu(window);
        ASSERT_EQ(::GetMenuItemCount(menu), 3);
        EXPECT_FALSE(::GetMenuState(menu, IDC_BRS_ADD, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_TRUE(::GetMenuState(menu, IDC_BRS_CHANGE, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_TRUE(::GetMenuState(menu, IDC_BRS_DELETE, MF_BYCOMMAND) & MF_GRAYED);
        ::PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
        UiDialog cond = dlg.WaitForPopup();
        cond.Type(IDC_FRTO_FROM, "3");
        cond.Click(IDOK);
        EXPECT_EQ(Rows(dlg), 3);
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(plt.CountBrs(), 3);
}

} // namespace
