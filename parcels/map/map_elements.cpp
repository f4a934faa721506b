#include "parcels/map/map_elements.h"

#include <vector>

namespace mapxml {
namespace {
struct Child {
    Kind parent;
    std::string_view local;
    Kind kind;
};

constexpr Child kChildren[] = {
    {ROOT, u8"地図名", MAP_NAME},
    {ROOT, u8"市区町村名", MUNICIPALITY},
    {ROOT, u8"座標系", CRS},
    {ROOT, u8"図郭", SHEET},
    {ROOT, u8"空間属性", SPACE},
    {ROOT, u8"主題属性", THEME},
    {SHEET, u8"縮尺分母", SCALE},
    {SPACE, "GM_Point", POINT},
    {SPACE, "GM_Curve", CURVE},
    {SPACE, "GM_Surface", SURFACE},
    {POINT, "GM_Point.position", POINT_POSITION},
    {POINT_POSITION, "DirectPosition", DIRECT_POSITION},
    {DIRECT_POSITION, "X", X},
    {DIRECT_POSITION, "Y", Y},
    {CURVE, "GM_OrientablePrimitive.orientation", ORIENTATION},
    {CURVE, "GM_Curve.segment", SEGMENT},
    {SEGMENT, "GM_LineString", LINE_STRING},
    {LINE_STRING, "GM_LineString.controlPoint", CONTROL_POINT},
    {CONTROL_POINT, "GM_PointArray.column", COLUMN},
    {COLUMN, "GM_Position.direct", POSITION_DIRECT},
    {COLUMN, "GM_Position.indirect", POSITION_INDIRECT},
    {POSITION_DIRECT, "X", X},
    {POSITION_DIRECT, "Y", Y},
    {POSITION_INDIRECT, "GM_PointRef.point", POINT_REF},
    {SURFACE, "GM_Surface.patch", PATCH},
    {PATCH, "GM_Polygon", POLYGON},
    {POLYGON, "GM_Polygon.boundary", POLYGON_BOUNDARY},
    {POLYGON_BOUNDARY, "GM_SurfaceBoundary", SURFACE_BOUNDARY},
    {SURFACE_BOUNDARY, "GM_SurfaceBoundary.exterior", EXTERIOR},
    {SURFACE_BOUNDARY, "GM_SurfaceBoundary.interior", INTERIOR},
    {EXTERIOR, "GM_Ring", RING},
    {INTERIOR, "GM_Ring", RING},
    {RING, "GM_CompositeCurve.generator", GENERATOR},
    {THEME, u8"筆", PARCEL},
    {PARCEL, u8"大字コード", OAZA_CODE},
    {PARCEL, u8"丁目コード", CHOME_CODE},
    {PARCEL, u8"小字コード", KOAZA_CODE},
    {PARCEL, u8"大字名", OAZA_NAME},
    {PARCEL, u8"地番", CHIBAN},
    {PARCEL, u8"形状", SHAPE},
};

// The children of each parent: every element of the map asks.
struct ChildIndex {
    std::vector<const Child*> of[SHAPE + 1];
    ChildIndex() {
        for (const Child& child : kChildren)
            of[child.parent].push_back(&child);
    }
};
const ChildIndex kChildIndex;
} // namespace

Kind ChildKind(Kind parent, std::string_view local) {
    // Sizes and last bytes tell nearly all siblings apart before their texts
    // are compared; no child's name is empty.
    for (const Child* child : kChildIndex.of[parent])
        if (local.size() == child->local.size() && local.back() == child->local.back() &&
            local == child->local)
            return child->kind;
    return OTHER;
}

bool HoldsText(Kind kind) {
    switch (kind) {
    case MAP_NAME:
    case MUNICIPALITY:
    case CRS:
    case SCALE:
    case X:
    case Y:
    case ORIENTATION:
    case OAZA_CODE:
    case CHOME_CODE:
    case KOAZA_CODE:
    case OAZA_NAME:
    case CHIBAN:
        return true;
    default:
        return false;
    }
}

} // namespace mapxml
