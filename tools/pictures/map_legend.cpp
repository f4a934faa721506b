#include "tools/pictures/map_legend.h"

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

void Text(PictureCanvas& canvas, double x, double y, const std::string& anchor,
          const std::string& utf8, const char* weight = "normal") {
    PictureStyle style;
    style.textAnchor = anchor;
    style.fontWeight = weight;
    canvas.Text(x, y, utf8, style);
}
} // namespace

double LegendHeight(const MapPicture& picture) {
    return kHeadHeight + kRowHeight * static_cast<double>(picture.legend.size());
}

void DrawLegend(const MapPicture& picture, double x, double y, PictureCanvas& canvas) {
    PictureStyle group;
    group.fontSize = "13";
    canvas.BeginGroup(group, nullptr);
    double countRight = x + 400.0;
    double areaRight = x + kLegendWidth;
    Text(canvas, x, y + 16.0, "start", u8"ブラシ", "bold");
    Text(canvas, countRight, y + 16.0, "end", u8"筆数", "bold");
    Text(canvas, areaRight, y + 16.0, "end", u8"座標面積(㎡)", "bold");
    PictureStyle rule;
    rule.stroke = "#444";
    rule.strokeWidth = "1";
    canvas.Lines({{x, y + 22.0, areaRight, y + 22.0}}, rule);
    PictureStyle swatch;
    swatch.stroke = "#333";
    swatch.strokeWidth = "0.8";
    double top = y + kHeadHeight;
    for (size_t i = 0; i < picture.legend.size(); ++i) {
        const MapLegendRow& row = picture.legend[i];
        double rowTop = top + kRowHeight * static_cast<double>(i);
        int fill = i < picture.fills.size() ? static_cast<int>(2 * i + 1) : -1;
        canvas.Rect({x, rowTop + 3.0, 40.0, 16.0}, fill, swatch);
        Text(canvas, x + 50.0, rowTop + 16.0, "start", row.name);
        Text(canvas, countRight, rowTop + 16.0, "end", std::to_string(row.count));
        Text(canvas, areaRight, rowTop + 16.0, "end", Area(row.area));
    }
    canvas.EndGroup();
}
