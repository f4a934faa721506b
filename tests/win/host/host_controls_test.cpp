// The host's layer list and picker buttons on a dialog of the test's own,
// driven by mouse and keys, checked by their values and the pixels they draw.
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

namespace {

class CHostControlsDlg : public CKeshDialog {
public:
    explicit CHostControlsDlg(CWnd* pParent, ZelAttr* pAttr)
        : CKeshDialog(IDD_HOST_CONTROLS, pParent, ::GetModuleHandleA(nullptr)), m_pAttr(pAttr) {}

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
        m_color.SetImageType(2);
        m_color.RemoveAllColors();
        for (int i = 0; i < m_pAttr->GetColorCnt(); ++i)
            m_color.AddColor(i, m_pAttr->GetColor(i), 0);
        return TRUE;
    }

private:
    ZelAttr* m_pAttr;
};

// A window's picture as PrintWindow draws it.
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

class HostControlsTest : public ::testing::Test {
protected:
    HostControlsTest() { FillSampleDrawing(attr); }

    // Clicks a picker button and returns its popup once it shows.
    HWND OpenPopup(UiDialog& ui, int id) {
        ui.Click(id);
        HWND popup = nullptr;
        host.WaitUntil(
            [&] {
                return (popup = ::FindWindowA(LUM_POPUP_CLASS, nullptr)) && IsWindowVisible(popup);
            },
            "the popup grid");
        return popup;
    }

    void Press(HWND popup, POINT at) {
        ::PostMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        ::PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
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
        return id == IDC_HC_COLOR ? dlg.m_color.GetValue() : dlg.m_pattern.GetValue();
    }

    static bool PopupClosed() { return ::FindWindowA(LUM_POPUP_CLASS, nullptr) == nullptr; }

    ZelAttr attr;
    UiHost host;
    CHostControlsDlg dlg{host.Wnd(), &attr};
};

TEST_F(HostControlsTest, LayerListAndPickersTakeMouseAndKeysToTheirEdges) {
    for (int layer = attr.GetLayerCnt(); layer < 300; ++layer)
        attr.AddLayer((std::to_string(layer) + ":追加").c_str());
    host.Run(
        IDD_HOST_CONTROLS, [this] { return (int)dlg.DoModal(); },
        [this](UiDialog& ui) {
            dlg.m_layer.SetData(300);
            ASSERT_EQ(ui.Count(IDC_HC_LAYER), 301);
            EXPECT_EQ(ui.ItemText(IDC_HC_LAYER, 7), "7:作業用");
            EXPECT_EQ(ui.ItemText(IDC_HC_LAYER, 299), "299:追加");
            EXPECT_EQ(ui.ItemText(IDC_HC_LAYER, 300), "300:(未登録)");
            EXPECT_EQ(dlg.m_layer.GetData(), 300);
            ui.ChooseCombo(IDC_HC_LAYER, 256);
            EXPECT_EQ(dlg.m_layer.GetData(), 256);

            // Values outside the tables are kept, shown as entry 0's colour and no pattern.
            dlg.m_color.SetValue(40);
            dlg.m_pattern.SetValue(9);
            EXPECT_EQ(dlg.m_color.GetValue(), 40);
            EXPECT_EQ(WindowPicture(ui.Item(IDC_HC_COLOR)).Middle(), RGB(0, 0, 0));
            WindowPicture pattern(ui.Item(IDC_HC_PATTERN));
            EXPECT_EQ(LinesIn(pattern, pattern.Swatch()), 0);

            // The pattern grid has 6 cells in 3 columns, the colour grid 16 in 8.
            const struct {
                int id;
                const char* keys;
                int value;
            } cases[] = {{IDC_HC_PATTERN, "<x", 9},    {IDC_HC_PATTERN, "^.", 0},
                         {IDC_HC_PATTERN, "]<>>.", 5}, {IDC_HC_PATTERN, "][<_", 0},
                         {IDC_HC_PATTERN, "[>>>.", 3}, {IDC_HC_PATTERN, "[>>vv.", 5},
                         {IDC_HC_PATTERN, "]<<v.", 3}, {IDC_HC_PATTERN, "]<<^^.", 0},
                         {IDC_HC_PATTERN, "]^^.", 2},  {IDC_HC_COLOR, "v.", 0},
                         {IDC_HC_COLOR, "[>>v.", 10},  {IDC_HC_COLOR, "]>^.", 7}};
            for (const auto& c : cases)
                EXPECT_EQ(Pick(ui, c.id, c.keys), c.value) << c.keys;

            dlg.m_pattern.SetValue(1);
            HWND button = ui.Item(IDC_HC_COLOR);
            MONITORINFO monitor = {};
            monitor.cbSize = sizeof(monitor);
            ::GetMonitorInfoA(::MonitorFromWindow(button, MONITOR_DEFAULTTONEAREST), &monitor);
            const int height = 2 * 3 + 2 * 20; // two rows of cells within the margins
            // Below the button, or above when a pixel lacks; the dialog keeps the focus.
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
                GUITHREADINFO info = {};
                info.cbSize = sizeof(info);
                ::GetGUIThreadInfo(host.UiThreadId(), &info);
                EXPECT_EQ(info.hwndFocus, button);
                EXPECT_EQ(info.hwndActive, ui.Hwnd());
                ui.PressEsc();
            }
            EXPECT_EQ(Pick(ui, IDC_HC_COLOR, "[>>>>."), 4);
            EXPECT_EQ(WindowPicture(button).Middle(), attr.GetColor(4));
            Press(OpenPopup(ui, IDC_HC_COLOR), POINT{-10, -10}); // a click outside
            EXPECT_TRUE(PopupClosed());
            EXPECT_EQ(dlg.m_color.GetValue(), 4);
            ::EnableWindow(button, FALSE);
            EXPECT_NE(WindowPicture(button).Middle(), attr.GetColor(4));

            // Each hatch in its cell, the current one lit; the margin chooses nothing.
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
            RECT first = ItemRect(popup, 0);
            Press(popup, POINT{first.left - 1, first.top - 1});
            EXPECT_FALSE(PopupClosed());
            Press(popup, POINT{first.left, first.top});
            EXPECT_EQ(dlg.m_pattern.GetValue(), 0);
            popup = OpenPopup(ui, IDC_HC_PATTERN);
            RECT last = ItemRect(popup, 5);
            Press(popup, POINT{last.right - 1, last.bottom - 1});
            EXPECT_EQ(dlg.m_pattern.GetValue(), 5);
            EXPECT_EQ(Pick(ui, IDC_HC_PATTERN, "[>>>."), 3);
            WindowPicture chosen(ui.Item(IDC_HC_PATTERN));
            EXPECT_EQ(LinesIn(chosen, chosen.Swatch()), kRise);
            ui.Click(IDCANCEL);
        });
}

} // namespace
