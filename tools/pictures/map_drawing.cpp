#include "tools/pictures/map_drawing.h"
#include "parcels/fill/brush_fill.h"
#include "parcels/map/kk_geometry.h"
#include "tools/pictures/map_legend.h"
#include "tools/pictures/svg_text.h"

#include <algorithm>
#include <cmath>

const char* const kPictureFonts = "IPAGothic, IPAPGothic, sans-serif";

double DrawnHatchSpacing(double spacingPx) {
    return std::isfinite(spacingPx) ? std::clamp(spacingPx, 1.0, 100000.0) : 1.0;
}

namespace {
constexpr double kMargin = 24.0;
constexpr double kHeaderHeight = 72.0;
constexpr double kGap = 40.0;
constexpr double kFooterHeight = 56.0;

// Labels grow with the map's scale, within what stays legible and unobtrusive.
double LabelSize(const MapFrame& frame) {
    return std::clamp(frame.pixelsPerMetre * 1.5, 7.0, 12.0);
}

// A label is written only where it fits inside the parcel's extent; digits
// take about half the font size, other characters the full size.
bool LabelFits(const MapFrame& frame, const MapParcel& parcel) {
    double labelSize = LabelSize(frame);
    MapBounds box = Bounds({&parcel});
    double width = 0.0;
    for (unsigned char c : parcel.chiban)
        if ((c & 0xC0) != 0x80)
            width += c < 0x80 ? labelSize * 0.55 : labelSize;
    return (box.maxY - box.minY) * frame.pixelsPerMetre >= width + 2.0 &&
           (box.maxX - box.minX) * frame.pixelsPerMetre >= labelSize + 2.0;
}

bool Inside(const MapBounds& bounds, const MapPoint& p) {
    return p.x >= bounds.minX && p.x <= bounds.maxX && p.y >= bounds.minY && p.y <= bounds.maxY;
}

// Each brush's fill on the map, then in its legend swatch.
std::vector<PictureFill> Fills(const MapPicture& picture, const MapFrame& frame) {
    std::vector<PictureFill> fills;
    double spacingPerMm = HatchSpacingOnGround(1.0, picture.scale) * frame.pixelsPerMetre;
    for (size_t i = 0; i < picture.fills.size(); ++i) {
        const MapFill& fill = picture.fills[i];
        fills.push_back(PictureFill{fill, "h" + std::to_string(i), fill.spacingMm * spacingPerMm});
        fills.push_back(PictureFill{fill, kLegendPatternPrefix + std::to_string(i),
                                    LegendSpacing(fill.spacingMm)});
    }
    return fills;
}

// A scale bar of a round length near 150 pixels.
void DrawScaleBar(double x, double y, double pixelsPerMetre, PictureCanvas& canvas) {
    double metres = 1.0;
    for (double step :
         {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0})
        if (step * pixelsPerMetre <= 200.0)
            metres = step;
    double width = metres * pixelsPerMetre;
    PictureStyle stroke;
    stroke.stroke = "#222";
    stroke.strokeWidth = "1.5";
    canvas.Lines(
        {{x, y, x + width, y}, {x, y - 5.0, x, y + 1.0}, {x + width, y - 5.0, x + width, y + 1.0}},
        stroke);
    PictureStyle text;
    text.fontSize = "12";
    canvas.Text(x + width + 8.0, y + 4.0, std::to_string(static_cast<int>(metres)) + " m", text);
}
} // namespace

MapLayout LayOutMap(const MapPicture& picture) {
    MapLayout layout;
    MapFrame& frame = layout.frame;
    frame = MapFrame{picture.framed ? picture.frame : Bounds(picture.parcels), 1.0, kMargin,
                     kMargin + kHeaderHeight};
    double groundWidth = frame.bounds.maxY - frame.bounds.minY;
    double groundHeight = frame.bounds.maxX - frame.bounds.minX;
    double longer = std::max(groundWidth, groundHeight);
    frame.pixelsPerMetre = longer > 0.0 ? picture.mapSize / longer : 1.0;
    layout.mapWidth = groundWidth * frame.pixelsPerMetre;
    layout.mapHeight = groundHeight * frame.pixelsPerMetre;
    layout.width = kMargin + layout.mapWidth + kGap + kLegendWidth + kMargin;
    layout.footerTop = kMargin + kHeaderHeight + std::max(layout.mapHeight, LegendHeight(picture));
    layout.height = layout.footerTop + kFooterHeight;
    return layout;
}

void DrawMap(const MapPicture& picture, const MapLayout& layout, PictureCanvas& canvas) {
    const MapFrame& frame = layout.frame;
    canvas.Begin(layout.width, layout.height, Fills(picture, frame));
    PictureStyle title;
    title.fontSize = "22";
    title.fontWeight = "bold";
    canvas.Text(kMargin, kMargin + 22.0, picture.title, title);
    PictureStyle note;
    note.fontSize = "13";
    note.fill = "#333";
    for (size_t i = 0; i < picture.notes.size(); ++i)
        canvas.Text(kMargin, kMargin + 44.0 + 16.0 * static_cast<double>(i), picture.notes[i],
                    note);

    // A frame cuts the parcels that cross its edge.
    PictureRect clip{kMargin, kMargin + kHeaderHeight, layout.mapWidth, layout.mapHeight};
    PictureStyle parcels;
    parcels.stroke = "#333";
    parcels.strokeWidth = "0.6";
    parcels.strokeLinejoin = "round";
    parcels.fillRule = "evenodd";
    canvas.BeginGroup(parcels, picture.framed ? &clip : nullptr);
    for (size_t i = 0; i < picture.parcels.size(); ++i)
        canvas.Path(picture.parcels[i]->rings, frame,
                    picture.fillOfParcel[i] < 0 ? -1 : 2 * picture.fillOfParcel[i]);
    canvas.EndGroup();
    if (picture.labels) {
        double labelSize = LabelSize(frame);
        PictureStyle labels;
        labels.fontSize = SvgNumber(labelSize);
        labels.fill = "#111";
        labels.textAnchor = "middle";
        canvas.BeginGroup(labels, nullptr);
        for (const MapParcel* parcel : picture.parcels) {
            if (!LabelFits(frame, *parcel))
                continue;
            MapPoint at = LabelPoint(*parcel);
            if (picture.framed && !Inside(picture.frame, at))
                continue;
            canvas.Text(frame.PixelX(at), frame.PixelY(at) + labelSize * 0.35, parcel->chiban,
                        PictureStyle());
        }
        canvas.EndGroup();
    }
    double footerTop = layout.footerTop;
    DrawScaleBar(kMargin, footerTop + 18.0, frame.pixelsPerMetre, canvas);
    DrawLegend(picture, kMargin + layout.mapWidth + kGap, kMargin + kHeaderHeight, canvas);
    PictureStyle attribution;
    attribution.fontSize = "13";
    if (!picture.attribution.empty())
        canvas.Text(kMargin, footerTop + 44.0, picture.attribution, attribution);
    canvas.End();
}
