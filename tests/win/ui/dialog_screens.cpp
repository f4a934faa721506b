// Saves pictures of the library's dialogs in their main states, for review:
// dialog_screens.exe OUTPUT_FOLDER writes one BMP per state there.
#include "ui/resource.h"
#include "ui/zok_type.h"
#include "ui_driver.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<BYTE> CaptureScreen(const RECT& rect) {
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    size_t stride = ((size_t)width * 3 + 3) & ~size_t(3);
    std::vector<BYTE> pixels(static_cast<const BYTE*>(bits),
                             static_cast<const BYTE*>(bits) + stride * height);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

void WriteBmp(const std::string& path, const RECT& rect, const std::vector<BYTE>& pixels) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = rect.right - rect.left;
    header.biHeight = rect.bottom - rect.top;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + (DWORD)pixels.size();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(pixels.data()), (std::streamsize)pixels.size());
    if (!out)
        throw UiError("cannot write " + path);
}

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
    std::vector<BYTE> last = CaptureScreen(area);
    for (int tries = 0; tries < 40; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::vector<BYTE> now = CaptureScreen(area);
        if (now == last && tries >= 2)
            break;
        last = std::move(now);
    }
    WriteBmp(path, area, last);
    std::printf("%s\n", path.c_str());
}

HWND DroppedList(HWND combo) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ::GetComboBoxInfo(combo, &info);
    return info.hwndList;
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

    failures.push_back(host.Drive(
        IDD_GRPNAME, [&] { return Velmora_GetZokType(host.Wnd(), &index); },
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

    failures.push_back(host.Drive(
        IDD_GRPNAME_EX, [&] { return Velmora_GetZokTypeEx(host.Wnd(), &index); },
        [&](UiDialog& dlg) {
            dlg.ChooseList(IDC_ZOK_LIST, 10);
            Save(host, folder + "zok_type_ex.bmp", {dlg.Hwnd()});
            dlg.Click(IDCANCEL);
        },
        result));

    int status = 0;
    for (const std::string& failure : failures) {
        if (!failure.empty()) {
            std::fprintf(stderr, "dialog_screens: %s\n", failure.c_str());
            status = 1;
        }
    }
    return status;
}
