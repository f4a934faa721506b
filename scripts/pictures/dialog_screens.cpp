// Saves pictures of the library's dialogs in their main states, for review:
// dialog_screens.exe OUTPUT_FOLDER writes one BMP per state there.
#include "host/code_book.h"
#include "host/lum_popup_grid.h"
#include "host/sample_drawing.h"
#include "ui/dialog_scope.h"
#include "ui/fill_set_dlg.h"
#include "ui/fill_set_multi_dlg.h"
#include "ui/palette_set.h"
#include "ui/resource.h"
#include "ui/zok_type.h"
#include "screen_picture.h"
#include "tests/win/ui/ui_driver.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

// Saves the screen area of the given windows once the picture has settled:
// the display receives what the windows drew a moment after they drew it.
void Save(UiHost& host, const std::string& path, std::vector<HWND> windows) {
    RECT area = {};
    for (HWND hWnd : windows) {
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        ::UnionRect(&area, &area, &rect);
    }
    host.Sync();
    ScreenPicture last(area);
    for (int tries = 0; tries < 40; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ScreenPicture now(area);
        if (now == last && tries >= 2)
            break;
        last = std::move(now);
    }
    if (!last.SaveBmp(path))
        throw UiError("cannot write " + path);
    std::printf("%s\n", path.c_str());
}

HWND DroppedList(HWND combo) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ::GetComboBoxInfo(combo, &info);
    return info.hwndList;
}

HWND WaitForWindow(UiHost& host, const char* className) {
    HWND found = nullptr;
    host.WaitUntil(
        [&] {
            found = ::FindWindowA(className, nullptr);
            return found && ::IsWindowVisible(found);
        },
        std::string("a window of class ") + className);
    host.Sync();
    return found;
}

// A palette of 255 brushes of every fill: paints at several densities and the
// six hatch patterns in the drawing's colours, on all layers.
void FillMixedPalette(CVObjPlt& plt) {
    plt.SetZkCode(13); // 公簿面積
    plt.SetPNm("公簿面積別");
    for (int i = 0; i < 255; ++i) {
        CVObjBrs brs;
        brs.BFg = 1;
        brs.ZVal.Zty = plt.GetZty();
        brs.ZVal.ZReal.RangeFlg = 1;
        brs.ZVal.ZReal.From = i * 100.0;
        brs.ZVal.ZReal.To = i * 100.0 + 99.99;
        CString name;
        name.Format("%.7lf～%.7lf", i * 100.0, i * 100.0 + 99.99);
        brs.BNm = name;
        brs.LayerNo = i % 8;
        brs.PaintFlg = i % 3 == 2 ? 1 : 0;
        const COLORREF paints[] = {RGB(231, 84, 63), RGB(52, 152, 219), RGB(46, 204, 113),
                                   RGB(241, 196, 15), RGB(155, 89, 182)};
        brs.PaintData.Color = paints[i % 5];
        brs.PaintData.Depth = 100 - (i % 4) * 25;
        brs.HatchData.Type = static_cast<WORD>(i % 6);
        for (int k = 0; k < 4; ++k) {
            brs.HatchData.Color[k] = static_cast<BYTE>(i % 16);
            brs.HatchData.Space[k] = 1.0 + (i % 5) * 0.5;
        }
        plt.AddBrs(static_cast<BYTE>(i), &brs);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_screens OUTPUT_FOLDER\n");
        return 2;
    }
    std::string folder = std::string(argv[1]) + "\\";
    UiHost host;
    BYTE index = 0;
    std::vector<std::string> failures;
    int result = 0;

    failures.push_back(
        host.Drive([&] { return Velmora_GetZokType(host.Wnd(), &index); },
                   [&](UiDialog& dlg) {
                       Save(host, folder + "zok_type_prompt.bmp", {dlg.Hwnd()});
                       dlg.ChooseCombo(IDC_ZOK_COMBO, 11);
                       dlg.WaitEnabled(IDOK, true);
                       ::PostMessageA(dlg.Item(IDC_ZOK_COMBO), CB_SHOWDROPDOWN, TRUE, 0);
                       host.Sync();
                       Save(host, folder + "zok_type_dropped.bmp",
                            {dlg.Hwnd(), DroppedList(dlg.Item(IDC_ZOK_COMBO))});
                       ::PostMessageA(dlg.Item(IDC_ZOK_COMBO), CB_SHOWDROPDOWN, FALSE, 0);
                       host.Sync();
                       Save(host, folder + "zok_type_chosen.bmp", {dlg.Hwnd()});
                       dlg.Click(IDC_KESH_HELP);
                       UiDialog box = dlg.WaitForPopup();
                       Save(host, folder + "zok_type_help.bmp", {dlg.Hwnd(), box.Hwnd()});
                       box.Click(IDOK);
                       dlg.Click(IDCANCEL);
                   },
                   result));

    failures.push_back(host.Drive([&] { return Velmora_GetZokTypeEx(host.Wnd(), &index); },
                                  [&](UiDialog& dlg) {
                                      dlg.ChooseList(IDC_ZOK_LIST, 10);
                                      Save(host, folder + "zok_type_ex.bmp", {dlg.Hwnd()});
                                      dlg.Click(IDCANCEL);
                                  },
                                  result));

    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    CVObjBrs brush;
    brush.LayerNo = 3;
    brush.PaintData.Color = RGB(231, 84, 63);
    brush.PaintData.Depth = 60;
    brush.HatchData.Type = 4;
    for (int k = 0; k < 4; ++k) {
        brush.HatchData.Color[k] = 3;
        brush.HatchData.Space[k] = 2.5;
    }
    auto openFill = [&] {
        CVelmoraDlgScope scope;
        CFillSetDlg dlg(host.Wnd(), &brush, &drawing.Attr());
        return (int)dlg.DoModal();
    };
    failures.push_back(host.Drive(
        openFill,
        [&](UiDialog& dlg) {
            Save(host, folder + "fill_set_paint.bmp", {dlg.Hwnd()});
            dlg.Click(IDC_FILL_HATCH);
            Save(host, folder + "fill_set_hatch.bmp", {dlg.Hwnd()});
            dlg.Click(IDC_FILL_HATCH_COLOR);
            HWND popup = WaitForWindow(host, LUM_POPUP_CLASS);
            Save(host, folder + "fill_set_hatch_colors.bmp", {dlg.Hwnd(), popup});
            ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
            host.Sync();
            dlg.Click(IDC_FILL_HATCH_TYPE);
            popup = WaitForWindow(host, LUM_POPUP_CLASS);
            Save(host, folder + "fill_set_hatch_types.bmp", {dlg.Hwnd(), popup});
            ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
            host.Sync();
            dlg.Click(IDCANCEL);
        },
        result));

    WORD mask = 0;
    failures.push_back(host.Drive(
        [&] {
            CVelmoraDlgScope scope;
            CFillSetMultiDlg dlg(host.Wnd(), &mask, &brush, &drawing.Attr());
            return (int)dlg.DoModal();
        },
        [&](UiDialog& dlg) {
            dlg.Click(IDC_MULTI_LAYER_ON);
            dlg.Click(IDC_MULTI_DEPTH_ON);
            Save(host, folder + "fill_set_multi.bmp", {dlg.Hwnd()});
            dlg.Click(IDCANCEL);
        },
        result));

    CVObjPlt plt;
    plt.SetZkCode(9); // 共有人数
    int sel = 0;
    failures.push_back(host.Drive(
        [&] { return Velmora_PaletteSet(host.Wnd(), &drawing, &plt, &sel, 1); },
        [&](UiDialog& dlg) {
            Save(host, folder + "editor_empty.bmp", {dlg.Hwnd()});
            dlg.Click(IDC_BRS_ADD);
            UiDialog cond = dlg.WaitForPopup();
            cond.Click(IDC_FRTO_RANGE);
            cond.Type(IDC_FRTO_FROM, "10");
            cond.Type(IDC_FRTO_TO, "20");
            Save(host, folder + "condition_integer_range.bmp", {dlg.Hwnd(), cond.Hwnd()});
            cond.Click(IDCANCEL);
            dlg.Click(IDCANCEL);
        },
        result));

    CVObjPlt mixed;
    FillMixedPalette(mixed);
    failures.push_back(
        host.Drive([&] { return Velmora_PaletteSet(host.Wnd(), &drawing, &mixed, &sel, 0); },
                   [&](UiDialog& dlg) {
                       Save(host, folder + "editor_255_brushes.bmp", {dlg.Hwnd()});
                       HWND list = dlg.Item(IDC_BRS_LIST);
                       POINT at = {60, 80}; // the menu opens where the cursor is
                       ::ClientToScreen(list, &at);
                       ::SetCursorPos(at.x, at.y);
                       ::PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, 80));
                       ::PostMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(60, 80));
                       HWND menu = WaitForWindow(host, "#32768");
                       Save(host, folder + "editor_context_menu.bmp", {dlg.Hwnd(), menu});
                       ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
                       host.Sync();
                       dlg.Click(IDCANCEL);
                   },
                   result));

    // The condition dialogs for a code, a text and a date range.
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 1, "田");
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 3, "宅地");
    CCodeBook::SetName(CODE_TBL_CHIMOKU, 10, "公衆用道路");
    struct Condition {
        BYTE index;
        const char* picture;
    };
    for (Condition condition :
         {Condition{5, "condition_code.bmp"}, Condition{1, "condition_text.bmp"},
          Condition{12, "condition_date_range.bmp"}}) {
        CVObjPlt one;
        one.SetZkCode(condition.index);
        failures.push_back(
            host.Drive([&] { return Velmora_PaletteSet(host.Wnd(), &drawing, &one, &sel, 1); },
                       [&](UiDialog& dlg) {
                           dlg.Click(IDC_BRS_ADD);
                           UiDialog cond = dlg.WaitForPopup();
                           if (condition.index == 1)
                               cond.Type(IDC_ONLY_TEXT, "見本一番");
                           if (condition.index == 12)
                               cond.Click(IDC_FRTO_RANGE);
                           Save(host, folder + condition.picture, {dlg.Hwnd(), cond.Hwnd()});
                           cond.Click(IDCANCEL);
                           dlg.Click(IDCANCEL);
                       },
                       result));
    }

    int status = 0;
    for (const std::string& failure : failures) {
        if (!failure.empty()) {
            std::fprintf(stderr, "dialog_screens: %s\n", failure.c_str());
            status = 1;
        }
    }
    return status;
}
