// A piece of the screen as the user sees it, compared with a later one or
// saved as a BMP: how the picture programs take what a program has drawn.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ScreenPicture {
public:
    // Copies the screen rectangle (screen coordinates).
    explicit ScreenPicture(const RECT& rect);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The colour at (x, y) from the rectangle's top left, red in the lowest byte.
    COLORREF At(int x, int y) const;
    bool operator==(const ScreenPicture& other) const {
        return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
    }
    // Writes a 24-bit BMP; false when the file cannot be written.
    bool SaveBmp(const std::string& path) const;

private:
    int m_width;
    int m_height;
    std::vector<DWORD> m_pixels; // top-down, 0x00RRGGBB
};
