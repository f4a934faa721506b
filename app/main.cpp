// velmora-host.exe: a host program of velmora.dll. It shows a registry map
// painted by the selected palette of a palette box, and lets the user make,
// edit, choose and save palettes through the library's own dialogs.
//
//   velmora-host.exe [MAP.xml] [BOX.dat] [--old-box]
//
// Without a map it opens the sample town. --old-box reads the box in the
// older brush layout.
#include "app/main_frame.h"
#include "app/app_resource.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    std::string mapPath = VELMORA_SAMPLE_MAP;
    std::string boxPath;
    BoxLayout layout = BoxLayout::CURRENT;
    for (int i = 1; i < __argc; ++i) {
        std::string arg = __argv[i];
        if (arg == "--old-box")
            layout = BoxLayout::OLD;
        else if (arg.size() > 4 && lstrcmpiA(arg.c_str() + arg.size() - 4, ".dat") == 0)
            boxPath = arg;
        else
            mapPath = arg;
    }

    MainFrame frame;
    if (!frame.Create(show))
        return 1;
    frame.OpenMap(mapPath);
    if (!boxPath.empty())
        frame.OpenBox(boxPath, layout);

    HACCEL keys = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_HOST_ACCEL));
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (::TranslateAcceleratorA(frame.Hwnd(), keys, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
