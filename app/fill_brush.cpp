#include "app/fill_brush.h"

#include "parcels/fill/brush_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Closer lines would merge into a solid colour. Wider spacings are drawn at
// the widest tile, more than a screen apart, so that an extreme zoom cannot
// ask for a tile of gigabytes.
constexpr int kFewestPixels = 2;
constexpr int kMostPixels = 4096;

// A square two-colour tile, white with lines in the fill's colour, as a
// packed bottom-up DIB of one bit per pixel.
class LineTile {
public:
    LineTile(int side, COLORREF color) : m_side(side), m_stride(((side + 31) / 32) * 4) {
        m_bytes.assign(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD) + m_stride * side, 0);
        auto* header = reinterpret_cast<BITMAPINFOHEADER*>(m_bytes.data());
        header->biSize = sizeof(BITMAPINFOHEADER);
        header->biWidth = side;
        header->biHeight = side;
        header->biPlanes = 1;
        header->biBitCount = 1;
        header->biCompression = BI_RGB;
        header->biClrUsed = 2;
        auto* colors = reinterpret_cast<RGBQUAD*>(header + 1);
        colors[0] = RGBQUAD{255, 255, 255, 0};
        colors[1] = RGBQUAD{GetBValue(color), GetGValue(color), GetRValue(color), 0};
    }

    void Set(int x, int y) {
        BYTE* row = m_bytes.data() + sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD) +
                    (size_t)m_stride * (m_side - 1 - y);
        row[x / 8] |= (BYTE)(0x80 >> (x % 8));
    }

    // Draws a line through the tile at angle degrees clockwise from the
    // horizontal, so that it meets itself across the tile's edges.
    void Line(int angle) {
        for (int i = 0; i < m_side; ++i) {
            switch (angle) {
            case 0:
                Set(i, 0);
                break;
            case 90:
                Set(0, i);
                break;
            case 45:
                Set(i, i);
                break;
            default:
                Set(m_side - 1 - i, i);
                break;
            }
        }
    }

    HBRUSH CreateBrush() const { return ::CreateDIBPatternBrushPt(m_bytes.data(), DIB_RGB_COLORS); }

private:
    int m_side;
    int m_stride;
    std::vector<BYTE> m_bytes;
};
} // namespace

HBRUSH CreateFillBrush(const MapFill& fill, double spacingPixels) {
    if (fill.kind == MapFill::PAINT)
        return ::CreateSolidBrush(fill.color);
    std::vector<int> angles = HatchAngles(fill.hatchType);
    if (fill.kind != MapFill::HATCH || angles.empty())
        return nullptr;
    // Diagonal lines spacingPixels apart cross a row every spacing × √2 pixels.
    bool diagonal = angles.front() == 45 || angles.front() == 135;
    double side = diagonal ? spacingPixels * std::sqrt(2.0) : spacingPixels;
    int pixels =
        std::isfinite(side)
            ? (int)std::lround(std::clamp(side, (double)kFewestPixels, (double)kMostPixels))
            : kFewestPixels;
    LineTile tile(pixels, fill.color);
    for (int angle : angles)
        tile.Line(angle);
    return tile.CreateBrush();
}
