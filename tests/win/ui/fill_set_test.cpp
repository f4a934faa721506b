// The fill settings dialog for one brush, driven as a user drives it: which
// controls each choice enables, and what OK writes into the brush while
// Cancel writes nothing. The editor's tests drive the one for several.
#include "host/lum_popup_grid.h"
#include "host/sample_drawing.h"
#include "ui/dialog_scope.h"
#include "ui/fill_set_dlg.h"
#include "ui/fill_set_multi_dlg.h"
#include "ui/resource.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

void SetHatch(CVObjBrs& brs, const BYTE (&colors)[4], const double (&spaces)[4]) {
    brs.HatchData.Type = 4;
    std::copy(colors, colors + 4, brs.HatchData.Color);
    std::copy(spaces, spaces + 4, brs.HatchData.Space);
}

CVObjBrs PaintBrush() {
    CVObjBrs brs;
    brs.BNm = "宅地";
    brs.LayerNo = 3;
    brs.PaintData = {RGB(200, 40, 10), 55.6};
    SetHatch(brs, {6, 1, 2, 3}, {2.5, 1.0, 7.0, 9.0});
    return brs;
}

class FillSetTest : public ::testing::Test {
protected:
    FillSetTest() { FillSampleDrawing(drawing.Attr()); }

    // Which of the paint, then the hatch settings are enabled.
    static std::string Enabled(const UiDialog& dlg) {
        return dlg.Enabled({IDC_FILL_PAINT_COLOR, IDC_FILL_DEPTH, IDC_FILL_SPIN,
                            IDC_FILL_HATCH_COLOR, IDC_FILL_HATCH_TYPE, IDC_FILL_SPACE});
    }

    int Run(bool multi, const std::function<void(UiDialog&)>& script) {
        auto open = [&]() -> int {
            CVelmoraDlgScope scope;
            if (multi)
                return (int)CFillSetMultiDlg(host.Wnd(), &mask, &brs, &drawing.Attr()).DoModal();
            return (int)CFillSetDlg(host.Wnd(), &brs, &drawing.Attr()).DoModal();
        };
        return host.Run(multi ? IDD_FILL_SET_MULTI : IDD_FILL_SET, open, script);
    }

    // A click on one arrow of the density spin.
    void ClickSpin(UiDialog& dlg, bool up) {
        HWND spin = dlg.Item(IDC_FILL_SPIN);
        RECT rect;
        ::GetClientRect(spin, &rect);
        LPARAM at = MAKELPARAM(rect.right / 2, up ? rect.bottom / 4 : rect.bottom * 3 / 4);
        ::PostMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageA(spin, WM_LBUTTONUP, 0, at);
        host.Sync();
    }

    // Picks a red in the colour dialog that the paint colour button opens.
    void PickPaintColor(UiDialog& dlg, int red, bool ok) {
        dlg.Click(IDC_FILL_PAINT_COLOR);
        UiDialog colors = dlg.WaitForPopup();
        ::SetDlgItemInt(colors.Hwnd(), 706, red, FALSE);
        host.Sync();
        colors.Click(ok ? IDOK : IDCANCEL);
    }

    // Opens a picker's popup grid and presses keys in it.
    void PressInPopup(UiDialog& dlg, int id, std::initializer_list<UINT> keys) {
        dlg.Click(id);
        HWND popup = nullptr;
        host.WaitUntil(
            [&] {
                return (popup = ::FindWindowA(LUM_POPUP_CLASS, nullptr)) &&
                       ::IsWindowVisible(popup);
            },
            "the picker's popup");
        for (UINT key : keys)
            ::PostMessageA(popup, WM_KEYDOWN, key, 0);
        host.Sync();
    }

    UiHost host;
    ZEL drawing;
    CVObjBrs brs = PaintBrush();
    WORD mask = 0;
};

// OK writes the shown fill: a density or spacing typed and confirmed with
// Enter if in range, the first hatch colour and spacing into all four, any
// kind but paint as hatch. Cancel writes nothing.
TEST_F(FillSetTest, TheFillKindEnablesItsControlsAndOkWritesTheShownFill) {
    const struct {
        BYTE flg;
        int click; // 0: none
        const char* enabled;
        int button;
        BYTE written;
    } cases[] = {{0, 0, "111000", IDOK, 0},
                 {2, 0, "001111", IDOK, 1},
                 {0, IDC_FILL_HATCH, "001111", IDOK, 1},
                 {1, IDC_FILL_PAINT, "111000", IDOK, 0},
                 {1, IDC_FILL_PAINT, "111000", IDCANCEL, 1}};
    for (const auto& c : cases) {
        brs = PaintBrush();
        brs.PaintFlg = c.flg;
        int result = Run(false, [&](UiDialog& dlg) {
            EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH) + " " + dlg.Text(IDC_FILL_SPACE), "56 2.50");
            EXPECT_EQ(dlg.ItemText(IDC_FILL_LAYER, dlg.Sel(IDC_FILL_LAYER)), "3:塗潰し");
            if (c.click)
                dlg.Click(c.click);
            EXPECT_EQ(Enabled(dlg), c.enabled) << +c.flg << " " << c.click;
            const bool paint = c.enabled[0] == '1';
            EXPECT_EQ(::IsDlgButtonChecked(dlg.Hwnd(), paint ? IDC_FILL_PAINT : IDC_FILL_HATCH),
                      BST_CHECKED);
            dlg.Type(paint ? IDC_FILL_DEPTH : IDC_FILL_SPACE, paint ? "1" : "100");
            c.button == IDOK ? dlg.PressEnter() : dlg.Click(IDCANCEL);
        });
        EXPECT_EQ(result, c.button);
        CVObjBrs expected = PaintBrush();
        expected.PaintFlg = c.written;
        if (c.button == IDOK) {
            expected.PaintData.Depth = c.written ? 56.0 : 1.0;
            SetHatch(expected, {6, 6, 6, 6}, {2.5, 2.5, 2.5, 2.5});
        }
        EXPECT_EQ(+brs.LayerNo, +expected.LayerNo);
        EXPECT_EQ(+brs.PaintFlg, +expected.PaintFlg);
        EXPECT_EQ(0, std::memcmp(&brs.PaintData, &expected.PaintData, sizeof(brs.PaintData)));
        EXPECT_EQ(0, std::memcmp(&brs.HatchData, &expected.HatchData, sizeof(brs.HatchData)));
    }
}

// Typing at a limit is taken; past it, or not a number, leaving the field
// settles it. The spin steps from the typed density and stops at its ends.
TEST_F(FillSetTest, DensityAndSpacingAreTakenAtTheirLimitsAndSettledPastThem) {
    const struct {
        int id;
        const char* typed; // "+" and "-": a click on the spin's arrow up or down
        const char* shown;
    } cases[] = {
        {IDC_FILL_DEPTH, "1", "1"},         {IDC_FILL_DEPTH, "100", "100"},
        {IDC_FILL_DEPTH, "0", "1"},         {IDC_FILL_DEPTH, "150", "100"},
        {IDC_FILL_DEPTH, "+", "100"},       {IDC_FILL_DEPTH, "-", "99"},
        {IDC_FILL_DEPTH, "1", "1"},         {IDC_FILL_DEPTH, "-", "1"},
        {IDC_FILL_DEPTH, "5", "5"},         {IDC_FILL_DEPTH, "+", "6"},
        {IDC_FILL_DEPTH, "7x", "6"},        {IDC_FILL_SPACE, "0.1", "0.10"},
        {IDC_FILL_SPACE, "99.99", "99.99"}, {IDC_FILL_SPACE, "0.01", "0.10"},
        {IDC_FILL_SPACE, "100", "99.99"},   {IDC_FILL_SPACE, "12.345", "12.35"},
    };
    int result = Run(false, [&](UiDialog& dlg) {
        for (const auto& c : cases) {
            if (!dlg.IsEnabled(c.id))
                dlg.Click(IDC_FILL_HATCH);
            if (c.typed[0] == '+' || c.typed[0] == '-') {
                ClickSpin(dlg, c.typed[0] == '+');
            } else {
                dlg.Type(c.id, c.typed);
                dlg.PressTab();
            }
            EXPECT_EQ(dlg.Text(c.id), c.shown) << c.typed;
        }
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.PaintData.Depth, 6.0);
    EXPECT_DOUBLE_EQ(+brs.HatchData.Space[3], 12.35);
}

TEST_F(FillSetTest, PickedLayerColoursAndPatternAreWritten) {
    brs.PaintFlg = 1;
    int result = Run(false, [&](UiDialog& dlg) {
        dlg.ChooseCombo(IDC_FILL_LAYER, 5);
        PressInPopup(dlg, IDC_FILL_HATCH_COLOR, {VK_RIGHT, VK_RETURN});
        PressInPopup(dlg, IDC_FILL_HATCH_TYPE, {VK_RIGHT, VK_ESCAPE});
        PressInPopup(dlg, IDC_FILL_HATCH_TYPE, {VK_LEFT, VK_RETURN});
        dlg.Click(IDC_FILL_PAINT);
        PickPaintColor(dlg, 90, false);
        PickPaintColor(dlg, 120, true);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.LayerNo, 5u);
    EXPECT_EQ(+brs.HatchData.Color[3], 7);
    EXPECT_EQ(+brs.HatchData.Type, 3);
    EXPECT_EQ(+brs.PaintData.Color, RGB(120, 40, 10));
}

// A density out of range is settled; a layer above 255 is kept.
TEST_F(FillSetTest, StartValuesSurviveBothDialogs) {
    for (int layer = 8; layer < 300; ++layer)
        drawing.Attr().AddLayer(("L" + std::to_string(layer)).c_str());
    brs.LayerNo = 299;
    brs.PaintData.Depth = 0.0;
    for (bool multi : {false, true}) {
        EXPECT_EQ(Run(multi,
                      [](UiDialog& dlg) {
                          EXPECT_EQ(dlg.ItemText(IDC_FILL_LAYER, dlg.Sel(IDC_FILL_LAYER)), "L299");
                          EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "1");
                          dlg.Click(IDOK);
                      }),
                  IDOK);
        EXPECT_EQ(+brs.LayerNo, 299u) << multi;
        EXPECT_EQ(+brs.PaintData.Depth, 1.0) << multi;
    }
}

} // namespace
