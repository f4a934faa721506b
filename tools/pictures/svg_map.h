// The painted map as an SVG picture: header, map, legend and attribution.
#pragma once

#include "tools/pictures/map_picture.h"

#include <string>

std::string WriteMapSvg(const MapPicture& picture);
