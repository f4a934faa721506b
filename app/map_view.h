// The map window. It draws the map through a buffer, so that a repaint never
// shows half a picture; the wheel zooms around the cursor, a drag pans, and
// it tells its parent which parcel lies under the cursor.
#pragma once

#include "app/app_map.h"
#include "app/map_viewport.h"

#include "host/object_wnd_proc.h"
#include "host/zel.h"
#include "model/palette_box.h"

#include <windows.h>

// Sent to the parent when the parcel under the cursor changes: wParam is its
// index in the map, or -1 when the cursor is over no parcel or has left.
constexpr UINT WM_MAP_HOVER = WM_APP + 10;

class MapView {
public:
    MapView() = default;
    ~MapView();
    MapView(const MapView&) = delete;
    MapView& operator=(const MapView&) = delete;

    HWND Create(HWND parent, int id);
    HWND Hwnd() const { return m_hWnd; }

    // What to draw; the view keeps the pointers. A new map is fitted.
    void SetContent(AppMap* map, CVPaletteBox* box, const ZelAttr* colors);
    // Draws again: the palette, its brushes or the selection changed.
    void Redraw();
    void Fit();
    // Zooms around the middle of the window.
    void Zoom(double factor);

    const MapViewport& Viewport() const { return m_view; }
    int Hover() const { return m_hover; }

private:
    friend LRESULT CALLBACK ObjectWndProc<MapView>(HWND, UINT, WPARAM, LPARAM);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnMouseMove(int x, int y);
    void SetHover(int parcel);
    void Changed();

    HWND m_hWnd = nullptr;
    AppMap* m_map = nullptr;
    CVPaletteBox* m_box = nullptr;
    const ZelAttr* m_colors = nullptr;
    MapViewport m_view;
    bool m_fitted = false;
    bool m_dragging = false;
    POINT m_dragFrom{0, 0};
    int m_hover = -1;
    bool m_tracking = false;
    HBITMAP m_buffer = nullptr;
    SIZE m_bufferSize{0, 0};
    bool m_stale = true;
};
