#pragma once

#include "afx/afxwin.h"

#include <commctrl.h>

// A control in a shown popup that reflects notifications and drawing, as a dialog does.
struct ControlWindow {
    ControlWindow(const char* className, DWORD style, int width, int height) {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        parent.SubclassWindow(CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP, 0, 0, width,
                                              height, nullptr, nullptr, nullptr, nullptr));
        control = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, width,
                                  height, parent, (HMENU)1, nullptr, nullptr);
        parent.ShowWindow(SW_SHOWNOACTIVATE);
    }
    ~ControlWindow() { parent.DestroyWindow(); }
    CWnd parent;
    HWND control;
};
