#include "app/map_paint.h"
#include "app/fill_brush.h"
#include "parcels/fill/sel_brs_position.h"
#include "parcels/fill/brush_map_fill.h"

#include "parcels/fill/brush_fill.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {
const COLORREF kOutline = RGB(51, 51, 51);
const COLORREF kLabel = RGB(17, 17, 17);

// Brushes of the selected palette's fills, made when a parcel first needs one.
class FillBrushes {
public:
    FillBrushes(CVPaletteBox& box, const ZelAttr& colors, double pixelsPerMm)
        : m_plt(box.GetSelPlt()), m_colors(colors), m_pixelsPerMm(pixelsPerMm),
          m_brushes(m_plt ? m_plt->CountBrs() : 0, nullptr), m_made(m_brushes.size(), false) {}
    ~FillBrushes() {
        for (HBRUSH brush : m_brushes)
            if (brush)
                ::DeleteObject(brush);
    }
    FillBrushes(const FillBrushes&) = delete;
    FillBrushes& operator=(const FillBrushes&) = delete;

    // The brush of the fill at a brush position, or the hollow brush.
    HGDIOBJ At(int position) {
        if (position < 0 || position >= (int)m_brushes.size())
            return ::GetStockObject(NULL_BRUSH);
        if (!m_made[position]) {
            MapFill fill = BrushMapFill(*m_plt->GetObjBrs((BYTE)position), m_colors);
            m_brushes[position] = CreateFillBrush(fill, fill.spacingMm * m_pixelsPerMm);
            m_made[position] = true;
        }
        return m_brushes[position] ? (HGDIOBJ)m_brushes[position] : ::GetStockObject(NULL_BRUSH);
    }

private:
    CVObjPlt* m_plt;
    const ZelAttr& m_colors;
    double m_pixelsPerMm;
    std::vector<HBRUSH> m_brushes;
    std::vector<bool> m_made;
};

bool Reaches(const MapBounds& extent, const RECT& area, const MapViewport& view) {
    return view.PixelX(MapPoint{0.0, extent.maxY}) >= area.left &&
           view.PixelX(MapPoint{0.0, extent.minY}) <= area.right &&
           view.PixelY(MapPoint{extent.minX, 0.0}) >= area.top &&
           view.PixelY(MapPoint{extent.maxX, 0.0}) <= area.bottom;
}

// Labels grow with the zoom, within what stays legible and unobtrusive.
int LabelHeight(const MapViewport& view) {
    return (int)std::clamp(view.pixelsPerMetre * 1.5, 10.0, 14.0);
}

void DrawLabels(HDC dc, const RECT& area, const AppMap& map, const MapViewport& view) {
    int height = LabelHeight(view);
    HFONT font = ::CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH, "ＭＳ ゴシック");
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kLabel);
    ::SetTextAlign(dc, TA_CENTER | TA_BASELINE);
    for (size_t i = 0; i < map.map.parcels.size(); ++i) {
        const MapBounds& extent = map.extents[i];
        double width = (extent.maxY - extent.minY) * view.pixelsPerMetre;
        double tall = (extent.maxX - extent.minX) * view.pixelsPerMetre;
        const char* name = map.records[i].KkNm;
        // A byte of code page 932 text is about half a character cell wide.
        double needed = 2.0 + std::strlen(name) * height * 0.55;
        if (width < needed || tall < height + 2.0 || map.map.parcels[i].rings.empty() ||
            !Reaches(extent, area, view))
            continue;
        MapPoint at = LabelPoint(map.map.parcels[i]);
        ::TextOutA(dc, (int)std::lround(view.PixelX(at)),
                   (int)std::lround(view.PixelY(at) + height * 0.35), name, (int)std::strlen(name));
    }
    ::SelectObject(dc, oldFont);
    ::DeleteObject(font);
}
} // namespace

void DrawParcels(HDC dc, const RECT& area, AppMap& map, CVPaletteBox& box, const ZelAttr& colors,
                 const MapViewport& view) {
    ::FillRect(dc, &area, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    double pixelsPerMm = HatchSpacingOnGround(1.0, map.map.scale) * view.pixelsPerMetre;
    FillBrushes brushes(box, colors, pixelsPerMm);
    // Hatch patterns keep their place on the ground while the map moves.
    MapPoint corner{map.bounds.minX, map.bounds.minY};
    ::SetBrushOrgEx(dc, (int)std::lround(std::fmod(view.PixelX(corner), 65536.0)),
                    (int)std::lround(std::fmod(view.PixelY(corner), 65536.0)), nullptr);
    ::SetPolyFillMode(dc, ALTERNATE);
    HPEN pen = ::CreatePen(PS_SOLID, 1, kOutline);
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    std::vector<POINT> points;
    std::vector<INT> counts;
    for (size_t i = 0; i < map.map.parcels.size(); ++i) {
        if (!Reaches(map.extents[i], area, view))
            continue;
        points.clear();
        counts.clear();
        for (const MapRing& ring : map.map.parcels[i].rings) {
            for (const MapPoint& p : ring)
                points.push_back(
                    POINT{(LONG)std::lround(view.PixelX(p)), (LONG)std::lround(view.PixelY(p))});
            counts.push_back((INT)ring.size());
        }
        ::SelectObject(dc, brushes.At(SelBrsPosition(box, map.records[i])));
        ::PolyPolygon(dc, points.data(), counts.data(), (int)counts.size());
    }
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(pen);
    DrawLabels(dc, area, map, view);
}
