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

CVObjBrs HatchBrush() {
    CVObjBrs brs = PaintBrush();
    brs.PaintFlg = 2;
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

    // Picks a colour in the standard colour dialog opened by the paint colour button.
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

TEST_F(FillSetTest, PaintBrushOpensWithThePaintControlsAndOkNormalisesTheFill) {
    int result = RunSingle([](UiDialog& dlg) {
        EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "56");
        EXPECT_EQ(dlg.Text(IDC_FILL_SPACE), "2.50");
        EXPECT_EQ(dlg.ComboText(IDC_FILL_LAYER, dlg.ComboSel(IDC_FILL_LAYER)), "3:塗潰し");
        EXPECT_EQ(::IsDlgButtonChecked(dlg.Hwnd(), IDC_FILL_PAINT), BST_CHECKED);
        EXPECT_EQ(::IsDlgButtonChecked(dlg.Hwnd(), IDC_FILL_HATCH), BST_UNCHECKED);
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_PAINT_COLOR));
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_DEPTH));
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_SPIN));
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_SPACE));
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_HATCH_COLOR));
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_HATCH_TYPE));
        EXPECT_EQ(dlg.ToolTip(IDC_FILL_DEPTH), "濃度を入力します。");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    CVObjBrs expected = PaintBrush();
    expected.PaintData.Depth = 56.0;
    for (int i = 0; i < 4; ++i) {
        expected.HatchData.Color[i] = 6;
        expected.HatchData.Space[i] = 2.5;
    }
    ExpectSameFill(brs, expected);
}

TEST_F(FillSetTest, HatchBrushOpensWithTheHatchControlsAndIsWrittenAsHatchOne) {
    brs = HatchBrush();
    int result = RunSingle([](UiDialog& dlg) {
        EXPECT_EQ(::IsDlgButtonChecked(dlg.Hwnd(), IDC_FILL_HATCH), BST_CHECKED);
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_PAINT_COLOR));
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_DEPTH));
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_SPIN));
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_SPACE));
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_HATCH_COLOR));
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_HATCH_TYPE));
        dlg.PressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.PaintFlg, 1);
    EXPECT_EQ(+brs.HatchData.Type, 4);
}

TEST_F(FillSetTest, HatchColourAndPatternComeFromTheirPopupsIntoAllFourColours) {
    brs = HatchBrush();
    int result = RunSingle([&](UiDialog& dlg) {
        PressInPopup(dlg, IDC_FILL_HATCH_COLOR, {VK_RIGHT, VK_RETURN});
        PressInPopup(dlg, IDC_FILL_HATCH_TYPE, {VK_RIGHT, VK_ESCAPE});
        PressInPopup(dlg, IDC_FILL_HATCH_TYPE, {VK_LEFT, VK_RETURN});
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(+brs.HatchData.Color[i], 7);
    EXPECT_EQ(+brs.HatchData.Type, 3);
}

TEST_F(FillSetTest, RadioButtonsSwitchTheEnabledControls) {
    int result = RunSingle([](UiDialog& dlg) {
        dlg.Click(IDC_FILL_HATCH);
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_PAINT_COLOR));
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_DEPTH));
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_SPACE));
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_HATCH_TYPE));
        dlg.Click(IDC_FILL_PAINT);
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_DEPTH));
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_HATCH_COLOR));
        dlg.Click(IDC_FILL_HATCH);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.PaintFlg, 1);
    EXPECT_EQ(+brs.PaintData.Depth, 56.0); // the paint settings are written too
}

TEST_F(FillSetTest, TypedValuesCountAndAreKeptInRange) {
    int result = RunSingle([](UiDialog& dlg) {
        dlg.Type(IDC_FILL_DEPTH, "150");
        dlg.PressTab();
        EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "100");
        dlg.Click(IDC_FILL_HATCH);
        dlg.Type(IDC_FILL_SPACE, "0.01");
        dlg.PressTab();
        EXPECT_EQ(dlg.Text(IDC_FILL_SPACE), "0.10");
        dlg.Type(IDC_FILL_SPACE, "12.345");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.PaintData.Depth, 100.0);
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

TEST_F(FillSetTest, ChosenLayerIsWrittenAndALayerAbove255SurvivesUntouched) {
    int result = RunSingle([](UiDialog& dlg) {
        dlg.ChooseCombo(IDC_FILL_LAYER, 5);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.LayerNo, 5u);

    for (int layer = 8; layer < 300; ++layer)
        drawing.Attr().AddLayer(("L" + std::to_string(layer)).c_str());
    brs.LayerNo = 299;
    result = RunSingle([](UiDialog& dlg) {
        EXPECT_EQ(dlg.ComboText(IDC_FILL_LAYER, dlg.ComboSel(IDC_FILL_LAYER)), "L299");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.LayerNo, 299u);
}

TEST_F(FillSetTest, PaintColourComesFromTheColourDialogOnlyWhenConfirmed) {
    int result = RunSingle([&](UiDialog& dlg) {
        PickPaintColor(dlg, 90, false);
        PickPaintColor(dlg, 120, true);
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(+brs.PaintData.Color, RGB(120, 40, 10));
}

TEST_F(FillSetTest, CancelAndEscWriteNothing) {
    const CVObjBrs before = PaintBrush();
    auto change = [&](UiDialog& dlg) {
        PickPaintColor(dlg, 0, true);
        dlg.Type(IDC_FILL_DEPTH, "20");
        dlg.ChooseCombo(IDC_FILL_LAYER, 1);
        dlg.Click(IDC_FILL_HATCH);
        dlg.Type(IDC_FILL_SPACE, "9");
    };
    EXPECT_EQ(RunSingle([&](UiDialog& dlg) {
                  change(dlg);
                  dlg.Click(IDCANCEL);
              }),
              IDCANCEL);
    ExpectSameFill(brs, before);
    EXPECT_EQ(RunSingle([&](UiDialog& dlg) {
                  change(dlg);
                  dlg.PressEsc();
              }),
              IDCANCEL);
    ExpectSameFill(brs, before);
}

// ----------------------------------------------------------- several brushes

TEST_F(FillSetTest, MultiOpensWithEveryBoxOffAndOnlyThePaintBoxesUsable) {
    CVObjBrs fresh;
    brs = fresh;
    int result = RunMulti([](UiDialog& dlg) {
        for (int id : {IDC_FILL_LAYER, IDC_FILL_PAINT_COLOR, IDC_FILL_DEPTH, IDC_FILL_SPIN,
                       IDC_FILL_HATCH_COLOR, IDC_FILL_HATCH_TYPE, IDC_FILL_SPACE})
            EXPECT_FALSE(dlg.IsEnabled(id)) << id;
        for (int box = IDC_MULTI_LAYER_ON; box <= IDC_MULTI_SPACE_ON; ++box)
            EXPECT_EQ(::IsDlgButtonChecked(dlg.Hwnd(), box), BST_UNCHECKED) << box;
        EXPECT_TRUE(dlg.IsEnabled(IDC_MULTI_LAYER_ON));
        EXPECT_TRUE(dlg.IsEnabled(IDC_MULTI_PAINT_COLOR_ON));
        EXPECT_TRUE(dlg.IsEnabled(IDC_MULTI_DEPTH_ON));
        EXPECT_FALSE(dlg.IsEnabled(IDC_MULTI_HATCH_COLOR_ON));
        EXPECT_FALSE(dlg.IsEnabled(IDC_MULTI_HATCH_TYPE_ON));
        EXPECT_FALSE(dlg.IsEnabled(IDC_MULTI_SPACE_ON));
        EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH), "100");
        EXPECT_EQ(dlg.Text(IDC_FILL_SPACE), "5.00");
        EXPECT_EQ(dlg.ToolTip(IDC_MULTI_SPACE_ON),
                  "ハッチング間隔の変更を有効にする場合にチェックを「ＯＮ」にします。");

        dlg.Click(IDC_FILL_HATCH);
        EXPECT_FALSE(dlg.IsEnabled(IDC_MULTI_PAINT_COLOR_ON));
        EXPECT_FALSE(dlg.IsEnabled(IDC_MULTI_DEPTH_ON));
        EXPECT_TRUE(dlg.IsEnabled(IDC_MULTI_HATCH_COLOR_ON));
        EXPECT_TRUE(dlg.IsEnabled(IDC_MULTI_SPACE_ON));
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_SPACE));
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(mask, 0);
    EXPECT_EQ(+brs.PaintFlg, 1); // the choice is always written
    EXPECT_EQ(+brs.PaintData.Depth, 100.0);
}

TEST_F(FillSetTest, MultiBoxesEnableTheirControlsAndADisabledBoxKeepsItsCheck) {
    int result = RunMulti([](UiDialog& dlg) {
        dlg.Click(IDC_MULTI_DEPTH_ON);
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_DEPTH));
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_SPIN));
        dlg.Click(IDC_MULTI_DEPTH_ON);
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_DEPTH));
        EXPECT_FALSE(dlg.IsEnabled(IDC_FILL_SPIN));

        dlg.Click(IDC_MULTI_LAYER_ON);
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_LAYER));
        dlg.Click(IDC_MULTI_LAYER_ON);

        dlg.Click(IDC_MULTI_PAINT_COLOR_ON);
        EXPECT_TRUE(dlg.IsEnabled(IDC_FILL_PAINT_COLOR));
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

TEST_F(FillSetTest, MultiEachBoxSetsOnlyItsOwnBit) {
    struct Case {
        int box;
        bool hatch;
        WORD bit;
    };
    const Case cases[] = {{IDC_MULTI_LAYER_ON, false, FILL_MULTI_LAYER},
                          {IDC_MULTI_PAINT_COLOR_ON, false, FILL_MULTI_PAINT_COLOR},
                          {IDC_MULTI_DEPTH_ON, false, FILL_MULTI_DEPTH},
                          {IDC_MULTI_HATCH_COLOR_ON, true, FILL_MULTI_HATCH_COLOR},
                          {IDC_MULTI_HATCH_TYPE_ON, true, FILL_MULTI_HATCH_TYPE},
                          {IDC_MULTI_SPACE_ON, true, FILL_MULTI_SPACE}};
    for (const Case& c : cases) {
        mask = kUntouchedMask;
        int result = RunMulti([&](UiDialog& dlg) {
            if (c.hatch)
                dlg.Click(IDC_FILL_HATCH);
            dlg.Click(c.box);
            dlg.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(mask, c.bit) << c.box;
    }
}

TEST_F(FillSetTest, MultiWritesTheTemplateAndCancelLeavesTemplateAndMask) {
    brs = HatchBrush();
    brs.LayerNo = 299;
    for (int layer = 8; layer < 300; ++layer)
        drawing.Attr().AddLayer(("L" + std::to_string(layer)).c_str());
    int result = RunMulti([](UiDialog& dlg) {
        EXPECT_EQ(dlg.ComboText(IDC_FILL_LAYER, dlg.ComboSel(IDC_FILL_LAYER)), "L299");
        dlg.Click(IDC_MULTI_SPACE_ON);
        dlg.Type(IDC_FILL_SPACE, "3.5");
        dlg.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(mask, FILL_MULTI_SPACE);
    EXPECT_EQ(+brs.LayerNo, 299u);
    EXPECT_EQ(+brs.PaintFlg, 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(+brs.HatchData.Space[i], 3.5);
        EXPECT_EQ(+brs.HatchData.Color[i], 6);
    }

    const CVObjBrs before = brs;
    mask = kUntouchedMask;
    result = RunMulti([](UiDialog& dlg) {
        dlg.Click(IDC_MULTI_SPACE_ON);
        dlg.Type(IDC_FILL_SPACE, "8");
        dlg.Click(IDC_FILL_PAINT);
        dlg.PressEsc();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(mask, kUntouchedMask);
    ExpectSameFill(brs, before);
}

} // namespace
