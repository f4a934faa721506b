#include "tools/pictures/svg_map.h"
#include "tools/pictures/map_drawing.h"
#include "tools/pictures/svg_canvas.h"

std::string WriteMapSvg(const MapPicture& picture) {
    SvgCanvas canvas;
    DrawMap(picture, LayOutMap(picture), canvas);
    return canvas.Svg();
}
