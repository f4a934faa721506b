// The picture drawn on a cairo context, for PNG and PDF. The context's
// transform maps the picture's pixels onto the surface. A group's parcels are
// drawn some hundreds at a time: each fill once over the parcels it fills,
// then their outlines. Parcels of a map meet but do not overlap, so this
// looks as drawing them one by one does, at a fraction of the time and of
// the memory of a PDF.
#pragma once

#include "tools/pictures/picture_canvas.h"

#include <cairo.h>

#include <vector>

class CairoCanvas : public PictureCanvas {
public:
    explicit CairoCanvas(cairo_t* cr) : cr_(cr) {}
    ~CairoCanvas() override;
    CairoCanvas(const CairoCanvas&) = delete;
    CairoCanvas& operator=(const CairoCanvas&) = delete;

    void Begin(double width, double height, const std::vector<PictureFill>& fills) override;
    void Text(double x, double y, const std::string& utf8, const PictureStyle& style) override;
    void Lines(const std::vector<PictureLine>& lines, const PictureStyle& stroke) override;
    void Rect(const PictureRect& rect, int fill, const PictureStyle& stroke) override;
    void Path(const std::vector<MapRing>& rings, const MapFrame& frame, int fill) override;
    void BeginGroup(const PictureStyle& style, const PictureRect* clip) override;
    void EndGroup() override;
    void End() override;

private:
    // The style in force: the groups' styles, then the element's own.
    PictureStyle Style(const PictureStyle& own) const;
    void FillAndStroke(int fill, const PictureStyle& style);
    void AddRings(const std::vector<MapRing>& rings);
    void DrawParcels();

    cairo_t* cr_;
    std::vector<cairo_pattern_t*> fills_; // null for no fill
    std::vector<PictureStyle> groups_;
    // The group's parcels not yet drawn, by fill index + 1; their frame.
    std::vector<std::vector<const std::vector<MapRing>*>> parcels_;
    size_t pending_ = 0;
    MapFrame frame_{};
    // On a raster surface, a parcel's vertex this close to the last one
    // drawn, across and down, is left out: the outline moves by less than
    // cairo's own flattening of curves, and the stroker's time follows the
    // vertices, of which a dense map at a small size has many per pixel.
    double dropWithin_ = 0.0;
};
