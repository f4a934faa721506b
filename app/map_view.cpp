#include "app/map_view.h"
#include "app/map_paint.h"
#include "app/parcel_find.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

namespace {
const char kClassName[] = "VelmoraMapView";
constexpr double kWheelStep = 1.25;
} // namespace

MapView::~MapView() {
    if (m_buffer)
        ::DeleteObject(m_buffer);
}

HWND MapView::Create(HWND parent, int id) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &ObjectWndProc<MapView>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursor(nullptr, IDC_CROSS);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassA(&windowClass);
    ::CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                      (HMENU)(INT_PTR)id, instance, this);
    return m_hWnd;
}

void MapView::SetContent(AppMap* map, CVPaletteBox* box, const ZelAttr* colors) {
    bool newMap = map != m_map;
    m_map = map;
    m_box = box;
    m_colors = colors;
    if (newMap) {
        m_fitted = false;
        SetHover(-1);
        Fit();
    }
    Redraw();
}

void MapView::Redraw() {
    m_stale = true;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void MapView::Changed() {
    Redraw();
    POINT cursor;
    ::GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (::PtInRect(&client, cursor))
        OnMouseMove(cursor.x, cursor.y);
}

void MapView::Fit() {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (!m_map || client.right <= 0 || client.bottom <= 0)
        return;
    m_view = MapViewport::Fit(m_map->bounds, client.right, client.bottom);
    m_fitted = true;
    Redraw();
}

void MapView::Zoom(double factor) {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    m_view.ZoomAt(client.right / 2.0, client.bottom / 2.0, factor);
    Changed();
}

LRESULT MapView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A picture that cannot be drawn leaves the last one on screen.
    try {
        return OnMessage(message, wParam, lParam);
    } catch (...) {
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT MapView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SIZE:
        if (!m_fitted)
            Fit();
        Redraw();
        return 0;
    case WM_MOUSEWHEEL: {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ScreenToClient(m_hWnd, &at);
        double notches = GET_WHEEL_DELTA_WPARAM(wParam) / (double)WHEEL_DELTA;
        m_view.ZoomAt(at.x, at.y, std::pow(kWheelStep, notches));
        Changed();
        return 0;
    }
    case WM_LBUTTONDOWN:
        ::SetFocus(m_hWnd);
        ::SetCapture(m_hWnd);
        m_dragging = true;
        m_dragFrom = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (m_dragging) {
            m_dragging = false;
            if (message == WM_LBUTTONUP)
                ::ReleaseCapture();
        }
        return 0;
    case WM_MOUSEMOVE:
        if (m_dragging) {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            m_view.Pan(at.x - m_dragFrom.x, at.y - m_dragFrom.y);
            m_dragFrom = at;
            Redraw();
        }
        OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_MOUSELEAVE:
        m_tracking = false;
        SetHover(-1);
        return 0;
    case WM_DESTROY:
        m_hWnd = nullptr;
        return 0;
    default:
        return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    }
}

void MapView::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (!m_buffer || m_bufferSize.cx != client.right || m_bufferSize.cy != client.bottom) {
        if (m_buffer)
            ::DeleteObject(m_buffer);
        m_buffer =
            ::CreateCompatibleBitmap(dc, std::max(client.right, 1L), std::max(client.bottom, 1L));
        m_bufferSize = SIZE{client.right, client.bottom};
        m_stale = true;
    }
    HDC memory = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(memory, m_buffer);
    if (m_stale) {
        if (m_map && m_box && m_colors)
            DrawParcels(memory, client, *m_map, *m_box, *m_colors, m_view);
        else
            ::FillRect(memory, &client, (HBRUSH)::GetStockObject(WHITE_BRUSH));
        m_stale = false;
    }
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::EndPaint(m_hWnd, &paint);
}

void MapView::OnMouseMove(int x, int y) {
    if (!m_tracking) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
        m_tracking = ::TrackMouseEvent(&track) != FALSE;
    }
    SetHover(m_map ? ParcelAt(*m_map, m_view.Ground(x, y)) : -1);
}

void MapView::SetHover(int parcel) {
    if (parcel == m_hover)
        return;
    m_hover = parcel;
    if (m_hWnd)
        ::SendMessageA(::GetParent(m_hWnd), WM_MAP_HOVER, (WPARAM)parcel, 0);
}
