// The palette editor through its export, end to end as a user works: adding
// brushes through the condition dialogs, deleting and changing them, the
// context menu, and what OK and Cancel leave in the palette.
#include "host/sample_drawing.h"
#include "ui/palette_set.h"
#include "ui/resource.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

const int kUntouchedSel = -7;
const UINT kSelected = LVIS_SELECTED | LVIS_FOCUSED;

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

    // Brushes on the given layer, painted or hatched, named by their position.
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

    // Adds a brush through the condition dialog, typing one field.
    static void Add(UiDialog& dlg, int id, const char* text) {
        dlg.Click(IDC_BRS_ADD);
        UiDialog cond = dlg.WaitForPopup();
        cond.Type(id, text);
        cond.Click(IDOK);
    }

    static HWND List(UiDialog& dlg) { return dlg.Item(IDC_BRS_LIST); }
    static int Rows(UiDialog& dlg) { return ListView_GetItemCount(List(dlg)); }
    static UINT RowState(UiDialog& dlg, int row) {
        return ListView_GetItemState(List(dlg), row, kSelected);
    }
    static std::string RowText(UiDialog& dlg, int row, int column) {
        char text[256] = {};
        ListView_GetItemText(List(dlg), row, column, text, sizeof(text));
        return text;
    }
    static std::vector<int> SelectedRows(UiDialog& dlg) {
        std::vector<int> rows;
        for (int row = -1; (row = ListView_GetNextItem(List(dlg), row, LVNI_SELECTED)) >= 0;)
            rows.push_back(row);
        return rows;
    }

    // Selects exactly these rows, as clicks with Ctrl held would.
    void Select(UiDialog& dlg, const std::vector<int>& rows) {
        ListView_SetItemState(List(dlg), -1, 0, kSelected);
        for (int row : rows)
            ListView_SetItemState(List(dlg), row, kSelected, kSelected);
        ::PostMessageA(dlg.Hwnd(), WM_NULL, 0, 0); // input wakes the idle handlers
        host.Sync();
    }

    // A mouse click of the given button on a row, or at y below the rows.
    void ClickRow(UiDialog& dlg, int row, bool right, bool twice = false, int y = -1) {
        RECT rect = {};
        HWND list = List(dlg);
        ListView_GetItemRect(list, row, &rect, LVIR_BOUNDS);
        LPARAM at = MAKELPARAM(rect.left + 20, y >= 0 ? y : (rect.top + rect.bottom) / 2);
        ::PostMessageA(list, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN,
                       right ? MK_RBUTTON : MK_LBUTTON, at);
        ::PostMessageA(list, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
        if (twice) {
            ::PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            ::PostMessageA(list, WM_LBUTTONUP, 0, at);
        }
        host.Sync();
    }

    // The context menu once it shows: which of add, change and delete are
    // greyed, then the keys pressed in it.
    std::string Menu(std::initializer_list<UINT> keys) {
        HWND window = nullptr;
        host.WaitUntil(
            [&] {
                return (window = ::FindWindowA("#32768", nullptr)) && ::IsWindowVisible(window);
            },
            "the context menu");
        HMENU menu = (HMENU)::SendMessageA(window, MN_GETHMENU, 0, 0);
        std::string greyed = std::to_string(::GetMenuItemCount(menu)) + ":";
        for (int id : {IDC_BRS_ADD, IDC_BRS_CHANGE, IDC_BRS_DELETE})
            greyed += ::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED ? '1' : '0';
        for (UINT key : keys)
            ::PostMessageA(window, WM_KEYDOWN, key, 0);
        host.Sync();
        return greyed;
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
        EXPECT_TRUE(dlg.IsEnabled(IDC_BRS_ADD) && dlg.IsEnabled(IDOK));
        dlg.Click(IDC_BRS_ADD);
        UiDialog cond = dlg.WaitForPopup();
        cond.Click(IDC_FRTO_RANGE);
        cond.Type(IDC_FRTO_FROM, "20");
        cond.Type(IDC_FRTO_TO, "10");
        cond.Click(IDOK);
        EXPECT_EQ(Rows(dlg), 1);
        EXPECT_EQ(RowText(dlg, 0, 0), "10～20");
        EXPECT_EQ(RowState(dlg, 0), kSelected);
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
    EXPECT_EQ(+brs.Hat, 1u); // a new brush starts cleared: black paint at 100 on layer 0
    EXPECT_EQ(+brs.PaintData.Depth, 100.0);
}

// Each kind of attribute asks through its own dialog and names the brush in
// the editor's form.
TEST_F(MakePaleteTest, EachAttributeKindAddsABrushNamedInTheEditorsForm) {
    const struct {
        WORD zty;
        const char* zok; // nullptr: not checked
        int field;
        const char* typed;
        const char* row;
    } cases[] = {
        {500, nullptr, IDC_FRTO_FROM, "12.5", "12.5000000"},
        {401, nullptr, IDC_FRTO_FROM_DATE, "2013/4/5", "2013/4/5"},
        {0, "フリー", IDC_ONLY_TEXT, "見本", "見本"},
    };
    for (const auto& c : cases) {
        plt.DelAllBrs();
        plt.SetZty(c.zty);
        Run(0, [&](UiDialog& dlg) {
            EXPECT_EQ(dlg.Text(IDC_PLT_NAME), "既存パレット");
            if (c.zok) {
                EXPECT_EQ(dlg.Text(IDC_PLT_ZOK), c.zok);
            }
            Add(dlg, c.field, c.typed);
            EXPECT_EQ(RowText(dlg, 0, 0), c.row) << c.zty;
            dlg.Click(IDOK);
        });
        ASSERT_EQ(plt.CountBrs(), 1) << c.zty;
        EXPECT_EQ(+plt.GetObjBrs(0)->ZVal.Zty, c.zty);
    }
    EXPECT_EQ(+plt.GetObjBrs(0)->ZVal.ZDate.RangeFlg, 0u);
}

TEST_F(MakePaleteTest, AnUnknownAttributeAddsNothing) {
    plt.SetZty(999);
    Run(0, [&](UiDialog& dlg) {
        EXPECT_EQ(dlg.Text(IDC_PLT_ZOK), "");
        dlg.Click(IDC_BRS_ADD);
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
        Add(dlg, IDC_FRTO_FROM, "7");
        EXPECT_EQ(Rows(dlg), 255);
        EXPECT_EQ(SelectedRows(dlg), std::vector<int>{254});
        dlg.WaitEnabled(IDC_BRS_ADD, false);
        ClickRow(dlg, 254, true);
        EXPECT_EQ(Menu({VK_ESCAPE}), "3:100");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(plt.CountBrs(), 255);
    EXPECT_EQ(sel, 254);
}

TEST_F(MakePaleteTest, DeletingSelectsTheRowThatTookTheFirstDeletedPlace) {
    AddBrushes(7);
    Run(0, [&](UiDialog& dlg) {
        Select(dlg, {2, 5});
        dlg.Click(IDC_BRS_DELETE);
        EXPECT_EQ(Rows(dlg), 5);
        EXPECT_EQ(RowText(dlg, 2, 0) + RowText(dlg, 4, 0), "B3B6");
        EXPECT_EQ(RowState(dlg, 2), kSelected);
        Select(dlg, {3, 4});
        dlg.Click(IDC_BRS_DELETE);
        EXPECT_EQ(SelectedRows(dlg), std::vector<int>{2});
        Select(dlg, {0, 1, 2});
        dlg.Click(IDC_BRS_DELETE);
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
        dlg.Click(IDC_BRS_CHANGE);
        UiDialog again = dlg.WaitForPopup();
        again.Click(IDC_FILL_HATCH);
        again.Type(IDC_FILL_SPACE, "2.5");
        again.Click(IDOK);
        EXPECT_EQ(RowText(dlg, 1, 4) + " " + RowText(dlg, 1, 5), "---- 2.50");
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
    const struct {
        int box;
        bool hatch;
        const char* changed; // layer, paint colour, density, hatch colours, pattern, spacings
    } cases[] = {
        {IDC_MULTI_LAYER_ON, false, "100000"},     {IDC_MULTI_PAINT_COLOR_ON, false, "010000"},
        {IDC_MULTI_DEPTH_ON, false, "001000"},     {IDC_MULTI_HATCH_COLOR_ON, true, "000100"},
        {IDC_MULTI_HATCH_TYPE_ON, true, "000010"}, {IDC_MULTI_SPACE_ON, true, "000001"}};
    const int count = 3 * (int)std::size(cases);
    AddBrushes(count);
    // Unlike the cleared brush the dialog starts from, and on different layers.
    std::vector<CVObjBrs> before(count);
    for (int row = 0; row < count; ++row) {
        CVObjBrs& brs = *plt.GetObjBrs((BYTE)row);
        brs.LayerNo = 1 + row % 3;
        brs.PaintData = {RGB(1, 2, 3), 40.0};
        brs.HatchData.Type = 2;
        std::fill_n(brs.HatchData.Color, 4, 2);
        std::fill_n(brs.HatchData.Space, 4, 7.0);
        before[row].Copy(brs);
    }
    Run(0, [&](UiDialog& dlg) {
        for (int k = 0; k < (int)std::size(cases); ++k) {
            Select(dlg, {3 * k, 3 * k + 2});
            dlg.Click(IDC_BRS_CHANGE);
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
        const bool kept = row % 3 == 1;
        const auto& h = a.HatchData;
        const auto& g = b.HatchData;
        std::string changed = {a.LayerNo == b.LayerNo ? '0' : '1',
                               a.PaintData.Color == b.PaintData.Color ? '0' : '1',
                               a.PaintData.Depth == b.PaintData.Depth ? '0' : '1',
                               std::equal(h.Color, h.Color + 4, g.Color) ? '0' : '1',
                               h.Type == g.Type ? '0' : '1',
                               std::equal(h.Space, h.Space + 4, g.Space) ? '0' : '1'};
        EXPECT_EQ(changed, kept ? "000000" : cases[row / 3].changed) << "row " << row;
        EXPECT_EQ(+b.PaintFlg, kept ? 0 : cases[row / 3].hatch) << "row " << row;
        EXPECT_EQ(+b.Col, kept ? 7 : 0) << "row " << row;
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
        dlg.WaitForPopup().Click(IDCANCEL);
        Select(dlg, {});
        ClickRow(dlg, 0, true, false, 300);
        EXPECT_EQ(Menu({VK_DOWN, VK_RETURN}), "3:011");
        UiDialog cond = dlg.WaitForPopup();
        cond.Type(IDC_FRTO_FROM, "3");
        cond.Click(IDOK);
        EXPECT_EQ(Rows(dlg), 3);
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(plt.CountBrs(), 3);
}

} // namespace
