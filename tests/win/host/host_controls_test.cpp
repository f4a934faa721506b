// The host's layer list and picker buttons on a dialog of the test program's
// own, driven by mouse and keyboard through the popup grid, and checked by
// what they return and by the pixels they draw.
#include "host/kesh_dialog.h"
#include "host/layer_combo_box.h"
#include "host/lum_brush_pat_button.h"
#include "host/lum_color_button.h"
#include "host/lum_popup_grid.h"
#include "host/sample_drawing.h"
#include "host_controls_test.h"
#include "tests/win/ui/dib_picture.h"
#include "tests/win/ui/ui_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CHostControlsDlg : public CKeshDialog {
public:
    CHostControlsDlg(CWnd* pParent, ZelAttr* pAttr)
        : CKeshDialog(IDD_HOST_CONTROLS, pParent, ::GetModuleHandleA(nullptr)), m_pAttr(pAttr) {}

    // What the controls start with, and what they hold at OK.
    WORD m_wLayer = 0;
    int m_nColor = 0;
    WORD m_wPattern = 0;

    CLayerComboBox m_layer;
    CLumColorButton m_color;
    CLumBrushPatButtonS m_pattern;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CKeshDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_HC_LAYER, m_layer);
        DDX_Control(pDX, IDC_HC_COLOR, m_color);
        DDX_Control(pDX, IDC_HC_PATTERN, m_pattern);
    }

    BOOL OnInitDialog() override {
        CKeshDialog::OnInitDialog();
        m_layer.SetCanUseAttr(0);
        m_layer.SetUp(m_pAttr);
        m_layer.SetData(m_wLayer);
        m_color.SetImageType(2);
        m_color.RemoveAllColors();
        for (int i = 0; i < m_pAttr->GetColorCnt(); ++i)
            m_color.AddColor(i, m_pAttr->GetColor(i), 0);
        m_color.SetValue(m_nColor);
        m_pattern.SetValue(m_wPattern);
        return TRUE;
    }

    void OnOK() override {
        m_wLayer = m_layer.GetData();
        m_nColor = m_color.GetValue();
        m_wPattern = m_pattern.GetValue();
        CKeshDialog::OnOK();
    }

private:
    ZelAttr* m_pAttr;
};

// A window's picture as PrintWindow draws it.
class WindowPicture : public DibPicture {
public:
    explicit WindowPicture(HWND hWnd) : DibPicture(SizeOf(hWnd).cx, SizeOf(hWnd).cy) {
        ::PrintWindow(hWnd, Dc(), 0);
    }
    COLORREF Middle() const { return At(Width() / 2, Height() / 2); }
    bool Dark(int x, int y) const {
        COLORREF c = At(x, y);
        return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
    }

private:
    static SIZE SizeOf(HWND hWnd) {
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
};

// The hatch lines that an area shows: rows across it, columns down it, and
// diagonal runs of one hatch period falling ("\\") or rising ("/").
enum { kRow = 1, kColumn = 2, kFall = 4, kRise = 8 };

int LinesIn(const WindowPicture& picture, const RECT& area) {
    auto dark = [&](int x, int y, int dx, int dy, int length) {
        for (int k = 0; k < length; ++k)
            if (!picture.Dark(x + k * dx, y + k * dy))
                return false;
        return true;
    };
    const int run = 8;
    int lines = 0;
    for (int y = area.top; y < area.bottom; ++y)
        lines |= dark(area.left, y, 1, 0, area.right - area.left) ? kRow : 0;
    for (int x = area.left; x < area.right; ++x)
        lines |= dark(x, area.top, 0, 1, area.bottom - area.top) ? kColumn : 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x + run <= area.right; ++x) {
            lines |= y + run <= area.bottom && dark(x, y, 1, 1, run) ? kFall : 0;
            lines |= y - run + 1 >= area.top && dark(x, y, 1, -1, run) ? kRise : 0;
        }
    return lines;
}

// The inside of a button's swatch, within its frame.
RECT Swatch(const WindowPicture& button) {
    return RECT{6, 6, button.Width() - 6, button.Height() - 6};
}

RECT ItemRect(HWND popup, int position) {
    RECT cell = {};
    if (!::SendMessageA(popup, LPGM_GETITEMRECT, position, (LPARAM)&cell))
        throw UiError("the popup has no cell " + std::to_string(position));
    return cell;
}

class HostControlsTest : public ::testing::Test {
protected:
    HostControlsTest() { FillSampleDrawing(attr); }

    int Run(const std::function<void(UiDialog&)>& script) {
        return host.Run(
            IDD_HOST_CONTROLS, [&] { return (int)dlg.DoModal(); }, script);
    }

    // Clicks a picker button and returns its popup once it shows.
    HWND OpenPopup(UiDialog& ui, int id) {
        ui.Click(id);
        HWND popup = nullptr;
        host.WaitUntil(
            [&] {
                popup = ::FindWindowA(LUM_POPUP_CLASS, nullptr);
                return popup && ::IsWindowVisible(popup);
            },
            "the popup grid");
        return popup;
    }

    void Key(HWND popup, UINT key) {
        ::PostMessageA(popup, WM_KEYDOWN, key, 1);
        host.Sync();
    }

    void Press(HWND popup, POINT at) {
        ::PostMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        ::PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        host.Sync();
    }

    void ClickCell(HWND popup, int position) {
        RECT cell = ItemRect(popup, position);
        Press(popup, POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    }

    // Opens a picker's popup, types the keys into it and returns the
    // button's value once the popup has closed.
    int Pick(UiDialog& ui, int id, std::initializer_list<UINT> keys) {
        HWND popup = OpenPopup(ui, id);
        for (UINT key : keys)
            Key(popup, key);
        host.WaitUntil(PopupClosed, "the popup to close");
        return id == IDC_HC_COLOR ? dlg.m_color.GetValue() : dlg.m_pattern.GetValue();
    }

    static bool PopupClosed() { return ::FindWindowA(LUM_POPUP_CLASS, nullptr) == nullptr; }

    ZelAttr attr;
    UiHost host;
    CHostControlsDlg dlg{host.Wnd(), &attr};
};

TEST_F(HostControlsTest, LayerListShowsLabelsAndKeepsAnUnlistedNumberAbove255) {
    for (int layer = attr.GetLayerCnt(); layer < 300; ++layer)
        attr.AddLayer((std::to_string(layer) + ":追加").c_str());
    dlg.m_wLayer = 300;
    int result = Run([](UiDialog& ui) {
        ASSERT_EQ(ui.Count(IDC_HC_LAYER), 301);
        EXPECT_EQ(ui.ItemText(IDC_HC_LAYER, 0), "0:基本");
        EXPECT_EQ(ui.ItemText(IDC_HC_LAYER, 7), "7:作業用");
        EXPECT_EQ(ui.ItemText(IDC_HC_LAYER, 299), "299:追加");
        EXPECT_EQ(ui.ItemText(IDC_HC_LAYER, 300), "300:(未登録)");
        EXPECT_EQ(ui.Sel(IDC_HC_LAYER), 300);
        ui.ChooseCombo(IDC_HC_LAYER, 256);
        ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_wLayer, 256);
}

TEST_F(HostControlsTest, PopupKeysMoveWithinTheGridAndStopAtItsEdges) {
    // Values outside the tables: no cell is lit, the value is kept and the
    // buttons show entry 0's colour and no pattern.
    dlg.m_nColor = 40;
    dlg.m_wPattern = 9;
    Run([this](UiDialog& ui) {
        EXPECT_EQ(dlg.m_color.GetValue(), 40);
        EXPECT_EQ(WindowPicture(ui.Item(IDC_HC_COLOR)).Middle(), RGB(0, 0, 0));
        WindowPicture pattern(ui.Item(IDC_HC_PATTERN));
        RECT swatch = Swatch(pattern);
        for (int y = swatch.top; y < swatch.bottom; ++y)
            for (int x = swatch.left; x < swatch.right; ++x)
                ASSERT_EQ(pattern.At(x, y), RGB(255, 255, 255)) << x << "," << y;

        // The pattern grid has 6 cells in 3 columns, the colour grid 16 in 8.
        const struct {
            int id;
            std::initializer_list<UINT> keys;
            int value;
            const char* what;
        } cases[] = {
            {IDC_HC_PATTERN, {VK_LEFT, VK_ESCAPE}, 9, "Esc keeps the value"},
            {IDC_HC_PATTERN, {VK_UP, VK_RETURN}, 0, "a key lights the first cell"},
            {IDC_HC_PATTERN,
             {VK_END, VK_LEFT, VK_RIGHT, VK_RIGHT, VK_RETURN},
             5,
             "right to the last"},
            {IDC_HC_PATTERN, {VK_END, VK_HOME, VK_LEFT, VK_SPACE}, 0, "left stops at the first"},
            {IDC_HC_PATTERN, {VK_HOME, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN}, 3, "right wraps"},
            {IDC_HC_PATTERN, {VK_HOME, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN}, 5, "down"},
            {IDC_HC_PATTERN,
             {VK_END, VK_LEFT, VK_LEFT, VK_DOWN, VK_RETURN},
             3,
             "down at the bottom"},
            {IDC_HC_PATTERN,
             {VK_END, VK_LEFT, VK_LEFT, VK_UP, VK_UP, VK_RETURN},
             0,
             "up to the top"},
            {IDC_HC_PATTERN, {VK_END, VK_UP, VK_UP, VK_RETURN}, 2, "up at the top"},
            {IDC_HC_COLOR, {VK_DOWN, VK_RETURN}, 0, "a key lights the first colour"},
            {IDC_HC_COLOR, {VK_HOME, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN}, 10, "down a row"},
            {IDC_HC_COLOR, {VK_END, VK_RIGHT, VK_UP, VK_RETURN}, 7, "up from the last"},
        };
        for (const auto& c : cases)
            EXPECT_EQ(Pick(ui, c.id, c.keys), c.value) << c.what;
        ui.Click(IDOK);
    });
    EXPECT_EQ(dlg.m_nColor, 7);
    EXPECT_EQ(dlg.m_wPattern, 2);
}

TEST_F(HostControlsTest, ColourPopupDropsBelowTheButtonOrAboveItAtTheScreensFoot) {
    dlg.m_nColor = 2;
    Run([this](UiDialog& ui) {
        HWND button = ui.Item(IDC_HC_COLOR);
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof(monitor);
        ::GetMonitorInfoA(::MonitorFromWindow(button, MONITOR_DEFAULTTONEAREST), &monitor);
        const int height = 2 * 3 + 2 * 20; // two rows of cells within the margins
        // The popup just fits below the button, then lacks a pixel and goes above.
        for (int lack : {0, 1}) {
            RECT dialog, below, popup;
            ::GetWindowRect(ui.Hwnd(), &dialog);
            ::GetWindowRect(button, &below);
            int shift = monitor.rcWork.bottom - height + lack - below.bottom;
            ::SetWindowPos(ui.Hwnd(), nullptr, dialog.left, dialog.top + shift, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ::GetWindowRect(button, &below);
            ::GetWindowRect(OpenPopup(ui, IDC_HC_COLOR), &popup);
            EXPECT_EQ(popup.left, below.left);
            EXPECT_EQ(popup.top, lack ? below.top - height : below.bottom) << lack;
            ui.PressEsc();
            EXPECT_TRUE(PopupClosed());
        }
        EXPECT_EQ(dlg.m_color.GetValue(), 2);
        // The dialog goes on as before: enabled, with the focus on the button.
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        ::GetGUIThreadInfo(host.UiThreadId(), &info);
        EXPECT_EQ(info.hwndFocus, button);
        EXPECT_EQ(info.hwndActive, ui.Hwnd());
        EXPECT_TRUE(::IsWindowEnabled(ui.Hwnd()));

        ClickCell(OpenPopup(ui, IDC_HC_COLOR), 4);
        EXPECT_TRUE(PopupClosed());
        EXPECT_EQ(dlg.m_color.GetValue(), 4);
        EXPECT_EQ(WindowPicture(button).Middle(), attr.GetColor(4));
        Press(OpenPopup(ui, IDC_HC_COLOR), POINT{-10, -10}); // a click outside
        EXPECT_TRUE(PopupClosed());
        EXPECT_EQ(dlg.m_color.GetValue(), 4);
        ::EnableWindow(button, FALSE);
        EXPECT_NE(WindowPicture(button).Middle(), attr.GetColor(4));
        ::EnableWindow(button, TRUE);
        ui.Click(IDOK);
    });
    EXPECT_EQ(dlg.m_nColor, 4);
}

TEST_F(HostControlsTest, PatternPopupDrawsEachHatchAndTakesClicksToTheCellsEdges) {
    dlg.m_wPattern = 1;
    Run([this](UiDialog& ui) {
        HWND popup = OpenPopup(ui, IDC_HC_PATTERN);
        WindowPicture picture(popup);
        const int expected[] = {kRow, kColumn, kFall, kRise, kRow | kColumn, kFall | kRise};
        for (int type = 0; type < 6; ++type) {
            RECT cell = ItemRect(popup, type);
            COLORREF edge = picture.At(cell.left, (cell.top + cell.bottom) / 2);
            EXPECT_EQ(edge == ::GetSysColor(COLOR_HIGHLIGHT), type == 1) << "type " << type;
            ::InflateRect(&cell, -5, -5);
            EXPECT_EQ(LinesIn(picture, cell), expected[type]) << "type " << type;
        }
        // A click on the margin before the first cell chooses nothing.
        RECT first = ItemRect(popup, 0);
        Press(popup, POINT{first.left - 1, first.top - 1});
        EXPECT_FALSE(PopupClosed());
        Press(popup, POINT{first.left, first.top});
        EXPECT_TRUE(PopupClosed());
        EXPECT_EQ(dlg.m_pattern.GetValue(), 0);
        popup = OpenPopup(ui, IDC_HC_PATTERN);
        RECT last = ItemRect(popup, 5);
        Press(popup, POINT{last.right - 1, last.bottom - 1});
        EXPECT_TRUE(PopupClosed());
        EXPECT_EQ(dlg.m_pattern.GetValue(), 5);

        ClickCell(OpenPopup(ui, IDC_HC_PATTERN), 3);
        EXPECT_TRUE(PopupClosed());
        WindowPicture button(ui.Item(IDC_HC_PATTERN));
        EXPECT_EQ(LinesIn(button, Swatch(button)), kRise);
        ui.Click(IDOK);
    });
    EXPECT_EQ(dlg.m_wPattern, 3);
}

} // namespace
