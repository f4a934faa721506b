// The window procedure of a window that is a plain C++ object rather than a
// CWnd. CreateWindowEx carries the object's address in; the window's user
// data keeps it, a read of the window's own memory on every message (a window
// property would cost a trip to the server under Wine).
#pragma once

#include "afx/afxexcept.h"

#include <windows.h>

// Register it as the class's procedure and pass the object as the creation
// parameter. T gives the procedure access to its m_hWnd, set on WM_NCCREATE,
// and to WindowProc (message, wParam, lParam), which gets every message from
// then on; T decides there what a message that fails means for it.
//
// No exception may leave into the system's window code: as for the class
// library's own windows, an exception object is deleted and the message
// returns 0.
template <class T>
LRESULT CALLBACK ObjectWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        T* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->m_hWnd = hWnd;
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)created);
    }
    T* object = reinterpret_cast<T*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (!object)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    try {
        return object->WindowProc(message, wParam, lParam);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    return 0;
}
