#include "tools/pictures/cairo_canvas.h"
#include "parcels/fill/brush_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// Parcels drawn together: enough to spare a PDF most of its per-drawing cost,
// few enough that a PNG's outlines stay a small polygon.
constexpr size_t kParcelsTogether = 256;
constexpr double kPi = 3.14159265358979323846;

void SetColor(cairo_t* cr, const std::string& color) {
    // "#rgb" or "#rrggbb", as the styles and brushes give them.
    unsigned long value = std::strtoul(color.c_str() + 1, nullptr, 16);
    double r, g, b;
    if (color.size() == 4) {
        r = static_cast<double>(value >> 8 & 0xF) / 15.0;
        g = static_cast<double>(value >> 4 & 0xF) / 15.0;
        b = static_cast<double>(value & 0xF) / 15.0;
    } else {
        r = static_cast<double>(value >> 16 & 0xFF) / 255.0;
        g = static_cast<double>(value >> 8 & 0xFF) / 255.0;
        b = static_cast<double>(value & 0xFF) / 255.0;
    }
    cairo_set_source_rgb(cr, r, g, b);
}

cairo_pattern_t* Solid(COLORREF color) {
    return cairo_pattern_create_rgb(static_cast<double>(color & 0xFF) / 255.0,
                                    static_cast<double>(color >> 8 & 0xFF) / 255.0,
                                    static_cast<double>(color >> 16 & 0xFF) / 255.0);
}

// A hatch's tile of one or two lines, turned by the pattern's first angle and
// repeated; kept as drawing so that a PDF keeps its lines sharp. Cairo
// rasterizes such a tile at whole units of its own, so the tile is drawn
// `units` units a side, about a pixel each on the surface, lest a fraction
// of a pixel leave gaps in the lines where the tiles meet.
cairo_pattern_t* HatchPattern(const MapFill& fill, double s, double pixelScale) {
    std::vector<int> angles = HatchAngles(fill.hatchType);
    double units = std::max(1.0, std::round(s * pixelScale));
    cairo_rectangle_t extent{0.0, 0.0, units, units};
    cairo_surface_t* tile = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extent);
    cairo_t* cr = cairo_create(tile);
    cairo_scale(cr, units / s, units / s);
    cairo_pattern_t* color = Solid(fill.color);
    cairo_set_source(cr, color);
    cairo_pattern_destroy(color);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, 0.0, s / 2.0);
    cairo_line_to(cr, s, s / 2.0);
    if (angles.size() > 1) {
        cairo_move_to(cr, s / 2.0, 0.0);
        cairo_line_to(cr, s / 2.0, s);
    }
    cairo_stroke(cr);
    cairo_destroy(cr);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_surface_destroy(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_matrix_t toTile;
    cairo_matrix_init_scale(&toTile, units / s, units / s);
    cairo_matrix_rotate(&toTile, -angles[0] * kPi / 180.0);
    cairo_pattern_set_matrix(pattern, &toTile);
    return pattern;
}

cairo_pattern_t* FillPattern(const PictureFill& fill, double pixelScale) {
    if (fill.fill.kind == MapFill::PAINT)
        return Solid(fill.fill.color);
    if (fill.fill.kind == MapFill::HATCH && !HatchAngles(fill.fill.hatchType).empty())
        return HatchPattern(fill.fill, DrawnHatchSpacing(fill.spacingPx), pixelScale);
    return nullptr;
}

void Merge(std::string& into, const std::string& value) {
    if (!value.empty())
        into = value;
}
} // namespace

CairoCanvas::~CairoCanvas() {
    for (cairo_pattern_t* pattern : fills_)
        if (pattern)
            cairo_pattern_destroy(pattern);
}

void CairoCanvas::Begin(double width, double height, const std::vector<PictureFill>& fills) {
    cairo_matrix_t toSurface;
    cairo_get_matrix(cr_, &toSurface);
    double pixelScale =
        std::sqrt(std::fabs(toSurface.xx * toSurface.yy - toSurface.xy * toSurface.yx));
    for (const PictureFill& fill : fills)
        fills_.push_back(FillPattern(fill, pixelScale));
    if (cairo_surface_get_type(cairo_get_target(cr_)) == CAIRO_SURFACE_TYPE_IMAGE)
        dropWithin_ = cairo_get_tolerance(cr_) / 2.0 / pixelScale;
    // SVG's own defaults where cairo's differ; text advances as the font gives
    // them, not rounded to pixels, as text laid out for SVG is.
    cairo_set_miter_limit(cr_, 4.0);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    cairo_set_source_rgb(cr_, 1.0, 1.0, 1.0);
    cairo_rectangle(cr_, 0.0, 0.0, width, height);
    cairo_fill(cr_);
}

PictureStyle CairoCanvas::Style(const PictureStyle& own) const {
    PictureStyle style = groups_.empty() ? PictureStyle() : groups_.back();
    Merge(style.fontSize, own.fontSize);
    Merge(style.fontWeight, own.fontWeight);
    Merge(style.textAnchor, own.textAnchor);
    Merge(style.fill, own.fill);
    Merge(style.stroke, own.stroke);
    Merge(style.strokeWidth, own.strokeWidth);
    Merge(style.strokeLinejoin, own.strokeLinejoin);
    Merge(style.fillRule, own.fillRule);
    return style;
}

void CairoCanvas::Text(double x, double y, const std::string& utf8, const PictureStyle& own) {
    PictureStyle style = Style(own);
    std::string fonts = kPictureFonts;
    cairo_select_font_face(cr_, fonts.substr(0, fonts.find(',')).c_str(), CAIRO_FONT_SLANT_NORMAL,
                           style.fontWeight == "bold" ? CAIRO_FONT_WEIGHT_BOLD
                                                      : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, style.fontSize.empty() ? 16.0 : std::atof(style.fontSize.c_str()));
    if (style.textAnchor == "middle" || style.textAnchor == "end") {
        cairo_text_extents_t extents;
        cairo_text_extents(cr_, utf8.c_str(), &extents);
        x -= extents.x_advance * (style.textAnchor == "middle" ? 0.5 : 1.0);
    }
    SetColor(cr_, style.fill.empty() ? "#000" : style.fill);
    cairo_move_to(cr_, x, y);
    cairo_show_text(cr_, utf8.c_str());
    cairo_new_path(cr_);
}

void CairoCanvas::Lines(const std::vector<PictureLine>& lines, const PictureStyle& stroke) {
    for (const PictureLine& line : lines) {
        cairo_move_to(cr_, line.x1, line.y1);
        cairo_line_to(cr_, line.x2, line.y2);
    }
    FillAndStroke(-1, Style(stroke));
}

void CairoCanvas::Rect(const PictureRect& rect, int fill, const PictureStyle& stroke) {
    cairo_rectangle(cr_, rect.x, rect.y, rect.width, rect.height);
    FillAndStroke(fill, Style(stroke));
}

void CairoCanvas::Path(const std::vector<MapRing>& rings, const MapFrame& frame, int fill) {
    frame_ = frame;
    parcels_.resize(fills_.size() + 1);
    parcels_[static_cast<size_t>(fill + 1)].push_back(&rings);
    if (++pending_ == kParcelsTogether)
        DrawParcels();
}

void CairoCanvas::AddRings(const std::vector<MapRing>& rings) {
    for (const MapRing& ring : rings) {
        if (ring.empty())
            continue;
        double lastX = frame_.PixelX(ring[0]), lastY = frame_.PixelY(ring[0]);
        cairo_move_to(cr_, lastX, lastY);
        for (size_t i = 1; i + 1 < ring.size(); ++i) {
            double x = frame_.PixelX(ring[i]), y = frame_.PixelY(ring[i]);
            if (std::fabs(x - lastX) < dropWithin_ && std::fabs(y - lastY) < dropWithin_)
                continue;
            cairo_line_to(cr_, x, y);
            lastX = x;
            lastY = y;
        }
        cairo_close_path(cr_);
    }
}

// The parcels of each fill are filled and stroked as one path, which a PDF
// then writes once; those without a fill are stroked last, so that no fill
// covers their outlines.
void CairoCanvas::DrawParcels() {
    if (parcels_.empty())
        return;
    PictureStyle style = groups_.empty() ? PictureStyle() : groups_.back();
    for (size_t i = 1; i <= parcels_.size(); ++i) {
        size_t fill = i % parcels_.size();
        for (const std::vector<MapRing>* rings : parcels_[fill])
            AddRings(*rings);
        FillAndStroke(static_cast<int>(fill) - 1, style);
    }
    parcels_.clear();
    pending_ = 0;
}

void CairoCanvas::BeginGroup(const PictureStyle& style, const PictureRect* clip) {
    groups_.push_back(Style(style));
    cairo_save(cr_);
    if (clip) {
        cairo_rectangle(cr_, clip->x, clip->y, clip->width, clip->height);
        cairo_clip(cr_);
    }
}

void CairoCanvas::EndGroup() {
    DrawParcels();
    cairo_restore(cr_);
    groups_.pop_back();
}

void CairoCanvas::End() {}

void CairoCanvas::FillAndStroke(int fill, const PictureStyle& style) {
    if (fill >= 0 && fills_[fill]) {
        cairo_set_fill_rule(cr_, style.fillRule == "evenodd" ? CAIRO_FILL_RULE_EVEN_ODD
                                                             : CAIRO_FILL_RULE_WINDING);
        cairo_set_source(cr_, fills_[fill]);
        cairo_fill_preserve(cr_);
    }
    if (!style.stroke.empty() && style.stroke != "none") {
        cairo_set_line_width(cr_, style.strokeWidth.empty() ? 1.0
                                                            : std::atof(style.strokeWidth.c_str()));
        cairo_set_line_join(cr_, style.strokeLinejoin == "round" ? CAIRO_LINE_JOIN_ROUND
                                                                 : CAIRO_LINE_JOIN_MITER);
        SetColor(cr_, style.stroke);
        cairo_stroke(cr_);
    }
    cairo_new_path(cr_);
}
