// Reader of the registry's map XML. Geometry is GML-like: points, two-point
// curves that give their ends inline or by point reference, and surfaces
// whose rings list curves. Element prefixes vary between producers, so
// elements are matched by their local name.
#include "tools/input_error.h"
#include "tools/kk_map.h"
#include "tools/read_file.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {
const char* LocalName(const pugi::xml_node& node) {
    const char* name = node.name();
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool Is(const pugi::xml_node& node, const char* local) {
    return std::strcmp(LocalName(node), local) == 0;
}

pugi::xml_node Child(const pugi::xml_node& node, const char* local) {
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element && Is(child, local))
            return child;
    return pugi::xml_node();
}

class MapXmlReader {
public:
    MapXmlReader(const std::string& path, const std::string& text) : path_(path), text_(text) {
        for (size_t i = 0; i < text_.size(); ++i)
            if (text_[i] == '\n')
                lineStarts_.push_back(i + 1);
    }

    KkMap Read() {
        pugi::xml_document doc;
        pugi::xml_parse_result parsed = doc.load_buffer(text_.data(), text_.size());
        if (!parsed)
            throw InputError(path_, LineAt(parsed.offset),
                             std::string("malformed XML: ") + parsed.description());
        pugi::xml_node root = doc.document_element();
        if (!Is(root, u8"地図"))
            throw InputError(path_, Line(root), u8"the root element is not 地図");
        KkMap map;
        map.path = path_;
        map.name = Child(root, u8"地図名").child_value();
        map.municipality = Child(root, u8"市区町村名").child_value();
        map.crs = Child(root, u8"座標系").child_value();
        if (pugi::xml_node sheet = Child(root, u8"図郭"))
            if (pugi::xml_node scale = Child(sheet, u8"縮尺分母"))
                map.scale = static_cast<int>(Number(scale, 1, 1e7));
        pugi::xml_node space = Child(root, u8"空間属性");
        ReadPoints(space);
        ReadCurves(space);
        ReadSurfaces(space);
        for (pugi::xml_node theme : Child(root, u8"主題属性").children())
            if (theme.type() == pugi::node_element && Is(theme, u8"筆"))
                map.parcels.push_back(ReadParcel(theme));
        return map;
    }

private:
    int LineAt(std::ptrdiff_t offset) const {
        auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(),
                                   static_cast<size_t>(std::max<std::ptrdiff_t>(offset, 0)));
        return static_cast<int>(it - lineStarts_.begin()) + 1;
    }

    int Line(const pugi::xml_node& node) const { return LineAt(node.offset_debug()); }

    [[noreturn]] void Fail(const pugi::xml_node& node, const std::string& what) const {
        throw InputError(path_, Line(node), what);
    }

    double Number(const pugi::xml_node& node, double lowest, double highest) const {
        const char* text = node.child_value();
        char* end = nullptr;
        errno = 0;
        double value = std::strtod(text, &end);
        while (end && (*end == ' ' || *end == '\t' || *end == '\r' || *end == '\n'))
            ++end;
        if (end == text || *end != '\0' || errno == ERANGE || !(value >= lowest) ||
            !(value <= highest))
            Fail(node, std::string("bad number '") + text + "' in " + node.name());
        return value;
    }

    // Codes are fixed-width digit strings such as 015 or 0000.
    unsigned Code(const pugi::xml_node& parcel, const char* local) const {
        pugi::xml_node node = Child(parcel, local);
        if (!node)
            return 0;
        std::string text = node.child_value();
        if (text.empty() || text.size() > 4 ||
            text.find_first_not_of("0123456789") != std::string::npos)
            Fail(node, std::string("bad code '") + text + "' in " + node.name());
        return static_cast<unsigned>(std::stoul(text));
    }

    MapPoint Position(const pugi::xml_node& node) const {
        pugi::xml_node x = Child(node, "X");
        pugi::xml_node y = Child(node, "Y");
        if (!x || !y)
            Fail(node, std::string(node.name()) + " lacks X or Y");
        return MapPoint{Number(x, -1e7, 1e7), Number(y, -1e7, 1e7)};
    }

    std::string Id(const pugi::xml_node& node) const {
        std::string id = node.attribute("id").value();
        if (id.empty())
            Fail(node, std::string(node.name()) + " has no id");
        return id;
    }

    std::string IdRef(const pugi::xml_node& node) const {
        std::string ref = node.attribute("idref").value();
        if (ref.empty())
            Fail(node, std::string(node.name()) + " has no idref");
        return ref;
    }

    void ReadPoints(const pugi::xml_node& space) {
        for (pugi::xml_node node : space.children())
            if (Is(node, "GM_Point")) {
                pugi::xml_node direct = Child(Child(node, "GM_Point.position"), "DirectPosition");
                if (!direct)
                    Fail(node, "GM_Point has no position");
                points_[Id(node)] = Position(direct);
            }
    }

    void ReadCurves(const pugi::xml_node& space) {
        for (pugi::xml_node node : space.children()) {
            if (!Is(node, "GM_Curve"))
                continue;
            pugi::xml_node line = Child(Child(node, "GM_Curve.segment"), "GM_LineString");
            std::vector<MapPoint> curve;
            for (pugi::xml_node column : Child(line, "GM_LineString.controlPoint").children()) {
                if (!Is(column, "GM_PointArray.column"))
                    continue;
                if (pugi::xml_node direct = Child(column, "GM_Position.direct")) {
                    curve.push_back(Position(direct));
                    continue;
                }
                pugi::xml_node ref =
                    Child(Child(column, "GM_Position.indirect"), "GM_PointRef.point");
                if (!ref)
                    Fail(column, "curve point is neither direct nor a point reference");
                auto point = points_.find(IdRef(ref));
                if (point == points_.end())
                    Fail(ref, "unknown point " + IdRef(ref));
                curve.push_back(point->second);
            }
            if (curve.size() < 2)
                Fail(node, "GM_Curve has fewer than two points");
            if (std::string(Child(node, "GM_OrientablePrimitive.orientation").child_value()) == "-")
                std::reverse(curve.begin(), curve.end());
            curves_[Id(node)] = curve;
        }
    }

    static bool Same(const MapPoint& a, const MapPoint& b) { return a.x == b.x && a.y == b.y; }

    // Chains the ring's curves end to start, turning a curve round when it is
    // listed against the ring's direction.
    MapRing Ring(const pugi::xml_node& ring) const {
        std::vector<std::vector<MapPoint>> parts;
        for (pugi::xml_node generator : ring.children()) {
            if (!Is(generator, "GM_CompositeCurve.generator"))
                continue;
            auto curve = curves_.find(IdRef(generator));
            if (curve == curves_.end())
                Fail(generator, "unknown curve " + IdRef(generator));
            parts.push_back(curve->second);
        }
        if (parts.empty())
            Fail(ring, "GM_Ring lists no curve");
        if (parts.size() > 1 && !Same(parts[0].back(), parts[1].front()) &&
            !Same(parts[0].back(), parts[1].back()))
            std::reverse(parts[0].begin(), parts[0].end());
        MapRing points = parts[0];
        for (size_t i = 1; i < parts.size(); ++i) {
            std::vector<MapPoint>& part = parts[i];
            if (!Same(points.back(), part.front()))
                std::reverse(part.begin(), part.end());
            if (!Same(points.back(), part.front()))
                Fail(ring, "the ring's curves do not join");
            points.insert(points.end(), part.begin() + 1, part.end());
        }
        if (!Same(points.front(), points.back()))
            Fail(ring, "the ring does not close");
        if (points.size() < 4)
            Fail(ring, "the ring has fewer than three corners");
        return points;
    }

    void ReadSurfaces(const pugi::xml_node& space) {
        for (pugi::xml_node node : space.children()) {
            if (!Is(node, "GM_Surface"))
                continue;
            pugi::xml_node boundary = Child(
                Child(Child(Child(node, "GM_Surface.patch"), "GM_Polygon"), "GM_Polygon.boundary"),
                "GM_SurfaceBoundary");
            std::vector<MapRing> rings;
            pugi::xml_node exterior =
                Child(Child(boundary, "GM_SurfaceBoundary.exterior"), "GM_Ring");
            if (!exterior)
                Fail(node, "GM_Surface has no exterior ring");
            rings.push_back(Ring(exterior));
            for (pugi::xml_node interior : boundary.children())
                if (Is(interior, "GM_SurfaceBoundary.interior"))
                    rings.push_back(Ring(Child(interior, "GM_Ring")));
            surfaces_[Id(node)] = rings;
        }
    }

    MapParcel ReadParcel(const pugi::xml_node& node) const {
        MapParcel parcel;
        parcel.id = node.attribute("id").value();
        parcel.line = Line(node);
        parcel.oaza = Code(node, u8"大字コード");
        parcel.chome = Code(node, u8"丁目コード");
        parcel.koaza = Code(node, u8"小字コード");
        parcel.oazaName = Child(node, u8"大字名").child_value();
        parcel.chiban = Child(node, u8"地番").child_value();
        if (parcel.chiban.empty())
            Fail(node, u8"筆 has no 地番");
        pugi::xml_node shape = Child(node, u8"形状");
        if (!shape)
            Fail(node, u8"筆 " + parcel.chiban + u8" has no 形状");
        auto surface = surfaces_.find(IdRef(shape));
        if (surface == surfaces_.end())
            Fail(shape, "unknown surface " + IdRef(shape));
        parcel.rings = surface->second;
        return parcel;
    }

    std::string path_;
    const std::string& text_;
    std::vector<size_t> lineStarts_;
    std::map<std::string, MapPoint> points_;
    std::map<std::string, std::vector<MapPoint>> curves_;
    std::map<std::string, std::vector<MapRing>> surfaces_;
};
} // namespace

KkMap ReadMapXml(const std::string& path) {
    std::string text = ReadWholeFile(path);
    return MapXmlReader(path, text).Read();
}
