// The fill settings dialogs, for one brush and for several, driven as a user
// drives them: what each shows, which controls each choice enables, and what
// OK writes into the brush (and the change mask) while Cancel writes nothing.
#include "host/lum_popup_grid.h"
#include "host/sample_drawing.h"
#include "ui/dialog_scope.h"
#include "ui/fill_set_dlg.h"
#include "ui/fill_set_multi_dlg.h"
#include "ui/resource.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const WORD kUntouchedMask = 0xFFFF;
// The controls of the paint settings, then those of the hatch settings.
const int kFillControls[] = {IDC_FILL_PAINT_COLOR, IDC_FILL_DEPTH,      IDC_FILL_SPIN,
                             IDC_FILL_HATCH_COLOR, IDC_FILL_HATCH_TYPE, IDC_FILL_SPACE};

CVObjBrs PaintBrush() {
    CVObjBrs brs;
    brs.BNm = "宅地";
    brs.LayerNo = 3;
    brs.PaintData.Color = RGB(200, 40, 10);
    brs.PaintData.Depth = 55.6;
    brs.HatchData.Type = 4;
    const BYTE colors[4] = {6, 1, 2, 3};
    const double spaces[4] = {2.5, 1.0, 7.0, 9.0};
    for (int i = 0; i < 4; ++i) {
        brs.HatchData.Color[i] = colors[i];
        brs.HatchData.Space[i] = spaces[i];
    }
    return brs;
}

// Every field that the dialogs may write, compared byte for byte.
void ExpectSameFill(const CVObjBrs& actual, const CVObjBrs& expected) {
    EXPECT_EQ(+actual.LayerNo, +expected.LayerNo);
    EXPECT_EQ(+actual.PaintFlg, +expected.PaintFlg);
    EXPECT_EQ(0, std::memcmp(&actual.PaintData, &expected.PaintData, sizeof(actual.PaintData)));
    EXPECT_EQ(0, std::memcmp(&actual.HatchData, &expected.HatchData, sizeof(actual.HatchData)));
    EXPECT_STREQ(actual.BNm, expected.BNm);
}

// Which of kFillControls are enabled, as a string of 0s and 1s.
std::string Enabled(const UiDialog& dlg) {
    std::string enabled;
    for (int id : kFillControls)
        enabled += dlg.IsEnabled(id) ? '1' : '0';
    return enabled;
}

class FillSetTest : public ::testing::Test {
protected:
    FillSetTest() { FillSampleDrawing(drawing.Attr()); }

    int RunSingle(const std::function<void(UiDialog&)>& script) {
        return host.Run(
            IDD_FILL_SET,
            [&] {
                CVelmoraDlgScope scope;
                CFillSetDlg dlg(host.Wnd(), &brs, &drawing.Attr());
                return (int)dlg.DoModal();
            },
            script);
    }

    int RunMulti(const std::function<void(UiDialog&)>& script) {
        return host.Run(
            IDD_FILL_SET_MULTI,
            [&] {
                CVelmoraDlgScope scope;
                CFillSetMultiDlg dlg(host.Wnd(), &mask, &brs, &drawing.Attr());
                return (int)dlg.DoModal();
            },
            script);
    }

    void AddLayersTo299() {
        for (int layer = 8; layer < 300; ++layer)
            drawing.Attr().AddLayer(("L" + std::to_string(layer)).c_str());
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

    // Picks a colour in the standard colour dialog opened by the paint colour
    // button.
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
                popup = ::FindWindowA(LUM_POPUP_CLASS, nullptr);
                return popup && ::IsWindowVisible(popup);
            },
            "the picker's popup");
        for (UINT key : keys)
            ::PostMessageA(popup, WM_KEYDOWN, key, 0);
        host.Sync();
    }

    UiHost host;
    ZEL drawing;
    CVObjBrs brs = PaintBrush();
    WORD mask = kUntouchedMask;
};

// ---------------------------------------------------------------- one brush

// OK writes the shown fill: density rounded, the first hatch colour and
// spacing into all four, any kind but paint as hatch.
TEST_F(FillSetTest, TheFillKindEnablesItsControlsAndOkWritesTheShownFill) {
    struct Case {
        BYTE flg;
        int click; // 0: none
        const char* enabled;
        BYTE written;
    };
    const Case cases[] = {{0, 0, "111000", 0},
                          {2, 0, "001111", 1},
                          {0, IDC_FILL_HATCH, "001111", 1},
                          {1, IDC_FILL_PAINT, "111000", 0}};
    for (const Case& c : cases) {
        brs = PaintBrush();
        brs.PaintFlg = c.flg;
        int result = RunSingle([&](UiDialog& dlg) {
            EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "56");
            EXPECT_EQ(dlg.Text(IDC_FILL_SPACE), "2.50");
            EXPECT_EQ(dlg.ComboText(IDC_FILL_LAYER, dlg.ComboSel(IDC_FILL_LAYER)), "3:塗潰し");
            EXPECT_EQ(dlg.ToolTip(IDC_FILL_DEPTH), "濃度を入力します。");
            if (c.click)
                dlg.Click(c.click);
            EXPECT_EQ(Enabled(dlg), c.enabled) << +c.flg << " " << c.click;
            int checked = c.written == 0 ? IDC_FILL_PAINT : IDC_FILL_HATCH;
            EXPECT_EQ(::IsDlgButtonChecked(dlg.Hwnd(), checked), BST_CHECKED);
            dlg.PressEnter();
        });
        EXPECT_EQ(result, IDOK);
        CVObjBrs expected = PaintBrush();
        expected.PaintFlg = c.written;
        expected.PaintData.Depth = 56.0;
        for (int i = 0; i < 4; ++i) {
            expected.HatchData.Color[i] = 6;
            expected.HatchData.Space[i] = 2.5;
        }
        ExpectSameFill(brs, expected);
    }
}

// Typing at a limit is taken; past it, leaving the field settles it.
TEST_F(FillSetTest, TypedDensityAndSpacingAreTakenAtTheirLimitsAndSettledPastThem) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case depths[] = {{"1", "1"}, {"100", "100"}, {"0", "1"}, {"150", "100"}, {"5", "5"}};
    const Case spaces[] = {{"0.1", "0.10"},
                           {"99.99", "99.99"},
                           {"0.01", "0.10"},
                           {"100", "99.99"},
                           {"12.345", "12.35"}};
    int result = RunSingle([&](UiDialog& dlg) {
        for (const Case& c : depths) {
            dlg.Type(IDC_FILL_DEPTH, c.typed);
            dlg.PressTab();
            EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), c.shown) << c.typed;
        }
        dlg.Click(IDC_FILL_HATCH);
        for (const Case& c : spaces) {
            dlg.Type(IDC_FILL_SPACE, c.typed);
            dlg.PressTab();
            EXPECT_EQ(dlg.Text(IDC_FILL_SPACE), c.shown) << c.typed;
        }
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.PaintData.Depth, 5.0);
    for (int i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(+brs.HatchData.Space[i], 12.35);
}

TEST_F(FillSetTest, SpinStepsFromTheTypedDensityAndStopsAtItsEnds) {
    brs.PaintData.Depth = 100.0;
    int result = RunSingle([&](UiDialog& dlg) {
        ClickSpin(dlg, true);
        EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "100");
        ClickSpin(dlg, false);
        EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "99");
        dlg.Type(IDC_FILL_DEPTH, "1");
        ClickSpin(dlg, false);
        EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "1");
        dlg.Type(IDC_FILL_DEPTH, "5");
        ClickSpin(dlg, true);
        EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "6");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.PaintData.Depth, 6.0);
}

TEST_F(FillSetTest, PickedLayerColoursAndPatternAreWritten) {
    brs.PaintFlg = 1;
    int result = RunSingle([&](UiDialog& dlg) {
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
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(+brs.HatchData.Color[i], 7);
    EXPECT_EQ(+brs.HatchData.Type, 3);
    EXPECT_EQ(+brs.PaintData.Color, RGB(120, 40, 10));
}

TEST_F(FillSetTest, LayerAbove255SurvivesBothDialogs) {
    AddLayersTo299();
    brs.LayerNo = 299;
    for (bool multi : {false, true}) {
        auto script = [](UiDialog& dlg) {
            EXPECT_EQ(dlg.ComboText(IDC_FILL_LAYER, dlg.ComboSel(IDC_FILL_LAYER)), "L299");
            dlg.Click(IDOK);
        };
        EXPECT_EQ(multi ? RunMulti(script) : RunSingle(script), IDOK);
        EXPECT_EQ(+brs.LayerNo, 299u) << multi;
    }
}

TEST_F(FillSetTest, CancelAndEscWriteNothing) {
    const CVObjBrs before = PaintBrush();
    for (bool multi : {false, true}) { // Cancel in the one, Esc in the other
        auto box = [&](UiDialog& dlg, int id) {
            if (multi)
                dlg.Click(id);
        };
        auto script = [&](UiDialog& dlg) {
            box(dlg, IDC_MULTI_LAYER_ON);
            dlg.ChooseCombo(IDC_FILL_LAYER, 1);
            box(dlg, IDC_MULTI_PAINT_COLOR_ON);
            PickPaintColor(dlg, 0, true);
            box(dlg, IDC_MULTI_DEPTH_ON);
            dlg.Type(IDC_FILL_DEPTH, "20");
            dlg.Click(IDC_FILL_HATCH);
            box(dlg, IDC_MULTI_SPACE_ON);
            dlg.Type(IDC_FILL_SPACE, "9");
            multi ? dlg.PressEsc() : dlg.Click(IDCANCEL);
        };
        EXPECT_EQ(multi ? RunMulti(script) : RunSingle(script), IDCANCEL);
        ExpectSameFill(brs, before);
        EXPECT_EQ(mask, kUntouchedMask);
    }
}

// ----------------------------------------------------------- several brushes

TEST_F(FillSetTest, MultiOpensWithEveryBoxOffAndOnlyThePaintBoxesUsable) {
    brs = CVObjBrs();
    int result = RunMulti([](UiDialog& dlg) {
        EXPECT_EQ(Enabled(dlg), "000000");
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_LAYER));
        std::string boxes;
        for (int box = IDC_MULTI_LAYER_ON; box <= IDC_MULTI_SPACE_ON; ++box) {
            EXPECT_EQ(::IsDlgButtonChecked(dlg.Hwnd(), box), BST_UNCHECKED) << box;
            boxes += dlg.IsEnabled(box) ? '1' : '0';
        }
        EXPECT_EQ(boxes, "111000");
        EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "100");
        EXPECT_EQ(dlg.Text(IDC_FILL_SPACE), "5.00");
        EXPECT_EQ(dlg.ToolTip(IDC_MULTI_SPACE_ON),
                  "ハッチング間隔の変更を有効にする場合にチェックを「ＯＮ」にします。");
        dlg.Click(IDC_FILL_HATCH);
        boxes.clear();
        for (int box = IDC_MULTI_LAYER_ON; box <= IDC_MULTI_SPACE_ON; ++box)
            boxes += dlg.IsEnabled(box) ? '1' : '0';
        EXPECT_EQ(boxes, "100111");
        EXPECT_EQ(Enabled(dlg), "000000");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(mask, 0);
    EXPECT_EQ(+brs.PaintFlg, 1); // the choice is always written
    EXPECT_EQ(+brs.PaintData.Depth, 100.0);
}

// Each box alone: it enables its controls, and OK writes its bit alone.
TEST_F(FillSetTest, MultiEachBoxEnablesItsControlsAndSetsOnlyItsOwnBit) {
    struct Case {
        int box;
        bool hatch;
        const char* enabled;
        WORD bit;
    };
    const Case cases[] = {{IDC_MULTI_LAYER_ON, false, "000000", FILL_MULTI_LAYER},
                          {IDC_MULTI_PAINT_COLOR_ON, false, "100000", FILL_MULTI_PAINT_COLOR},
                          {IDC_MULTI_DEPTH_ON, false, "011000", FILL_MULTI_DEPTH},
                          {IDC_MULTI_HATCH_COLOR_ON, true, "000100", FILL_MULTI_HATCH_COLOR},
                          {IDC_MULTI_HATCH_TYPE_ON, true, "000010", FILL_MULTI_HATCH_TYPE},
                          {IDC_MULTI_SPACE_ON, true, "000001", FILL_MULTI_SPACE}};
    for (const Case& c : cases) {
        mask = kUntouchedMask;
        int result = RunMulti([&](UiDialog& dlg) {
            if (c.hatch)
                dlg.Click(IDC_FILL_HATCH);
            dlg.Click(c.box);
            EXPECT_EQ(Enabled(dlg), c.enabled) << c.box;
            EXPECT_EQ(dlg.IsEnabled(IDC_FILL_LAYER), c.box == IDC_MULTI_LAYER_ON) << c.box;
            dlg.Click(c.box);
            EXPECT_EQ(Enabled(dlg), "000000") << c.box;
            dlg.Click(c.box);
            dlg.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(mask, c.bit) << c.box;
    }
}

TEST_F(FillSetTest, MultiBoxOfTheOtherKindKeepsItsCheckAndItsBit) {
    int result = RunMulti([](UiDialog& dlg) {
        dlg.Click(IDC_MULTI_PAINT_COLOR_ON);
        dlg.Click(IDC_FILL_HATCH);
        EXPECT_FALSE(dlg.IsEnabled(IDC_MULTI_PAINT_COLOR_ON));
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_PAINT_COLOR));
        EXPECT_EQ(::IsDlgButtonChecked(dlg.Hwnd(), IDC_MULTI_PAINT_COLOR_ON), BST_CHECKED);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(mask, FILL_MULTI_PAINT_COLOR);
    EXPECT_EQ(+brs.PaintFlg, 1);
}

TEST_F(FillSetTest, MultiWritesTheTemplate) {
    brs.PaintFlg = 2;
    int result = RunMulti([](UiDialog& dlg) {
        dlg.Click(IDC_MULTI_SPACE_ON);
        dlg.Type(IDC_FILL_SPACE, "3.5");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(mask, FILL_MULTI_SPACE);
    EXPECT_EQ(+brs.PaintFlg, 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(+brs.HatchData.Space[i], 3.5);
        EXPECT_EQ(+brs.HatchData.Color[i], 6);
    }
}

} // namespace
