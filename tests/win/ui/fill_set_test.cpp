// The fill dialog for one brush and the host controls it holds, driven as a user does.
#include "host/lum_popup_grid.h"
#include "host/sample_drawing.h"
#include "ui/dialog_scope.h"
#include "ui/fill_set_dlg.h"
#include "ui/resource.h"
#include "dib_picture.h"
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

// The one-brush dialog with its host controls in reach of the test.
class FillSetDlg : public CFillSetDlg {
public:
    using CFillSetDlg::CFillSetDlg;
    using CFillSetDlg::m_btnHatchColor;
    using CFillSetDlg::m_btnHatchType;
    using CFillSetDlg::m_cmbLayer;
};

struct WindowPicture : DibPicture {
    explicit WindowPicture(HWND hWnd) : DibPicture(Size(hWnd).cx, Size(hWnd).cy) {
        ::PrintWindow(hWnd, Dc(), 0);
    }
    static SIZE Size(HWND hWnd) {
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
    COLORREF Middle() const { return At(Width() / 2, Height() / 2); }
    // The inside of a button's swatch, within its frame.
    RECT Swatch() const { return RECT{6, 6, Width() - 6, Height() - 6}; }
};

// The hatch lines in an area: rows, columns, and 8-pixel runs falling or rising.
enum { kRow = 1, kColumn = 2, kFall = 4, kRise = 8 };

int LinesIn(const DibPicture& picture, const RECT& area) {
    auto dark = [&](int x, int y, int dx, int dy, int length) {
        for (int k = 0; k < length; ++k) {
            COLORREF c = picture.At(x + k * dx, y + k * dy);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) >= 3 * 128)
                return false;
        }
        return true;
    };
    int lines = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            lines |= x == area.left && dark(x, y, 1, 0, area.right - x) ? kRow : 0;
            lines |= y == area.top && dark(x, y, 0, 1, area.bottom - y) ? kColumn : 0;
            lines |= x + 8 <= area.right && y + 8 <= area.bottom && dark(x, y, 1, 1, 8) ? kFall : 0;
            lines |= x + 8 <= area.right && y - 7 >= area.top && dark(x, y, 1, -1, 8) ? kRise : 0;
        }
    return lines;
}

RECT ItemRect(HWND popup, int position) {
    RECT cell = {};
    ::SendMessageA(popup, LPGM_GETITEMRECT, position, (LPARAM)&cell);
    return cell;
}

class FillSetTest : public ::testing::Test {
protected:
    FillSetTest() { FillSampleDrawing(drawing.Attr()); }

    int Run(const std::function<void(UiDialog&)>& script) {
        auto open = [&] {
            CVelmoraDlgScope scope;
            FillSetDlg dlg(host.Wnd(), &brs, &drawing.Attr());
            one = &dlg;
            return (int)dlg.DoModal();
        };
        return host.Run(open, script);
    }

    HWND OpenPopup(UiDialog& ui, int id) {
        ui.Click(id);
        return ui.WaitForWindow(LUM_POPUP_CLASS);
    }

    void Press(HWND window, POINT at) {
        ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        host.Sync();
    }

    // Types keys into a picker's popup and returns the button's value. Keys:
    // < > ^ v the arrows, [ Home, ] End, . Enter, _ Space, x Esc.
    int Pick(UiDialog& ui, int id, const char* keys) {
        const std::string names = "<>^v[]._x";
        const UINT codes[] = {VK_LEFT, VK_RIGHT,  VK_UP,    VK_DOWN,  VK_HOME,
                              VK_END,  VK_RETURN, VK_SPACE, VK_ESCAPE};
        HWND popup = OpenPopup(ui, id);
        for (const char* key = keys; *key; ++key)
            ::PostMessageA(popup, WM_KEYDOWN, codes[names.find(*key)], 1);
        host.Sync();
        EXPECT_TRUE(PopupClosed()) << keys;
        return id == IDC_FILL_HATCH_COLOR ? one->m_btnHatchColor.GetValue()
                                          : one->m_btnHatchType.GetValue();
    }

    static bool PopupClosed() { return ::FindWindowA(LUM_POPUP_CLASS, nullptr) == nullptr; }

    UiHost host;
    ZEL drawing;
    CVObjBrs brs = PaintBrush();
    FillSetDlg* one = nullptr; // the one-brush dialog while it runs
};

// OK writes the first hatch colour and spacing into all four, any kind but paint as hatch.
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
        Run([&](UiDialog& dlg) {
            EXPECT_EQ(dlg.Text(IDC_FILL_DEPTH) + " " + dlg.Text(IDC_FILL_SPACE), "56 2.50");
            EXPECT_EQ(dlg.ItemText(IDC_FILL_LAYER, dlg.Sel(IDC_FILL_LAYER)), "3:塗潰し");
            if (c.click)
                dlg.Click(c.click);
            EXPECT_EQ(dlg.Enabled({IDC_FILL_PAINT_COLOR, IDC_FILL_DEPTH, IDC_FILL_SPIN,
                                   IDC_FILL_HATCH_COLOR, IDC_FILL_HATCH_TYPE, IDC_FILL_SPACE}),
                      c.enabled)
                << +c.flg << " " << c.click;
            const bool paint = c.enabled[0] == '1';
            dlg.Type(paint ? IDC_FILL_DEPTH : IDC_FILL_SPACE, paint ? "1" : "100");
            c.button == IDOK ? dlg.PressKey(VK_RETURN) : dlg.Click(IDCANCEL);
        });
        CVObjBrs expected = PaintBrush();
        expected.PaintFlg = c.written;
        if (c.button == IDOK) {
            expected.PaintData.Depth = c.written ? 56.0 : 1.0;
            SetHatch(expected, {6, 6, 6, 6}, {2.5, 2.5, 2.5, 2.5});
        }
        EXPECT_EQ(+brs.PaintFlg, +expected.PaintFlg);
        EXPECT_EQ(0, std::memcmp(&brs.PaintData, &expected.PaintData, sizeof(brs.PaintData)));
        EXPECT_EQ(0, std::memcmp(&brs.HatchData, &expected.HatchData, sizeof(brs.HatchData)));
    }
}

// Leaving the field settles it; the spin steps from the typed density.
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
    Run([&](UiDialog& dlg) {
        for (const auto& c : cases) {
            if (!dlg.IsEnabled(c.id))
                dlg.Click(IDC_FILL_HATCH);
            if (c.typed[0] == '+' || c.typed[0] == '-') {
                RECT spin;
                ::GetClientRect(dlg.Item(IDC_FILL_SPIN), &spin);
                Press(dlg.Item(IDC_FILL_SPIN),
                      {spin.right / 2, spin.bottom * (c.typed[0] == '+' ? 1 : 3) / 4});
            } else {
                dlg.Type(c.id, c.typed);
                dlg.PressKey(VK_TAB);
            }
            EXPECT_EQ(dlg.Text(c.id), c.shown) << c.typed;
        }
        dlg.Click(IDOK);
    });
    EXPECT_EQ(+brs.PaintData.Depth, 6.0);
    EXPECT_DOUBLE_EQ(+brs.HatchData.Space[3], 12.35);
}

// The host's layer list and pickers to their edges; OK writes what they show.
TEST_F(FillSetTest, HostLayerListAndPickersTakeMouseAndKeysToTheirEdges) {
    brs.PaintFlg = 1; // hatching: the pickers are enabled
    ZelAttr& attr = drawing.Attr();
    for (int layer = attr.GetLayerCnt(); layer < 300; ++layer)
        attr.AddLayer((std::to_string(layer) + ":追加").c_str());
    Run([&](UiDialog& ui) {
        FillSetDlg& dlg = *one;
        dlg.m_cmbLayer.SetData(300);
        ASSERT_EQ(ui.Count(IDC_FILL_LAYER), 301);
        EXPECT_EQ(ui.ItemText(IDC_FILL_LAYER, 7) + " " + ui.ItemText(IDC_FILL_LAYER, 299) + " " +
                      ui.ItemText(IDC_FILL_LAYER, 300),
                  "7:作業用 299:追加 300:(未登録)");
        EXPECT_EQ(dlg.m_cmbLayer.GetData(), 300);
        ui.ChooseCombo(IDC_FILL_LAYER, 256);
        EXPECT_EQ(dlg.m_cmbLayer.GetData(), 256);

        // Values outside the tables are kept, shown as entry 0's colour and no pattern.
        dlg.m_btnHatchColor.SetValue(40);
        dlg.m_btnHatchType.SetValue(9);
        EXPECT_EQ(dlg.m_btnHatchColor.GetValue(), 40);
        EXPECT_EQ(WindowPicture(ui.Item(IDC_FILL_HATCH_COLOR)).Middle(), RGB(0, 0, 0));
        WindowPicture pattern(ui.Item(IDC_FILL_HATCH_TYPE));
        EXPECT_EQ(LinesIn(pattern, pattern.Swatch()), 0);

        // The pattern grid has 6 cells in 3 columns, the colour grid 16 in 8.
        const int type = IDC_FILL_HATCH_TYPE, colour = IDC_FILL_HATCH_COLOR;
        const struct {
            int id;
            const char* keys;
            int value;
        } cases[] = {{type, "<x", 9},    {type, "^.", 0},       {type, "]<>>.", 5},
                     {type, "][<_", 0},  {type, "[>>>.", 3},    {type, "[>>vv.", 5},
                     {type, "]<<v.", 3}, {type, "]<<^^.", 0},   {type, "]^^.", 2},
                     {colour, "v.", 0},  {colour, "[>>v.", 10}, {colour, "]>^.", 7}};
        for (const auto& c : cases)
            EXPECT_EQ(Pick(ui, c.id, c.keys), c.value) << c.keys;

        dlg.m_btnHatchType.SetValue(1);
        HWND button = ui.Item(IDC_FILL_HATCH_COLOR);
        RECT work;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        const int height = 2 * 3 + 2 * 20; // two rows of cells within the margins
        // Below the button, or above when a pixel lacks; the dialog keeps the focus.
        for (int lack : {0, 1}) {
            RECT dialog, below, popup;
            ::GetWindowRect(ui.Hwnd(), &dialog);
            ::GetWindowRect(button, &below);
            int shift = work.bottom - height + lack - below.bottom;
            ::SetWindowPos(ui.Hwnd(), nullptr, dialog.left, dialog.top + shift, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ::GetWindowRect(button, &below);
            ::GetWindowRect(OpenPopup(ui, IDC_FILL_HATCH_COLOR), &popup);
            EXPECT_EQ(popup.left, below.left);
            EXPECT_EQ(popup.top, lack ? below.top - height : below.bottom) << lack;
            GUITHREADINFO info = {};
            info.cbSize = sizeof(info);
            ::GetGUIThreadInfo(host.UiThreadId(), &info);
            EXPECT_TRUE(info.hwndFocus == button && info.hwndActive == ui.Hwnd());
            ui.PressKey(VK_ESCAPE);
        }
        EXPECT_EQ(Pick(ui, IDC_FILL_HATCH_COLOR, "[>>>>."), 4);
        EXPECT_EQ(WindowPicture(button).Middle(), attr.GetColor(4));
        Press(OpenPopup(ui, IDC_FILL_HATCH_COLOR), POINT{-10, -10}); // a click outside
        EXPECT_TRUE(PopupClosed());
        EXPECT_EQ(dlg.m_btnHatchColor.GetValue(), 4);
        ::EnableWindow(button, FALSE);
        EXPECT_NE(WindowPicture(button).Middle(), attr.GetColor(4));

        // Each hatch in its cell, the current one lit; the margin chooses nothing.
        HWND popup = OpenPopup(ui, IDC_FILL_HATCH_TYPE);
        WindowPicture picture(popup);
        const int expected[] = {kRow, kColumn, kFall, kRise, kRow | kColumn, kFall | kRise};
        for (int type = 0; type < 6; ++type) {
            RECT cell = ItemRect(popup, type);
            COLORREF edge = picture.At(cell.left, (cell.top + cell.bottom) / 2);
            EXPECT_EQ(edge == ::GetSysColor(COLOR_HIGHLIGHT), type == 1) << "type " << type;
            ::InflateRect(&cell, -5, -5);
            EXPECT_EQ(LinesIn(picture, cell), expected[type]) << "type " << type;
        }
        RECT first = ItemRect(popup, 0);
        Press(popup, POINT{first.left - 1, first.top - 1});
        EXPECT_FALSE(PopupClosed());
        Press(popup, POINT{first.left, first.top});
        EXPECT_EQ(dlg.m_btnHatchType.GetValue(), 0);
        popup = OpenPopup(ui, IDC_FILL_HATCH_TYPE);
        RECT last = ItemRect(popup, 5);
        Press(popup, POINT{last.right - 1, last.bottom - 1});
        EXPECT_EQ(dlg.m_btnHatchType.GetValue(), 5);
        EXPECT_EQ(Pick(ui, IDC_FILL_HATCH_TYPE, "[>>>."), 3);
        WindowPicture chosen(ui.Item(IDC_FILL_HATCH_TYPE));
        EXPECT_EQ(LinesIn(chosen, chosen.Swatch()), kRise);
        ui.Click(IDC_FILL_PAINT);
        for (int red : {90, 120}) { // the colour dialog cancelled, then confirmed
            ui.Click(IDC_FILL_PAINT_COLOR);
            UiDialog colors = ui.WaitForPopup();
            ::SetDlgItemInt(colors.Hwnd(), 706, red, FALSE);
            host.Sync();
            colors.Click(red == 120 ? IDOK : IDCANCEL);
        }
        EXPECT_EQ(WindowPicture(ui.Item(IDC_FILL_PAINT_COLOR)).Middle(), RGB(120, 40, 10));
        ui.Click(IDOK);
    });
    EXPECT_EQ(+brs.LayerNo, 256u);
    EXPECT_EQ(+brs.HatchData.Color[3], 4);
    EXPECT_EQ(+brs.HatchData.Type, 3);
    EXPECT_EQ(+brs.PaintData.Color, RGB(120, 40, 10));
}

} // namespace
