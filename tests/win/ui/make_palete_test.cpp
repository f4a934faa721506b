// The palette editor through its export, end to end as a user works.
#include "host/sample_drawing.h"
#include "ui/palette_set.h"
#include "ui/resource.h"
#include "ui_driver.h"
#include "model/zok_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

const int kUntouchedSel = -7;
const UINT kSelected = LVIS_SELECTED | LVIS_FOCUSED;
using Rows = std::vector<int>;

class MakePaleteTest : public ::testing::Test {
protected:
    MakePaleteTest() {
        FillSampleDrawing(drawing.Attr());
        plt.SetPNm("既存パレット");
    }

    int Run(int bNew, const std::function<void(UiDialog&)>& script) {
        return host.Run([&] { return Velmora_PaletteSet(host.Wnd(), &drawing, &plt, &sel, bNew); },
                        script);
    }

    // Only these: brushes of colour 7, pattern 9, layer row % 8, named by their row.
    void SetBrushes(int count) {
        plt.DelAllBrs();
        plt.SetZty(ZOK_KYOYU_NINZU);
        CVObjBrs brs;
        brs.ZVal.Zty = ZOK_KYOYU_NINZU;
        brs.Col = 7;
        brs.Hat = 9;
        for (int i = 0; i < count; ++i) {
            brs.BNm = ("B" + std::to_string(i)).c_str();
            brs.LayerNo = i % 8;
            plt.AddBrs(i, &brs);
        }
    }

    static Rows SelectedRows(UiDialog& dlg) {
        Rows rows;
        for (int row = -1;
             (row = ListView_GetNextItem(dlg.Item(IDC_BRS_LIST), row, LVNI_SELECTED)) >= 0;)
            rows.push_back(row);
        return rows;
    }

    // Selects exactly these rows, as clicks with Ctrl held would.
    void Select(UiDialog& dlg, const Rows& rows) {
        ListView_SetItemState(dlg.Item(IDC_BRS_LIST), -1, 0, kSelected);
        for (int row : rows)
            ListView_SetItemState(dlg.Item(IDC_BRS_LIST), row, kSelected, kSelected);
        ::PostMessageA(dlg.Hwnd(), WM_NULL, 0, 0); // input wakes the idle handlers
        host.Sync();
    }

    // Which of add, change and delete the context menu of the row greys.
    std::string Menu(UiDialog& dlg, int row) {
        dlg.ClickRow(IDC_BRS_LIST, row, false);
        HWND window = dlg.WaitForWindow("#32768");
        HMENU menu = (HMENU)::SendMessageA(window, MN_GETHMENU, 0, 0);
        std::string greyed;
        for (int id : {IDC_BRS_ADD, IDC_BRS_CHANGE, IDC_BRS_DELETE})
            greyed += ::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED ? '1' : '0';
        ::PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        host.Sync();
        return greyed;
    }

    UiHost host;
    ZEL drawing;
    CVObjPlt plt;
    int sel = kUntouchedSel;
};

// Each kind of attribute asks through its own dialog and names the new, otherwise
// cleared brush in the editor's form (the random user tries an unknown one).
TEST_F(MakePaleteTest, EachAttributeKindAddsABrushNamedInTheEditorsForm) {
    const struct {
        int bNew;
        WORD zty;
        const char* zok;
        int field;
        const char* from;
        const char* to; // nullptr: one value, not a range
        const char* row;
    } cases[] = {
        {0, 500, "公簿面積", IDC_FRTO_FROM, "12.5", nullptr, "12.5000000"},
        {0, 401, "登記日付", IDC_FRTO_FROM_DATE, "2013/4/5", nullptr, "2013/4/5"},
        {0, 0, "フリー", IDC_ONLY_TEXT, "見本", nullptr, "見本"},
        {1, 201, "共有人数", IDC_FRTO_FROM, "20", "10", "10～20"},
    };
    for (const auto& c : cases) {
        plt.DelAllBrs();
        plt.SetZty(c.zty);
        Run(c.bNew, [&](UiDialog& dlg) {
            EXPECT_EQ(dlg.Text(IDC_PLT_NAME), c.bNew ? "新規パレット" : "既存パレット");
            EXPECT_EQ(dlg.Text(IDC_PLT_ZOK), c.zok);
            dlg.Click(IDC_BRS_ADD);
            UiDialog cond = dlg.WaitForPopup();
            if (c.to)
                cond.Click(IDC_FRTO_RANGE);
            cond.Type(c.field, c.from);
            if (c.to)
                cond.Type(IDC_FRTO_TO, c.to);
            cond.Click(IDOK);
            EXPECT_EQ(dlg.RowText(IDC_BRS_LIST, 0, 0), c.row) << c.zty;
            EXPECT_EQ(SelectedRows(dlg), Rows{0});
            dlg.Click(IDOK);
        });
        ASSERT_EQ(plt.CountBrs(), 1) << c.zty;
        const CVObjBrs& brs = *plt.GetObjBrs(0);
        EXPECT_EQ(+brs.ZVal.Zty, c.zty);
        EXPECT_EQ(+brs.Hat, 1u); // cleared: black paint at 100 on layer 0
        EXPECT_EQ(+brs.PaintData.Depth, 100.0);
        EXPECT_STREQ(c.zty ? "" : brs.ZVal.ZText.Text, ""); // a free brush carries only its name
    }
}

// Cancel keeps the brushes changed meanwhile.
TEST_F(MakePaleteTest, OkStoresTheNameAndTheFirstSelectedRowAndCancelNeither) {
    for (int button : {IDCANCEL, IDOK}) {
        SetBrushes(5);
        Run(0, [&](UiDialog& dlg) {
            Select(dlg, {3, 1});
            dlg.Click(IDC_BRS_DELETE);
            dlg.Type(IDC_PLT_NAME, "所有%d別%s");
            Select(dlg, {2, 0});
            dlg.Click(button);
        });
        EXPECT_EQ(plt.CountBrs(), 3);
        EXPECT_EQ(sel, button == IDOK ? 0 : kUntouchedSel);
        EXPECT_STREQ(plt.GetPNm(), button == IDOK ? "所有%d別%s" : "既存パレット");
    }
}

// By the button, the context menu and the command itself.
TEST_F(MakePaleteTest, TheLastSlotFillsAndThenAddIsDisabledAndGreyed) {
    SetBrushes(254);
    Run(0, [&](UiDialog& dlg) {
        EXPECT_EQ(SelectedRows(dlg), Rows{0});
        Select(dlg, {});
        dlg.WaitEnabled(IDC_BRS_DELETE, false); // the idle pass has updated the buttons
        EXPECT_TRUE(dlg.IsEnabled(IDC_BRS_ADD));
        EXPECT_EQ(Menu(dlg, 0), "000");
        dlg.Click(IDC_BRS_ADD);
        UiDialog cond = dlg.WaitForPopup();
        cond.Type(IDC_FRTO_FROM, "7");
        cond.Click(IDOK);
        EXPECT_EQ(SelectedRows(dlg), Rows{254});
        dlg.WaitEnabled(IDC_BRS_ADD, false);
        EXPECT_EQ(Menu(dlg, 254), "100");
        ::PostMessageA(dlg.Hwnd(), WM_COMMAND, IDC_BRS_ADD, 0);
        host.Sync();
        EXPECT_EQ(host.VisibleDialogs().size(), 1u);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(plt.CountBrs(), 255);
    EXPECT_EQ(sel, 254);
}

TEST_F(MakePaleteTest, DeletingSelectsTheRowThatTookTheFirstDeletedPlace) {
    SetBrushes(7);
    Run(0, [&](UiDialog& dlg) {
        Select(dlg, {2, 5});
        dlg.Click(IDC_BRS_DELETE);
        EXPECT_EQ(dlg.RowText(IDC_BRS_LIST, 2, 0) + dlg.RowText(IDC_BRS_LIST, 4, 0), "B3B6");
        EXPECT_EQ(SelectedRows(dlg), Rows{2});
        Select(dlg, {3, 4}); // the last rows: the new last one is selected
        dlg.Click(IDC_BRS_DELETE);
        EXPECT_EQ(SelectedRows(dlg), Rows{2});
        Select(dlg, {0, 1, 2});
        dlg.Click(IDC_BRS_DELETE);
        EXPECT_FALSE(dlg.IsEnabled(IDC_BRS_LIST));
        dlg.Click(IDOK);
    });
    EXPECT_EQ(sel, -1);
}

// A double-click on a row, with none selected, changes that brush.
TEST_F(MakePaleteTest, DoubleClickChangesOneBrushAndRefreshesItsRow) {
    SetBrushes(3);
    Run(0, [&](UiDialog& dlg) {
        Select(dlg, {});
        dlg.WaitEnabled(IDC_BRS_CHANGE, false);
        dlg.ClickRow(IDC_BRS_LIST, 1, true);
        UiDialog fill = dlg.WaitForPopup();
        fill.Click(IDC_FILL_HATCH);
        fill.Type(IDC_FILL_SPACE, "2.5");
        fill.Click(IDOK);
        EXPECT_EQ(dlg.RowText(IDC_BRS_LIST, 1, 4) + " " + dlg.RowText(IDC_BRS_LIST, 1, 5),
                  "---- 2.50");
        dlg.Click(IDOK);
    });
    // A single change keeps everything it does not show.
    const CVObjBrs& brs = *plt.GetObjBrs(1);
    EXPECT_EQ(+brs.PaintFlg, 1);
    EXPECT_EQ(+brs.Col, 7);
}

// Each box alone, on two brushes of three, enables and applies only its settings;
// the dialog starts from the layer and the fill kind the two share, if any.
TEST_F(MakePaleteTest, ChangingSeveralAppliesEachCheckedSettingAlone) {
    const struct {
        int box;
        bool hatch;
        bool sameLayer;
        const char* enabled; // layer, paint colour, density, spin, hatch colour, pattern, spacing
        const char* changed; // layer, paint colour, density, hatch colours, pattern, spacings
    } cases[] = {{IDC_MULTI_LAYER_ON, false, false, "1000000", "100000"},
                 {IDC_MULTI_PAINT_COLOR_ON, false, true, "0100000", "010000"},
                 {IDC_MULTI_DEPTH_ON, false, false, "0011000", "001000"},
                 {IDC_MULTI_HATCH_COLOR_ON, true, true, "0000100", "000100"},
                 {IDC_MULTI_HATCH_TYPE_ON, true, false, "0000010", "000010"},
                 {IDC_MULTI_SPACE_ON, true, true, "0000001", "000001"}};
    const int count = 3 * (int)std::size(cases);
    SetBrushes(count);
    // Unlike the cleared brush the dialog starts from.
    std::vector<CVObjBrs> before(count);
    for (int row = 0; row < count; ++row) {
        const auto& c = cases[row / 3];
        CVObjBrs& brs = *plt.GetObjBrs((BYTE)row);
        brs.LayerNo = c.sameLayer ? 2 : 1 + row % 3;
        brs.PaintFlg = c.hatch;
        brs.PaintData = {RGB(1, 2, 3), 40.0};
        brs.HatchData.Type = 2;
        std::fill_n(brs.HatchData.Color, 4, 2);
        std::fill_n(brs.HatchData.Space, 4, 7.0);
        before[row].Copy(brs);
    }
    Run(0, [&](UiDialog& dlg) {
        for (int k = 0; k < (int)std::size(cases); ++k) {
            const auto& c = cases[k];
            Select(dlg, {3 * k, 3 * k + 2});
            dlg.Click(IDC_BRS_CHANGE);
            UiDialog fill = dlg.WaitForPopup();
            EXPECT_EQ(fill.Sel(IDC_FILL_LAYER), c.sameLayer ? 2 : 0) << k;
            EXPECT_EQ(::IsDlgButtonChecked(fill.Hwnd(), IDC_FILL_HATCH), (UINT)c.hatch);
            fill.Click(c.box);
            EXPECT_EQ(fill.Enabled({IDC_FILL_LAYER, IDC_FILL_PAINT_COLOR, IDC_FILL_DEPTH,
                                    IDC_FILL_SPIN, IDC_FILL_HATCH_COLOR, IDC_FILL_HATCH_TYPE,
                                    IDC_FILL_SPACE, IDC_MULTI_LAYER_ON, IDC_MULTI_PAINT_COLOR_ON,
                                    IDC_MULTI_DEPTH_ON, IDC_MULTI_HATCH_COLOR_ON,
                                    IDC_MULTI_HATCH_TYPE_ON, IDC_MULTI_SPACE_ON}),
                      c.enabled + std::string(c.hatch ? "100111" : "111000"));
            fill.Click(IDOK);
        }
        dlg.Click(IDOK);
    });
    for (int row = 0; row < count; ++row) {
        const CVObjBrs &a = before[row], &b = *plt.GetObjBrs((BYTE)row);
        const auto &h = a.HatchData, &g = b.HatchData;
        const bool kept = row % 3 == 1;
        const std::string changed = {a.LayerNo == b.LayerNo ? '0' : '1',
                                     a.PaintData.Color == b.PaintData.Color ? '0' : '1',
                                     a.PaintData.Depth == b.PaintData.Depth ? '0' : '1',
                                     std::equal(h.Color, h.Color + 4, g.Color) ? '0' : '1',
                                     h.Type == g.Type ? '0' : '1',
                                     std::equal(h.Space, h.Space + 4, g.Space) ? '0' : '1'};
        EXPECT_EQ(changed, kept ? "000000" : cases[row / 3].changed) << "row " << row;
        EXPECT_EQ(+b.PaintFlg, cases[row / 3].hatch) << "row " << row;
        EXPECT_EQ(+b.Col, kept ? 7 : 0) << "row " << row;
    }
}

} // namespace
