// Pictures of velmora-host.exe for review and for the README, taken from
// outside as a user sees the program:
//   host_screens.exe MAP.xml BOX.dat OUTPUT_FOLDER
// writes host-town.bmp (the map painted by the box's selected palette, the
// cursor over a parcel) and host-editor.bmp (the palette editor open over
// it) into the folder.
#include "host_process.h"
#include "screen_picture.h"

#include "app/app_resource.h"

#include <cstdio>

namespace {
RECT WindowRect(HWND hWnd) {
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

bool SamePicture(const ScreenPicture& a, const ScreenPicture& b) {
    for (int y = 0; y < a.Height(); y += 3)
        for (int x = 0; x < a.Width(); x += 3)
            if (a.At(x, y) != b.At(x, y))
                return false;
    return true;
}

// Saves the screen area once the program has drawn it: the picture stays
// the same while the program takes one more round of messages.
void Save(HostProcess& host, const RECT& rect, const std::string& path) {
    host.Sync();
    ScreenPicture last(rect);
    host.WaitUntil(
        [&] {
            host.Sync();
            ScreenPicture now(rect);
            bool settled = SamePicture(now, last);
            last = now;
            return settled;
        },
        "the picture to settle");
    if (!last.SaveBmp(path))
        throw HostError("cannot write " + path);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: host_screens MAP.xml BOX.dat OUTPUT_FOLDER\n");
        return 2;
    }
    std::string folder = argv[3];
    try {
        HostProcess host("\"" + std::string(argv[1]) + "\" \"" + std::string(argv[2]) + "\"");
        HWND map = host.Item(host.Frame(), IDC_MAP_VIEW);
        RECT client;
        ::GetClientRect(map, &client);
        // The cursor rests on the first parcel right of the middle, so that
        // the status bar tells about it.
        HWND status = host.Item(host.Frame(), IDC_STATUS_BAR);
        for (int x = client.right / 2; x < client.right; x += 7) {
            host.MoveMouse(map, x, client.bottom / 2);
            if (!host.Text(status).empty())
                break;
        }
        Save(host, WindowRect(host.Frame()), folder + "\\host-town.bmp");

        host.Click(host.Frame(), ID_PLT_EDIT);
        HWND editor = host.WaitPopup(host.Frame());
        RECT both = WindowRect(host.Frame());
        RECT over = WindowRect(editor);
        ::UnionRect(&both, &both, &over);
        Save(host, both, folder + "\\host-editor.bmp");
        host.Click(editor, IDCANCEL);
        host.WaitClosed(editor);
        host.Close();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "host_screens: %s\n", e.what());
        return 1;
    }
    return 0;
}
