// The picture as SVG text. Numbers have a fixed precision, so the same map
// always gives the same bytes.
#pragma once

#include "tools/pictures/picture_canvas.h"

#include <string>

class SvgCanvas : public PictureCanvas {
public:
    void Begin(double width, double height, const std::vector<PictureFill>& fills) override;
    void Text(double x, double y, const std::string& utf8, const PictureStyle& style) override;
    void Lines(const std::vector<PictureLine>& lines, const PictureStyle& stroke) override;
    void Rect(const PictureRect& rect, int fill, const PictureStyle& stroke) override;
    void Path(const std::vector<MapRing>& rings, const MapFrame& frame, int fill) override;
    void BeginGroup(const PictureStyle& style, const PictureRect* clip) override;
    void EndGroup() override;
    void End() override;

    const std::string& Svg() const { return out_; }

private:
    std::string FillValue(int fill) const;

    std::string out_;
    std::vector<PictureFill> fills_;
};
