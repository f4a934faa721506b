// What a painted map is drawn on. The map's layout is worked out once and
// drawn through this interface, on an SVG text for .svg and on cairo for
// .png and .pdf, so that every format shows the same picture.
#pragma once

#include "parcels/fill/map_fill.h"
#include "parcels/map/kk_map.h"

#include <string>
#include <vector>

// The fonts of the picture's text, first choice first.
extern const char* const kPictureFonts;

// Ground metres to picture pixels: north up, east to the right.
struct MapFrame {
    MapBounds bounds;
    double pixelsPerMetre;
    double left, top;

    double PixelX(const MapPoint& p) const { return left + (p.y - bounds.minY) * pixelsPerMetre; }
    double PixelY(const MapPoint& p) const { return top + (bounds.maxX - p.x) * pixelsPerMetre; }
};

// A fill that paths and rectangles name by its index: a brush's fill with
// the line spacing of its hatch, and `id` naming it within the picture.
struct PictureFill {
    MapFill fill;
    std::string id;
    double spacingPx;
};

// The line spacing a hatch is drawn at: a spacing too fine to draw, or not a
// number at all, is drawn at one pixel.
double DrawnHatchSpacing(double spacingPx);

// Presentation attributes, written as SVG writes them ("#333", "0.6", "13");
// an empty one is taken from the enclosing group, else the default.
struct PictureStyle {
    std::string fontSize, fontWeight, textAnchor, fill;
    std::string stroke, strokeWidth, strokeLinejoin, fillRule;
};

struct PictureRect {
    double x, y, width, height;
};

struct PictureLine {
    double x1, y1, x2, y2;
};

class PictureCanvas {
public:
    virtual ~PictureCanvas() = default;

    // Starts a picture of width by height pixels, white, with the fills
    // that paths and rectangles name.
    virtual void Begin(double width, double height, const std::vector<PictureFill>& fills) = 0;
    virtual void Text(double x, double y, const std::string& utf8, const PictureStyle& style) = 0;
    virtual void Lines(const std::vector<PictureLine>& lines, const PictureStyle& stroke) = 0;
    // `fill` is an index into the fills, -1 for none.
    virtual void Rect(const PictureRect& rect, int fill, const PictureStyle& stroke) = 0;
    // A parcel's rings in ground coordinates, filled and stroked as its group says.
    virtual void Path(const std::vector<MapRing>& rings, const MapFrame& frame, int fill) = 0;
    // What is drawn until EndGroup takes the style, and is cut to `clip` when given.
    virtual void BeginGroup(const PictureStyle& style, const PictureRect* clip) = 0;
    virtual void EndGroup() = 0;
    virtual void End() = 0;
};
