#include "host/lum_popup_grid.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace {

const char kClassName[] = LUM_POPUP_CLASS;
// Room between the popup's edge and its cells; the edge takes two pixels.
const int kMargin = 3;
// Inside a cell: the highlight on its two outer pixels, then a one-pixel
// frame, then the content.
const int kFrameInset = 3;

HINSTANCE OwnModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         kClassName, &module);
    return module;
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN ||
           message == WM_NCMBUTTONDOWN;
}

} // namespace

CLumPopupGrid::CLumPopupGrid(int count, int columns, SIZE cell, DrawCell drawCell)
    : m_nCount(std::max(count, 0)), m_nColumns(std::max(std::min(columns, count), 1)), m_cell(cell),
      m_drawCell(std::move(drawCell)) {}

int CLumPopupGrid::Track(HWND hAnchor, int current) {
    if (m_nCount == 0 || !::IsWindow(hAnchor) || !m_bDone)
        return -1;
    HINSTANCE instance = OwnModule();
    // The class lives only while the popup does, so that no class outlives
    // the module that holds its window procedure.
    WNDCLASSA windowClass = {};
    windowClass.style = CS_SAVEBITS;
    windowClass.lpfnWndProc = &ObjectWndProc<CLumPopupGrid>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassA(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return -1;

    m_nHot = current >= 0 && current < m_nCount ? current : -1;
    m_nResult = -1;
    m_bPressed = false;
    m_bDone = false;
    RECT rect = Place(hAnchor);
    ::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, rect.left, rect.top,
                      rect.right - rect.left, rect.bottom - rect.top,
                      ::GetAncestor(hAnchor, GA_ROOT), nullptr, instance, this);
    if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_SHOWNA);
        ::UpdateWindow(m_hWnd);
        ::SetCapture(m_hWnd);
    } else {
        End(-1);
    }

    MSG msg;
    while (!m_bDone) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                ::PostQuitMessage((int)msg.wParam); // the quit belongs to the caller's loop
            End(-1);
            break;
        }
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
            msg.hwnd = m_hWnd; // keys go to the grid wherever the focus is, as in a menu
        } else if (IsButtonDown(msg.message) && msg.hwnd != m_hWnd) {
            End(-1); // a click elsewhere cancels and is spent on that
            continue;
        }
        ::DispatchMessageA(&msg);
    }

    if (m_hWnd) {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        ::DestroyWindow(m_hWnd);
    }
    ::UnregisterClassA(kClassName, instance);
    return m_nResult;
}

LRESULT CLumPopupGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A message that fails cancels the choice.
    try {
        return OnMessage(message, wParam, lParam);
    } catch (...) {
        End(-1);
    }
    return 0;
}

LRESULT CLumPopupGrid::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC hDC = ::BeginPaint(m_hWnd, &paint);
        Paint(hDC);
        ::EndPaint(m_hWnd, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint((HDC)wParam);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
        if (CellAt(point) >= 0)
            MoveHot(CellAt(point));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        // Under the capture a click anywhere comes here; outside it cancels.
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        if (!::PtInRect(&client, point))
            End(-1);
        else if (message == WM_LBUTTONDOWN)
            m_bPressed = true;
        return 0;
    }
    case WM_LBUTTONUP:
        if (m_bPressed && CellAt(point) >= 0)
            End(CellAt(point));
        return 0;
    case WM_KEYDOWN:
        OnKey((UINT)wParam);
        return 0;
    case WM_SYSKEYDOWN:
        End(-1);
        return 0;
    case WM_CAPTURECHANGED:
        if ((HWND)lParam != m_hWnd)
            End(-1);
        return 0;
    case WM_CANCELMODE:
    case WM_DESTROY:
        End(-1);
        return 0;
    case WM_NCDESTROY: {
        HWND hWnd = m_hWnd;
        m_hWnd = nullptr;
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
    case LPGM_GETITEMRECT:
        if ((int)wParam < 0 || (int)wParam >= m_nCount || !lParam)
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = CellRect((int)wParam);
        return TRUE;
    default:
        return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    }
}

RECT CLumPopupGrid::Place(HWND hAnchor) const {
    int rows = (m_nCount + m_nColumns - 1) / m_nColumns;
    int width = 2 * kMargin + m_nColumns * m_cell.cx;
    int height = 2 * kMargin + rows * m_cell.cy;
    RECT anchor;
    ::GetWindowRect(hAnchor, &anchor);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoA(::MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    // Below the button, or above it when the screen ends below.
    int x = anchor.left;
    int y = anchor.bottom + height <= work.bottom ? anchor.bottom : anchor.top - height;
    x = std::max((int)work.left, std::min(x, (int)work.right - width));
    y = std::max((int)work.top, std::min(y, (int)work.bottom - height));
    return RECT{x, y, x + width, y + height};
}

RECT CLumPopupGrid::CellRect(int position) const {
    int left = kMargin + position % m_nColumns * m_cell.cx;
    int top = kMargin + position / m_nColumns * m_cell.cy;
    return RECT{left, top, left + m_cell.cx, top + m_cell.cy};
}

int CLumPopupGrid::CellAt(POINT point) const {
    if (point.x < kMargin || point.y < kMargin || m_cell.cx <= 0 || m_cell.cy <= 0)
        return -1;
    int column = (point.x - kMargin) / m_cell.cx;
    int position = (point.y - kMargin) / m_cell.cy * m_nColumns + column;
    return column < m_nColumns && position < m_nCount ? position : -1;
}

void CLumPopupGrid::Paint(HDC hDC) const {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    ::FillRect(hDC, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(hDC, &client, EDGE_RAISED, BF_RECT);
    for (int position = 0; position < m_nCount; ++position) {
        RECT cell = CellRect(position);
        if (position == m_nHot) {
            HBRUSH highlight = ::GetSysColorBrush(COLOR_HIGHLIGHT);
            ::FrameRect(hDC, &cell, highlight);
            ::InflateRect(&cell, -1, -1);
            ::FrameRect(hDC, &cell, highlight);
            ::InflateRect(&cell, 1, 1);
        }
        ::InflateRect(&cell, -kFrameInset, -kFrameInset);
        ::FrameRect(hDC, &cell, (HBRUSH)::GetStockObject(BLACK_BRUSH));
        ::InflateRect(&cell, -1, -1);
        m_drawCell(hDC, position, cell);
    }
}

void CLumPopupGrid::MoveHot(int position) {
    if (position == m_nHot)
        return;
    for (int cell : {m_nHot, position}) {
        if (cell >= 0) {
            RECT rect = CellRect(cell);
            ::InvalidateRect(m_hWnd, &rect, FALSE);
        }
    }
    m_nHot = position;
}

void CLumPopupGrid::OnKey(UINT key) {
    int hot = m_nHot;
    switch (key) {
    case VK_LEFT:
        MoveHot(std::max(hot - 1, 0));
        break;
    case VK_RIGHT:
        MoveHot(std::min(hot + 1, m_nCount - 1));
        break;
    case VK_UP:
        MoveHot(hot < 0 ? 0 : hot >= m_nColumns ? hot - m_nColumns : hot);
        break;
    case VK_DOWN:
        MoveHot(hot < 0 ? 0 : hot + m_nColumns < m_nCount ? hot + m_nColumns : hot);
        break;
    case VK_HOME:
        MoveHot(0);
        break;
    case VK_END:
        MoveHot(m_nCount - 1);
        break;
    case VK_RETURN:
    case VK_SPACE:
        if (hot >= 0)
            End(hot);
        break;
    case VK_ESCAPE:
        End(-1);
        break;
    default:
        break;
    }
}

void CLumPopupGrid::End(int result) {
    if (m_bDone)
        return;
    m_bDone = true;
    m_nResult = result;
    if (m_hWnd)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wakes the loop when it waits
}
