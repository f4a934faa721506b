// A 32-bit top-down DIB in a memory context, read back pixel by pixel.
#pragma once

#include <windows.h>

class DibPicture {
public:
    DibPicture(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info = {{sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                           {}};
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<const DWORD*>(bits);
        m_dc = CreateCompatibleDC(nullptr);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~DibPicture() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    DibPicture(const DibPicture&) = delete;
    DibPicture& operator=(const DibPicture&) = delete;

    HDC Dc() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void Fill(COLORREF color) {
        RECT all = {0, 0, m_width, m_height};
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    // What the window paints of itself, over a colour no drawing uses.
    void Print(HWND window) {
        Fill(RGB(1, 2, 3));
        SendMessageA(window, WM_PRINT, (WPARAM)m_dc, PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    }
    // The colour at (x, y), red in the lowest byte.
    COLORREF At(int x, int y) const {
        GdiFlush();
        DWORD pixel = m_bits[y * m_width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

private:
    int m_width;
    int m_height;
    HBITMAP m_bitmap;
    const DWORD* m_bits;
    HDC m_dc;
    HGDIOBJ m_old;
};
