#include "tools/pictures/svg_canvas.h"
#include "tools/pictures/svg_text.h"

#include <cmath>

namespace {
// ` name="value"` for a value that is set.
std::string Attribute(const char* name, const std::string& value) {
    return value.empty() ? std::string() : std::string(" ") + name + "=\"" + value + "\"";
}

std::string Stroke(const PictureStyle& style) {
    return Attribute("stroke", style.stroke) + Attribute("stroke-width", style.strokeWidth);
}

// A whole number as it is, others with two decimals.
std::string Size(double value) {
    return value == std::floor(value) ? std::to_string(static_cast<long>(value)) : SvgNumber(value);
}

std::string Line(const PictureLine& line) {
    return "<line x1=\"" + SvgNumber(line.x1) + "\" y1=\"" + SvgNumber(line.y1) + "\" x2=\"" +
           SvgNumber(line.x2) + "\" y2=\"" + SvgNumber(line.y2) + "\"";
}
} // namespace

void SvgCanvas::Begin(double width, double height, const std::vector<PictureFill>& fills) {
    fills_ = fills;
    out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + SvgNumber(width) +
            "\" height=\"" + SvgNumber(height) + "\" viewBox=\"0 0 " + SvgNumber(width) + " " +
            SvgNumber(height) + "\" font-family=\"" + kPictureFonts + "\">\n";
    out_ += "<defs>\n";
    for (const PictureFill& fill : fills)
        out_ += SvgHatchPattern(fill.fill, fill.id, fill.spacingPx);
    out_ += "</defs>\n";
    out_ += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
}

void SvgCanvas::Text(double x, double y, const std::string& utf8, const PictureStyle& style) {
    out_ += "<text x=\"" + SvgNumber(x) + "\" y=\"" + SvgNumber(y) + "\"" +
            Attribute("font-size", style.fontSize) + Attribute("text-anchor", style.textAnchor) +
            Attribute("font-weight", style.fontWeight) + Attribute("fill", style.fill) + ">" +
            SvgEscape(utf8) + "</text>\n";
}

// Lines that share a stroke are grouped.
void SvgCanvas::Lines(const std::vector<PictureLine>& lines, const PictureStyle& stroke) {
    if (lines.size() == 1) {
        out_ += Line(lines[0]) + Stroke(stroke) + "/>\n";
        return;
    }
    out_ += "<g" + Stroke(stroke) + ">";
    for (const PictureLine& line : lines)
        out_ += Line(line) + "/>";
    out_ += "</g>\n";
}

void SvgCanvas::Rect(const PictureRect& rect, int fill, const PictureStyle& stroke) {
    out_ += "<rect x=\"" + SvgNumber(rect.x) + "\" y=\"" + SvgNumber(rect.y) + "\" width=\"" +
            Size(rect.width) + "\" height=\"" + Size(rect.height) + "\" fill=\"" + FillValue(fill) +
            "\"" + Stroke(stroke) + "/>\n";
}

void SvgCanvas::Path(const std::vector<MapRing>& rings, const MapFrame& frame, int fill) {
    out_ += "<path d=\"";
    for (size_t r = 0; r < rings.size(); ++r) {
        const MapRing& ring = rings[r];
        for (size_t i = 0; i + 1 < ring.size(); ++i) {
            out_ += i == 0 ? (r == 0 ? "M" : " M") : " L";
            AppendSvgNumber(out_, frame.PixelX(ring[i]));
            out_ += ' ';
            AppendSvgNumber(out_, frame.PixelY(ring[i]));
        }
        out_ += " Z";
    }
    out_ += "\" fill=\"" + FillValue(fill) + "\"/>\n";
}

void SvgCanvas::BeginGroup(const PictureStyle& style, const PictureRect* clip) {
    if (clip)
        out_ += "<clipPath id=\"frame\"><rect x=\"" + SvgNumber(clip->x) + "\" y=\"" +
                SvgNumber(clip->y) + "\" width=\"" + SvgNumber(clip->width) + "\" height=\"" +
                SvgNumber(clip->height) + "\"/></clipPath>\n";
    out_ += "<g" + Attribute("font-size", style.fontSize) + Attribute("fill", style.fill) +
            Attribute("text-anchor", style.textAnchor) + Stroke(style) +
            Attribute("stroke-linejoin", style.strokeLinejoin) +
            Attribute("fill-rule", style.fillRule) + (clip ? " clip-path=\"url(#frame)\"" : "") +
            ">\n";
}

void SvgCanvas::EndGroup() {
    out_ += "</g>\n";
}

void SvgCanvas::End() {
    out_ += "</svg>\n";
}

std::string SvgCanvas::FillValue(int fill) const {
    return fill < 0 ? "none" : SvgFillValue(fills_[fill].fill, fills_[fill].id);
}
