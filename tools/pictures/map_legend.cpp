#include "tools/pictures/map_legend.h"
#include "tools/pictures/svg_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const char* const kLegendPatternPrefix = "lh";

double LegendSpacing(double spaceMm) {
    return std::isfinite(spaceMm) ? std::clamp(spaceMm * 1.2, 3.0, 10.0) : 3.0;
}

namespace {
constexpr double kRowHeight = 24.0;
constexpr double kHeadHeight = 28.0;

// Areas with thousands separators: 12,345.67
std::string Area(double area) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.2f", area);
    std::string text = digits;
    size_t point = text.find('.');
    size_t first = text[0] == '-' ? 1 : 0;
    for (size_t i = point; i > first + 3; i -= 3)
        text.insert(i - 3, ",");
    return text;
}

std::string Text(double x, double y, const std::string& anchor, const std::string& utf8,
                 const char* weight = "normal") {
    return "<text x=\"" + SvgNumber(x) + "\" y=\"" + SvgNumber(y) + "\" text-anchor=\"" + anchor +
           "\" font-weight=\"" + weight + "\">" + SvgEscape(utf8) + "</text>\n";
}
} // namespace

double LegendHeight(const MapPicture& picture) {
    return kHeadHeight + kRowHeight * static_cast<double>(picture.legend.size());
}

std::string DrawLegend(const MapPicture& picture, double x, double y) {
    std::string out = "<g font-size=\"13\">\n";
    double countRight = x + 400.0;
    double areaRight = x + kLegendWidth;
    out += Text(x, y + 16.0, "start", u8"ブラシ", "bold");
    out += Text(countRight, y + 16.0, "end", u8"筆数", "bold");
    out += Text(areaRight, y + 16.0, "end", u8"座標面積(㎡)", "bold");
    out += "<line x1=\"" + SvgNumber(x) + "\" y1=\"" + SvgNumber(y + 22.0) + "\" x2=\"" +
           SvgNumber(areaRight) + "\" y2=\"" + SvgNumber(y + 22.0) +
           "\" stroke=\"#444\" stroke-width=\"1\"/>\n";
    double top = y + kHeadHeight;
    for (size_t i = 0; i < picture.legend.size(); ++i) {
        const MapLegendRow& row = picture.legend[i];
        double rowTop = top + kRowHeight * static_cast<double>(i);
        out += "<rect x=\"" + SvgNumber(x) + "\" y=\"" + SvgNumber(rowTop + 3.0) +
               "\" width=\"40\" height=\"16\" fill=\"" +
               SvgFillValue(row.fill, kLegendPatternPrefix + std::to_string(i)) +
               "\" stroke=\"#333\" stroke-width=\"0.8\"/>\n";
        out += Text(x + 50.0, rowTop + 16.0, "start", row.name);
        out += Text(countRight, rowTop + 16.0, "end", std::to_string(row.count));
        out += Text(areaRight, rowTop + 16.0, "end", Area(row.area));
    }
    return out + "</g>\n";
}
