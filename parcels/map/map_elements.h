// The elements of the registry's map XML that the map reader knows.
#pragma once

#include <string_view>

namespace mapxml {
// Where an element sits in the map's structure; any element outside the
// structure is OTHER, as is everything inside it.
enum Kind : unsigned char {
    OTHER,
    ROOT,
    MAP_NAME,
    MUNICIPALITY,
    CRS,
    SHEET,
    SCALE,
    SPACE,
    POINT,
    POINT_POSITION,
    DIRECT_POSITION,
    X,
    Y,
    CURVE,
    ORIENTATION,
    SEGMENT,
    LINE_STRING,
    CONTROL_POINT,
    COLUMN,
    POSITION_DIRECT,
    POSITION_INDIRECT,
    POINT_REF,
    SURFACE,
    PATCH,
    POLYGON,
    POLYGON_BOUNDARY,
    SURFACE_BOUNDARY,
    EXTERIOR,
    INTERIOR,
    RING,
    GENERATOR,
    THEME,
    PARCEL,
    OAZA_CODE,
    CHOME_CODE,
    KOAZA_CODE,
    OAZA_NAME,
    CHIBAN,
    SHAPE,
};

// Coordinates farther from a plane system's origin, in metres, are refused:
// no system reaches them.
constexpr double kMostCoordinate = 1e7;

// The kind of the element `local` inside one of kind `parent`: OTHER for an
// element the reader does not know there.
Kind ChildKind(Kind parent, std::string_view local);

bool HoldsText(Kind kind);
} // namespace mapxml
