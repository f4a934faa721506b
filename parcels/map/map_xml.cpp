// Reader of the registry's map XML. Geometry is GML-like: points, curves that
// give their ends inline or by point reference, and surfaces whose rings list
// curves; parcels (筆) name their surface. Element prefixes vary between
// producers, so elements are matched by their local name.
//
// Geometry is gathered into compact tables while the 空間属性 element is read
// and joined into rings when it closes; from then on each 筆 is handed out as
// soon as it has been read. References may point forwards within 空間属性,
// and 筆 that come before it wait until it has closed. Given an area to keep,
// the reader joins only the surfaces that reach into it.
#include "parcels/map/map_xml.h"
#include "parcels/map/map_elements.h"
#include "parcels/map/map_ids.h"
#include "parcels/map/plain_geometry.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_cut.h"
#include "parcels/map/xml_pull.h"

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <fstream>

using namespace mapxml;

namespace {
// The bytes looked at for a point or curve in the plain form: more than
// nearly every curve of a registry map, and far less than the buffer held.
constexpr size_t kPlainReach = 64u << 10;

// A curve vertex is the slot of the point it refers to, or with this bit the
// index of a position given inline.
constexpr std::uint32_t kInline = 0x80000000u;

// Tables of entries hold one for every id mentioned; an entry whose element
// has not been read has no count, as a curve has two points or more and a
// surface a ring at least.
struct CurveEntry {
    std::uint32_t first = 0, count = 0; // in the vertex table
    bool Defined() const { return count != 0; }
};

// A curve that named a point not yet read, to be checked once all are: few
// maps refer forwards, so only these curves keep their lines.
struct ForwardCurve {
    std::uint32_t slot, first;
    int line;
};

struct RingEntry {
    std::uint32_t first = 0, count = 0; // in the generator table
    int line = 0;
};

struct SurfaceEntry {
    std::uint32_t first = 0, count = 0; // in the ring table, the exterior first
    int line = 0;
    bool Defined() const { return count != 0; }
};

// A curve of a ring being joined.
struct CurvePart {
    std::uint32_t first, end; // in the vertex table
};

// The rings of a surface once joined; none when it was not.
struct ShapeEntry {
    std::uint32_t first = 0, count = 0; // in the ring ends
};

// A 筆 read but not yet handed out, with the surface it names.
struct ParcelEntry {
    MapParcel parcel;
    std::string shape;
    int shapeLine = 0;
};

bool Same(const MapPoint& a, const MapPoint& b) {
    return a.x == b.x && a.y == b.y;
}

template <typename T> void Release(std::vector<T>& table) {
    std::vector<T>().swap(table);
}
} // namespace

class MapXmlReader::Impl {
public:
    Impl(std::istream& in, const std::string& path, const MapBounds* keep) : pull_(in, path) {
        header_.path = path;
        if (keep) {
            keep_ = *keep;
            keeping_ = true;
        }
    }

    bool Next(MapParcel& parcel) {
        for (;;) {
            if (joined_ && !ready_.empty()) {
                Hand(ready_.front(), parcel);
                ready_.pop_front();
                return true;
            }
            if (done_)
                return false;
            Step();
        }
    }

    const KkMap& Header() const { return header_; }

private:
    [[noreturn]] void FailAt(int line, const std::string& what) const {
        throw InputError(header_.path, line, what);
    }

    void Step() {
        if (!stack_.empty() && (stack_.back() == SPACE || stack_.back() == THEME) &&
            ReadPlainElement())
            return;
        switch (pull_.Next(HoldsText(stack_.empty() ? OTHER : stack_.back()))) {
        case XmlPull::START:
            Start();
            break;
        case XmlPull::END:
            End(stack_.back());
            stack_.pop_back();
            break;
        case XmlPull::TEXT:
            if (HoldsText(stack_.back()))
                text_.append(pull_.Text());
            break;
        case XmlPull::DONE:
            if (!joined_)
                Join();
            done_ = true;
            break;
        }
    }

    Kind KindOf(Kind parent, std::string_view local) {
        if (parent == OTHER)
            return OTHER;
        Kind kind = ChildKind(parent, local);
        // Only the first of these counts, as the map has one of each.
        if (kind == SHEET || kind == SPACE || kind == THEME || kind == SCALE) {
            if (seen_[kind])
                return OTHER;
            seen_[kind] = true;
        }
        return kind;
    }

    std::string_view Id() {
        std::string_view id;
        if (!pull_.Attribute("id", id) || id.empty())
            pull_.Fail(std::string(pull_.Name()) + " has no id");
        return id;
    }

    std::string_view IdRef() {
        std::string_view ref;
        if (!pull_.Attribute("idref", ref) || ref.empty())
            pull_.Fail(std::string(pull_.Name()) + " has no idref");
        return ref;
    }

    void Start() {
        Kind kind;
        if (stack_.empty()) {
            if (pull_.LocalName() != u8"地図")
                pull_.Fail(u8"the root element is not 地図");
            kind = ROOT;
        } else {
            kind = KindOf(stack_.back(), pull_.LocalName());
        }
        stack_.push_back(kind);
        text_.clear();
        switch (kind) {
        case POINT:
            point_ = points_.Slot(Id());
            pointPlaced_ = false;
            break;
        case DIRECT_POSITION:
        case POSITION_DIRECT:
            hasX_ = hasY_ = false;
            break;
        case CURVE:
            curve_ = curves_.Slot(Id());
            curveFirst_ = static_cast<std::uint32_t>(vertices_.size());
            reversed_ = false;
            break;
        case COLUMN:
            columnDirect_ = columnRef_ = false;
            break;
        case POINT_REF:
            columnRefPoint_ = points_.Slot(IdRef());
            columnRef_ = true;
            break;
        case SURFACE:
            surface_ = surfaces_.Slot(Id());
            surfaceRings_.clear();
            hasExterior_ = false;
            break;
        case RING:
            if (stack_[stack_.size() - 2] == EXTERIOR && hasExterior_)
                stack_.back() = OTHER;
            ring_ = RingEntry{static_cast<std::uint32_t>(generators_.size()), 0, pull_.Line()};
            break;
        case GENERATOR:
            generators_.push_back(curves_.Slot(IdRef()));
            break;
        case PARCEL: {
            parcel_ = ParcelEntry();
            std::string_view id;
            if (pull_.Attribute("id", id))
                parcel_.parcel.id.assign(id.data(), id.size());
            parcel_.parcel.line = pull_.Line();
            break;
        }
        case SHAPE: {
            std::string_view ref = IdRef();
            parcel_.shape.assign(ref.data(), ref.size());
            parcel_.shapeLine = pull_.Line();
            break;
        }
        case OTHER:
            SkipPlain();
            break;
        default:
            break;
        }
    }

    // The content of an element the map does not use, passed over at once
    // when it is plain: a map's theme holds many more than its parcels.
    void SkipPlain() {
        size_t length = 0;
        if (mapxml::SkipPlainContent(pull_.Ahead(kPlainReach), pull_.Name(), plainForms_, length))
            pull_.Pass(length);
    }

    // A curve, a point or an element the map does not use, read whole when
    // it is plain: these are nearly all of a map's bytes.
    bool ReadPlainElement() {
        PlainElement& element = plainElement_;
        if (!mapxml::ReadPlainElement(pull_.Ahead(kPlainReach), stack_.back(), plainForms_,
                                      element))
            return false;
        if (element.kind == POINT) {
            point_ = points_.Slot(element.id);
            pointAt_ = element.at;
            pointPlaced_ = true;
            EndPoint();
        } else if (element.kind == CURVE) {
            size_t direct = 0;
            for (const PlainColumn& column : element.curve.columns)
                direct += column.ref.empty();
            if (inlineXY_.size() + direct > kInline)
                return false; // read event by event, to fail at the column
            curve_ = curves_.Slot(element.id);
            curveFirst_ = static_cast<std::uint32_t>(vertices_.size());
            for (const PlainColumn& column : element.curve.columns) {
                if (column.ref.empty())
                    AddInline(column.at);
                else
                    vertices_.push_back(points_.Slot(column.ref));
            }
            reversed_ = element.curve.reversed;
            EndCurve([&] { return pull_.LineAhead(element.start); });
        }
        pull_.Pass(element.length);
        return true;
    }

    // Plain decimals, as nearly every map writes them, are read straight;
    // anything else goes the way of strtod, spaces and all.
    double Number(double lowest, double highest) {
        double value = 0.0;
        const char* first = text_.data();
        const char* last = first + text_.size();
        auto read = std::from_chars(first, last, value);
        if (read.ec == std::errc() && read.ptr == last && value >= lowest && value <= highest)
            return value;
        const char* text = text_.c_str();
        char* end = nullptr;
        errno = 0;
        value = std::strtod(text, &end);
        while (end && (*end == ' ' || *end == '\t' || *end == '\r' || *end == '\n'))
            ++end;
        if (end == text || *end != '\0' || errno == ERANGE || !(value >= lowest) ||
            !(value <= highest))
            FailAt(pull_.StartLine(),
                   "bad number " + QuoteValue(text_) + " in " + std::string(pull_.Name()));
        return value;
    }

    // Codes are fixed-width digit strings such as 015 or 0000.
    unsigned Code() {
        if (text_.empty() || text_.size() > 4 ||
            text_.find_first_not_of("0123456789") != std::string::npos)
            FailAt(pull_.StartLine(),
                   "bad code " + QuoteValue(text_) + " in " + std::string(pull_.Name()));
        return static_cast<unsigned>(std::stoul(text_));
    }

    void End(Kind kind) {
        switch (kind) {
        case MAP_NAME:
            header_.name = text_;
            break;
        case MUNICIPALITY:
            header_.municipality = text_;
            break;
        case CRS:
            header_.crs = text_;
            break;
        case SCALE:
            header_.scale = static_cast<int>(Number(1, 1e7));
            break;
        case X:
            position_.x = Number(-kMostCoordinate, kMostCoordinate);
            hasX_ = true;
            break;
        case Y:
            position_.y = Number(-kMostCoordinate, kMostCoordinate);
            hasY_ = true;
            break;
        case DIRECT_POSITION:
        case POSITION_DIRECT:
            EndPosition(kind);
            break;
        case POINT:
            EndPoint();
            break;
        case ORIENTATION:
            reversed_ = text_ == "-";
            break;
        case COLUMN:
            EndColumn();
            break;
        case CURVE:
            EndCurve([this] { return pull_.StartLine(); });
            break;
        case RING:
            EndRing();
            break;
        case SURFACE:
            EndSurface();
            break;
        case SPACE:
            Join();
            break;
        case OAZA_CODE:
            parcel_.parcel.oaza = Code();
            break;
        case CHOME_CODE:
            parcel_.parcel.chome = Code();
            break;
        case KOAZA_CODE:
            parcel_.parcel.koaza = Code();
            break;
        case OAZA_NAME:
            parcel_.parcel.oazaName = text_;
            break;
        case CHIBAN:
            parcel_.parcel.chiban = text_;
            break;
        case PARCEL:
            EndParcel();
            break;
        default:
            break;
        }
    }

    // A point's position, or a curve's point given by its coordinates.
    void EndPosition(Kind kind) {
        if (!hasX_ || !hasY_)
            FailAt(pull_.StartLine(), std::string(pull_.Name()) + " lacks X or Y");
        if (kind == DIRECT_POSITION) {
            pointAt_ = position_;
            pointPlaced_ = true;
        } else if (!columnDirect_) {
            columnAt_ = position_;
            columnDirect_ = true;
        }
    }

    void EndPoint() {
        if (!pointPlaced_)
            FailAt(pull_.StartLine(), "GM_Point has no position");
        if (pointXY_.size() <= point_) {
            pointXY_.resize(point_ + 1);
            pointDefined_.resize(point_ + 1);
        }
        pointXY_[point_] = pointAt_;
        pointDefined_[point_] = true;
    }

    void EndColumn() {
        if (columnDirect_) {
            if (inlineXY_.size() >= kInline)
                FailAt(pull_.StartLine(), "too many curve points");
            AddInline(columnAt_);
        } else if (columnRef_) {
            vertices_.push_back(columnRefPoint_);
        } else
            FailAt(pull_.StartLine(), "curve point is neither direct nor a point reference");
    }

    void AddInline(MapPoint at) {
        vertices_.push_back(static_cast<std::uint32_t>(inlineXY_.size()) | kInline);
        inlineXY_.push_back(at);
    }

    // Lines are counted only when a message may need one.
    template <typename LineOf> void EndCurve(LineOf lineOf) {
        std::uint32_t count = static_cast<std::uint32_t>(vertices_.size()) - curveFirst_;
        if (count < 2)
            FailAt(lineOf(), "GM_Curve has fewer than two points");
        if (reversed_)
            std::reverse(vertices_.begin() + curveFirst_, vertices_.end());
        if (curveTable_.size() <= curve_)
            curveTable_.resize(curve_ + 1);
        curveTable_[curve_] = CurveEntry{curveFirst_, count};
        if (UnknownPoint(curveTable_[curve_]) != kNoPoint)
            forwardCurves_.push_back(ForwardCurve{curve_, curveFirst_, lineOf()});
    }

    static constexpr std::uint32_t kNoPoint = UINT32_MAX;

    // The first point the curve names that has not been read, or kNoPoint.
    std::uint32_t UnknownPoint(const CurveEntry& curve) const {
        for (std::uint32_t v = curve.first; v < curve.first + curve.count; ++v) {
            std::uint32_t point = vertices_[v];
            if ((point & kInline) == 0 && (point >= pointDefined_.size() || !pointDefined_[point]))
                return point;
        }
        return kNoPoint;
    }

    void EndRing() {
        ring_.count = static_cast<std::uint32_t>(generators_.size()) - ring_.first;
        if (ring_.count == 0)
            FailAt(ring_.line, "GM_Ring lists no curve");
        if (stack_[stack_.size() - 2] == EXTERIOR) {
            surfaceRings_.insert(surfaceRings_.begin(), ring_);
            hasExterior_ = true;
        } else {
            surfaceRings_.push_back(ring_);
        }
    }

    void EndSurface() {
        int line = pull_.StartLine();
        if (!hasExterior_)
            FailAt(line, "GM_Surface has no exterior ring");
        if (surfaceTable_.size() <= surface_)
            surfaceTable_.resize(surface_ + 1);
        surfaceTable_[surface_] =
            SurfaceEntry{static_cast<std::uint32_t>(ringTable_.size()),
                         static_cast<std::uint32_t>(surfaceRings_.size()), line};
        ringTable_.insert(ringTable_.end(), surfaceRings_.begin(), surfaceRings_.end());
    }

    void EndParcel() {
        const MapParcel& parcel = parcel_.parcel;
        if (parcel.chiban.empty())
            FailAt(parcel.line, u8"筆 has no 地番");
        if (parcel_.shapeLine == 0)
            FailAt(parcel.line, u8"筆 " + parcel.chiban + u8" has no 形状");
        ready_.push_back(std::move(parcel_));
    }

    // Checks that the curves' points exist and chains the rings of each
    // surface to keep; the point and curve tables are then no longer needed.
    void Join() {
        // In the order of the curves' ids, and only as each curve was last
        // defined, as a map with several faults names the first.
        std::stable_sort(
            forwardCurves_.begin(), forwardCurves_.end(),
            [](const ForwardCurve& a, const ForwardCurve& b) { return a.slot < b.slot; });
        for (const ForwardCurve& forward : forwardCurves_) {
            const CurveEntry& curve = curveTable_[forward.slot];
            std::uint32_t point = curve.first == forward.first ? UnknownPoint(curve) : kNoPoint;
            if (point != kNoPoint)
                FailAt(forward.line, "unknown point " + points_.NameOf(point));
        }
        shapes_.resize(surfaceTable_.size());
        ringEnds_.reserve(ringTable_.size());
        if (!keeping_) {
            // At most every vertex of every curve listed, reserved once rather
            // than copied as it grows; the part left over is never written.
            size_t listed = 0;
            for (std::uint32_t slot : generators_)
                listed += slot < curveTable_.size() ? curveTable_[slot].count : 0;
            shapeXY_.reserve(listed);
        }
        for (size_t s = 0; s < surfaceTable_.size(); ++s) {
            const SurfaceEntry& surface = surfaceTable_[s];
            if (!surface.Defined() || (keeping_ && !Reaches(ringTable_[surface.first])))
                continue;
            shapes_[s].first = static_cast<std::uint32_t>(ringEnds_.size());
            for (std::uint32_t r = surface.first; r < surface.first + surface.count; ++r) {
                Ring(ringTable_[r]);
                ringEnds_.push_back(shapeXY_.size());
            }
            shapes_[s].count = surface.count;
        }
        points_.Clear();
        curves_.Clear();
        Release(pointXY_);
        Release(pointDefined_);
        Release(inlineXY_);
        Release(vertices_);
        Release(curveTable_);
        Release(forwardCurves_);
        Release(generators_);
        Release(ringTable_);
        joined_ = true;
    }

    MapPoint At(std::uint32_t vertex) const {
        return (vertex & kInline) ? inlineXY_[vertex & ~kInline] : pointXY_[vertex];
    }

    const CurveEntry& CurveOf(const RingEntry& ring, std::uint32_t generator) const {
        std::uint32_t slot = generators_[generator];
        if (slot >= curveTable_.size() || !curveTable_[slot].Defined())
            FailAt(ring.line, "unknown curve " + curves_.NameOf(slot));
        return curveTable_[slot];
    }

    // Whether the extent of the ring's points meets the area kept.
    bool Reaches(const RingEntry& ring) const {
        MapBounds extent{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
        for (std::uint32_t g = ring.first; g < ring.first + ring.count; ++g) {
            const CurveEntry& curve = CurveOf(ring, g);
            for (std::uint32_t v = curve.first; v < curve.first + curve.count; ++v) {
                MapPoint p = At(vertices_[v]);
                extent.minX = std::min(extent.minX, p.x);
                extent.minY = std::min(extent.minY, p.y);
                extent.maxX = std::max(extent.maxX, p.x);
                extent.maxY = std::max(extent.maxY, p.y);
            }
        }
        return extent.minX <= keep_.maxX && extent.maxX >= keep_.minX &&
               extent.minY <= keep_.maxY && extent.maxY >= keep_.minY;
    }

    // Chains the ring's curves end to start, turning a curve round when it is
    // listed against the ring's direction, onto the end of shapeXY_.
    void Ring(const RingEntry& ring) {
        std::vector<CurvePart>& parts = parts_;
        parts.clear();
        for (std::uint32_t g = ring.first; g < ring.first + ring.count; ++g) {
            const CurveEntry& curve = CurveOf(ring, g);
            parts.push_back(CurvePart{curve.first, curve.first + curve.count});
        }
        auto front = [this](const CurvePart& part) { return At(vertices_[part.first]); };
        auto back = [this](const CurvePart& part) { return At(vertices_[part.end - 1]); };
        bool firstReversed = parts.size() > 1 && !Same(back(parts[0]), front(parts[1])) &&
                             !Same(back(parts[0]), back(parts[1]));
        size_t begin = shapeXY_.size();
        for (std::uint32_t v = parts[0].first; v != parts[0].end; ++v)
            shapeXY_.push_back(At(vertices_[v]));
        if (firstReversed)
            std::reverse(shapeXY_.begin() + begin, shapeXY_.end());
        for (size_t i = 1; i < parts.size(); ++i) {
            bool forward = Same(shapeXY_.back(), front(parts[i]));
            if (!forward && !Same(shapeXY_.back(), back(parts[i])))
                FailAt(ring.line, "the ring's curves do not join");
            if (forward)
                for (std::uint32_t v = parts[i].first + 1; v != parts[i].end; ++v)
                    shapeXY_.push_back(At(vertices_[v]));
            else
                for (std::uint32_t v = parts[i].end - 1; v != parts[i].first; --v)
                    shapeXY_.push_back(At(vertices_[v - 1]));
        }
        if (!Same(shapeXY_[begin], shapeXY_.back()))
            FailAt(ring.line, "the ring does not close");
        if (shapeXY_.size() - begin < 4)
            FailAt(ring.line, "the ring has fewer than three corners");
    }

    void Hand(ParcelEntry& entry, MapParcel& parcel) {
        std::uint32_t slot = 0;
        if (!surfaces_.Find(entry.shape, slot) || slot >= surfaceTable_.size() ||
            !surfaceTable_[slot].Defined())
            FailAt(entry.shapeLine, "unknown surface " + entry.shape);
        parcel = std::move(entry.parcel);
        const ShapeEntry& shape = shapes_[slot];
        parcel.rings.resize(shape.count);
        for (std::uint32_t r = 0; r < shape.count; ++r) {
            size_t begin = shape.first + r == 0 ? 0 : ringEnds_[shape.first + r - 1];
            parcel.rings[r].assign(shapeXY_.begin() + static_cast<std::ptrdiff_t>(begin),
                                   shapeXY_.begin() +
                                       static_cast<std::ptrdiff_t>(ringEnds_[shape.first + r]));
        }
    }

    XmlPull pull_;
    KkMap header_;
    MapBounds keep_{0.0, 0.0, 0.0, 0.0};
    bool keeping_ = false;
    std::vector<Kind> stack_; // the kinds of the open elements
    std::string text_;
    bool seen_[SHAPE + 1] = {};
    bool joined_ = false;
    bool done_ = false;

    IdTable points_, curves_, surfaces_;
    std::vector<MapPoint> pointXY_;
    std::vector<bool> pointDefined_;
    std::vector<MapPoint> inlineXY_;
    std::vector<std::uint32_t> vertices_;
    std::vector<CurveEntry> curveTable_;
    std::vector<ForwardCurve> forwardCurves_;
    std::vector<std::uint32_t> generators_;
    std::vector<RingEntry> ringTable_;
    std::vector<SurfaceEntry> surfaceTable_;
    // The rings of the surfaces joined, end to end: each surface's in ringEnds_.
    std::vector<ShapeEntry> shapes_; // by surface slot
    std::vector<size_t> ringEnds_;   // where each ring ends in shapeXY_
    std::vector<MapPoint> shapeXY_;
    std::vector<CurvePart> parts_;
    PlainForms plainForms_;
    PlainElement plainElement_;
    std::deque<ParcelEntry> ready_; // 筆 read whole, in file order

    // The element being read.
    MapPoint position_{0.0, 0.0};
    bool hasX_ = false, hasY_ = false;
    std::uint32_t point_ = 0;
    MapPoint pointAt_{0.0, 0.0};
    bool pointPlaced_ = false;
    std::uint32_t curve_ = 0, curveFirst_ = 0;
    bool reversed_ = false;
    bool columnDirect_ = false, columnRef_ = false;
    MapPoint columnAt_{0.0, 0.0};
    std::uint32_t columnRefPoint_ = 0;
    std::uint32_t surface_ = 0;
    std::vector<RingEntry> surfaceRings_;
    bool hasExterior_ = false;
    RingEntry ring_;
    ParcelEntry parcel_;
};

MapXmlReader::MapXmlReader(std::istream& in, const std::string& path, const MapBounds* keep)
    : impl_(new Impl(in, path, keep)) {}

MapXmlReader::~MapXmlReader() = default;

bool MapXmlReader::Next(MapParcel& parcel) {
    return impl_->Next(parcel);
}

const KkMap& MapXmlReader::Header() const {
    return impl_->Header();
}

KkMap ReadMapXml(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw InputError(path, 0, "cannot read the file");
    MapXmlReader reader(in, path);
    std::vector<MapParcel> parcels;
    MapParcel parcel;
    while (reader.Next(parcel))
        parcels.push_back(std::move(parcel));
    KkMap map = reader.Header();
    map.parcels = std::move(parcels);
    return map;
}
