#include "tools/pictures/svg_map.h"
#include "parcels/fill/brush_fill.h"
#include "parcels/map/kk_geometry.h"
#include "tools/pictures/map_legend.h"
#include "tools/pictures/svg_text.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMargin = 24.0;
constexpr double kHeaderHeight = 72.0;
constexpr double kGap = 40.0;
constexpr double kFooterHeight = 56.0;

// Ground metres to picture pixels: north up, east to the right.
struct MapFrame {
    MapBounds bounds;
    double pixelsPerMetre;
    double left, top;

    double PixelX(const MapPoint& p) const { return left + (p.y - bounds.minY) * pixelsPerMetre; }
    double PixelY(const MapPoint& p) const { return top + (bounds.maxX - p.x) * pixelsPerMetre; }
};

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

std::string PathData(const MapFrame& frame, const MapParcel& parcel) {
    std::string d;
    for (const MapRing& ring : parcel.rings) {
        for (size_t i = 0; i + 1 < ring.size(); ++i)
            d += (i == 0 ? "M" : " L") + SvgNumber(frame.PixelX(ring[i])) + " " +
                 SvgNumber(frame.PixelY(ring[i]));
        d += " Z ";
    }
    d.pop_back();
    return d;
}

// A scale bar of a round length near 150 pixels.
std::string ScaleBar(double x, double y, double pixelsPerMetre) {
    double metres = 1.0;
    for (double step :
         {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0})
        if (step * pixelsPerMetre <= 200.0)
            metres = step;
    double width = metres * pixelsPerMetre;
    std::string out = "<g stroke=\"#222\" stroke-width=\"1.5\">";
    out += "<line x1=\"" + SvgNumber(x) + "\" y1=\"" + SvgNumber(y) + "\" x2=\"" +
           SvgNumber(x + width) + "\" y2=\"" + SvgNumber(y) + "\"/>";
    for (double end : {x, x + width})
        out += "<line x1=\"" + SvgNumber(end) + "\" y1=\"" + SvgNumber(y - 5.0) + "\" x2=\"" +
               SvgNumber(end) + "\" y2=\"" + SvgNumber(y + 1.0) + "\"/>";
    out += "</g>\n<text x=\"" + SvgNumber(x + width + 8.0) + "\" y=\"" + SvgNumber(y + 4.0) +
           "\" font-size=\"12\">" + std::to_string(static_cast<int>(metres)) + " m</text>\n";
    return out;
}
} // namespace

std::string WriteMapSvg(const MapPicture& picture) {
    MapFrame frame{picture.framed ? picture.frame : Bounds(picture.parcels), 1.0, kMargin,
                   kMargin + kHeaderHeight};
    double groundWidth = frame.bounds.maxY - frame.bounds.minY;
    double groundHeight = frame.bounds.maxX - frame.bounds.minX;
    double longer = std::max(groundWidth, groundHeight);
    frame.pixelsPerMetre = longer > 0.0 ? picture.mapSize / longer : 1.0;
    double mapWidth = groundWidth * frame.pixelsPerMetre;
    double mapHeight = groundHeight * frame.pixelsPerMetre;
    double legendLeft = kMargin + mapWidth + kGap;
    double bodyHeight = std::max(mapHeight, LegendHeight(picture));
    double width = legendLeft + kLegendWidth + kMargin;
    double height = kMargin + kHeaderHeight + bodyHeight + kFooterHeight;

    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + SvgNumber(width) +
           "\" height=\"" + SvgNumber(height) + "\" viewBox=\"0 0 " + SvgNumber(width) + " " +
           SvgNumber(height) + "\" font-family=\"IPAGothic, IPAPGothic, sans-serif\">\n";
    out += "<defs>\n";
    double spacingPerMm = HatchSpacingOnGround(1.0, picture.scale) * frame.pixelsPerMetre;
    for (size_t i = 0; i < picture.fills.size(); ++i) {
        out += SvgHatchPattern(picture.fills[i], "h" + std::to_string(i),
                               picture.fills[i].spacingMm * spacingPerMm);
        out += SvgHatchPattern(picture.fills[i], kLegendPatternPrefix + std::to_string(i),
                               LegendSpacing(picture.fills[i].spacingMm));
    }
    out += "</defs>\n";
    out += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    out += "<text x=\"" + SvgNumber(kMargin) + "\" y=\"" + SvgNumber(kMargin + 22.0) +
           "\" font-size=\"22\" font-weight=\"bold\">" + SvgEscape(picture.title) + "</text>\n";
    for (size_t i = 0; i < picture.notes.size(); ++i)
        out += "<text x=\"" + SvgNumber(kMargin) + "\" y=\"" +
               SvgNumber(kMargin + 44.0 + 16.0 * static_cast<double>(i)) +
               "\" font-size=\"13\" fill=\"#333\">" + SvgEscape(picture.notes[i]) + "</text>\n";

    // A frame cuts the parcels that cross its edge.
    std::string clip;
    if (picture.framed) {
        out += "<clipPath id=\"frame\"><rect x=\"" + SvgNumber(kMargin) + "\" y=\"" +
               SvgNumber(kMargin + kHeaderHeight) + "\" width=\"" + SvgNumber(mapWidth) +
               "\" height=\"" + SvgNumber(mapHeight) + "\"/></clipPath>\n";
        clip = " clip-path=\"url(#frame)\"";
    }
    out += "<g stroke=\"#333\" stroke-width=\"0.6\" stroke-linejoin=\"round\" "
           "fill-rule=\"evenodd\"" +
           clip + ">\n";
    for (size_t i = 0; i < picture.parcels.size(); ++i) {
        int fill = picture.fillOfParcel[i];
        std::string value =
            fill < 0 ? "none" : SvgFillValue(picture.fills[fill], "h" + std::to_string(fill));
        out +=
            "<path d=\"" + PathData(frame, *picture.parcels[i]) + "\" fill=\"" + value + "\"/>\n";
    }
    out += "</g>\n";
    if (picture.labels) {
        double labelSize = LabelSize(frame);
        out +=
            "<g font-size=\"" + SvgNumber(labelSize) + "\" fill=\"#111\" text-anchor=\"middle\">\n";
        for (const MapParcel* parcel : picture.parcels) {
            if (!LabelFits(frame, *parcel))
                continue;
            MapPoint at = LabelPoint(*parcel);
            if (picture.framed && !Inside(picture.frame, at))
                continue;
            out += "<text x=\"" + SvgNumber(frame.PixelX(at)) + "\" y=\"" +
                   SvgNumber(frame.PixelY(at) + labelSize * 0.35) + "\">" +
                   SvgEscape(parcel->chiban) + "</text>\n";
        }
        out += "</g>\n";
    }
    double footerTop = kMargin + kHeaderHeight + bodyHeight;
    out += ScaleBar(kMargin, footerTop + 18.0, frame.pixelsPerMetre);
    out += DrawLegend(picture, legendLeft, kMargin + kHeaderHeight);
    if (!picture.attribution.empty())
        out += "<text x=\"" + SvgNumber(kMargin) + "\" y=\"" + SvgNumber(footerTop + 44.0) +
               "\" font-size=\"13\">" + SvgEscape(picture.attribution) + "</text>\n";
    return out + "</svg>\n";
}
