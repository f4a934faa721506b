#include "tools/pictures/svg_text.h"
#include "parcels/fill/brush_fill.h"
#include "tools/pictures/picture_canvas.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string SvgEscape(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string SvgColor(COLORREF color) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF),
                  static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}

// What "%.2f" writes, without printf's cost: a large map writes two numbers
// a vertex. Whole hundredths are written as digits while a long long holds
// them exactly.
void AppendSvgNumber(std::string& out, double value) {
    double hundredths = std::round(value * 100.0);
    char text[64];
    if (!(std::fabs(hundredths) < 1e15)) {
        double shown = hundredths / 100.0;
        out.append(text,
                   std::to_chars(text, text + sizeof text, shown, std::chars_format::fixed, 2).ptr);
        return;
    }
    long long whole = static_cast<long long>(hundredths);
    if (whole < 0) {
        out += '-';
        whole = -whole;
    }
    out.append(text, std::to_chars(text, text + sizeof text, whole / 100).ptr);
    out += '.';
    out += static_cast<char>('0' + whole % 100 / 10);
    out += static_cast<char>('0' + whole % 10);
}

std::string SvgNumber(double value) {
    std::string text;
    AppendSvgNumber(text, value);
    return text;
}

std::string SvgFillValue(const MapFill& fill, const std::string& patternId) {
    switch (fill.kind) {
    case MapFill::PAINT:
        return SvgColor(fill.color);
    case MapFill::HATCH:
        return HatchAngles(fill.hatchType).empty() ? "none" : "url(#" + patternId + ")";
    default:
        return "none";
    }
}

std::string SvgHatchPattern(const MapFill& fill, const std::string& id, double spacingPx) {
    std::vector<int> angles = HatchAngles(fill.hatchType);
    if (fill.kind != MapFill::HATCH || angles.empty())
        return std::string();
    double s = DrawnHatchSpacing(spacingPx);
    std::string size = SvgNumber(s);
    std::string half = SvgNumber(s / 2.0);
    std::string stroke = "\" stroke=\"" + SvgColor(fill.color) + "\" stroke-width=\"1\"/>";
    std::string out = "<pattern id=\"" + id + "\" patternUnits=\"userSpaceOnUse\" width=\"" + size +
                      "\" height=\"" + size + "\" patternTransform=\"rotate(" +
                      std::to_string(angles[0]) + ")\">";
    out += "<line x1=\"0\" y1=\"" + half + "\" x2=\"" + size + "\" y2=\"" + half + stroke;
    if (angles.size() > 1)
        out += "<line x1=\"" + half + "\" y1=\"0\" x2=\"" + half + "\" y2=\"" + size + stroke;
    return out + "</pattern>\n";
}
