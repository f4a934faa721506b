#include "parcels/map/plain_geometry.h"
#include "parcels/map/xml_pull.h"

#include <charconv>
#include <cstring>

namespace mapxml {
// Few names per parent are kept: a map names each child one way.
constexpr size_t kKeptPerParent = 8;

const PlainNames::Known* PlainNames::Find(Kind parent, const char* tag, size_t held) const {
    for (const Known& known : of_[parent]) {
        size_t n = known.name.size();
        if (held > n + 1 && (tag[n + 1] == '>' || tag[n + 1] == ' ' || tag[n + 1] == '/') &&
            std::memcmp(tag + 1, known.name.data(), n) == 0)
            return &known;
    }
    return nullptr;
}

void PlainNames::Keep(Kind parent, std::string_view name, Kind kind) {
    if (of_[parent].size() < kKeptPerParent)
        of_[parent].push_back(Known{std::string(name), kind});
}

namespace {
struct PlainTag {
    enum Form { START, EMPTY, END };
    Form form = START;
    Kind kind = OTHER; // START and EMPTY: its kind in its parent
    std::string_view name;
    int attributes = 0;
    std::string_view idref; // the value of its first attribute when that is idref
};

// A cursor over bytes in the plain form; every read fails rather than look
// past what it knows.
class PlainCursor {
public:
    PlainCursor(std::string_view bytes, PlainNames& names)
        : names_(names), begin_(bytes.data()), p_(bytes.data()), end_(bytes.data() + bytes.size()) {
    }

    size_t Used() const { return static_cast<size_t>(p_ - begin_); }

    // White space, then a start or empty tag of a child of `parent`, or an
    // end tag; never a declaration, comment or instruction.
    bool Tag(Kind parent, PlainTag& tag) {
        SkipSpace();
        if (end_ - p_ < 3 || *p_ != '<' || p_[1] == '!' || p_[1] == '?')
            return false;
        if (p_[1] == '/') {
            tag.form = PlainTag::END;
            p_ += 2;
            return Name(tag.name).length != 0 && Take(">");
        }
        tag.form = PlainTag::START;
        if (const PlainNames::Known* known = names_.Find(parent, p_, Held())) {
            tag.name = std::string_view(p_ + 1, known->name.size());
            tag.kind = known->kind;
            p_ += 1 + known->name.size();
        } else {
            ++p_;
            XmlNameSpan span = Name(tag.name);
            if (span.length == 0)
                return false;
            tag.kind = ChildKind(parent, tag.name.substr(span.local));
            names_.Keep(parent, tag.name, tag.kind);
        }
        return Attributes(tag);
    }

    // The start tag of a child of `parent` of kind `kind`; its name.
    bool Open(Kind parent, Kind kind, std::string_view& name) {
        PlainTag tag;
        if (!Tag(parent, tag) || tag.form != PlainTag::START || tag.kind != kind)
            return false;
        name = tag.name;
        return true;
    }

    // White space, then the end tag `</name>`.
    bool Close(std::string_view name) {
        SkipSpace();
        if (Held() < name.size() + 3 || p_[0] != '<' || p_[1] != '/' ||
            p_[2 + name.size()] != '>' || std::memcmp(p_ + 2, name.data(), name.size()) != 0)
            return false;
        p_ += name.size() + 3;
        return true;
    }

    // The text up to the next tag, when it holds no reference.
    bool Text(std::string_view& text) {
        const char* start = p_;
        if (!SkipText())
            return false;
        text = std::string_view(start, static_cast<size_t>(p_ - start));
        return text.find('&') == std::string_view::npos;
    }

    // Any text up to the next tag.
    bool SkipText() {
        if (p_ == end_) // no bytes at all, perhaps not even a pointer to them
            return false;
        const void* lt = std::memchr(p_, '<', Held());
        p_ = lt ? static_cast<const char*>(lt) : end_;
        return lt != nullptr;
    }

    // A child of `parent` of kind `kind` that holds only text.
    bool TextElement(Kind parent, Kind kind, std::string_view& text) {
        std::string_view name;
        return Open(parent, kind, name) && Text(text) && Close(name);
    }

private:
    size_t Held() const { return static_cast<size_t>(end_ - p_); }

    XmlNameSpan Name(std::string_view& name) {
        XmlNameSpan span = XmlScanName(p_, end_);
        name = std::string_view(p_, span.length);
        p_ += span.length;
        return span;
    }

    // What follows a start tag's name: attributes, then '>' or "/>".
    bool Attributes(PlainTag& tag) {
        tag.attributes = 0;
        tag.idref = {};
        while (Take(" ")) {
            std::string_view name;
            if (Name(name).length == 0 || !Take("=\""))
                return false;
            const char* start = p_;
            while (p_ != end_ && *p_ != '"' && *p_ != '&' && *p_ != '<')
                ++p_;
            std::string_view value(start, static_cast<size_t>(p_ - start));
            if (!Take("\""))
                return false;
            if (++tag.attributes == 1 && name == "idref")
                tag.idref = value;
        }
        if (Take("/>")) {
            tag.form = PlainTag::EMPTY;
            return true;
        }
        return Take(">");
    }

    void SkipSpace() { p_ = XmlSkipSpace(p_, end_); }

    bool Take(std::string_view expected) {
        if (Held() < expected.size() || std::memcmp(p_, expected.data(), expected.size()) != 0)
            return false;
        p_ += expected.size();
        return true;
    }

    PlainNames& names_;
    const char* begin_;
    const char* p_;
    const char* end_;
};

// A plain decimal within the coordinates' limits, as the map reader reads
// one at once; anything else is left to it, and to its message.
bool Coordinate(std::string_view text, double& value) {
    const char* last = text.data() + text.size();
    auto read = std::from_chars(text.data(), last, value);
    return read.ec == std::errc() && read.ptr == last && value >= -kMostCoordinate &&
           value <= kMostCoordinate;
}

// X then Y, children of `parent`.
bool Position(PlainCursor& in, Kind parent, MapPoint& at) {
    std::string_view x, y;
    return in.TextElement(parent, X, x) && in.TextElement(parent, Y, y) && Coordinate(x, at.x) &&
           Coordinate(y, at.y);
}

// A GM_PointArray.column's content.
bool Column(PlainCursor& in, PlainColumn& column) {
    PlainTag position;
    if (!in.Tag(COLUMN, position) || position.form != PlainTag::START)
        return false;
    switch (position.kind) {
    case POSITION_INDIRECT: {
        PlainTag ref;
        if (!in.Tag(POSITION_INDIRECT, ref) || ref.form != PlainTag::EMPTY ||
            ref.kind != POINT_REF || ref.attributes != 1 || ref.idref.empty())
            return false;
        column.ref = ref.idref;
        break;
    }
    case POSITION_DIRECT:
        column.ref = {};
        if (!Position(in, POSITION_DIRECT, column.at))
            return false;
        break;
    default:
        return false;
    }
    return in.Close(position.name);
}
} // namespace

bool ReadPlainCurve(std::string_view bytes, PlainNames& names, PlainCurve& curve) {
    PlainCursor in(bytes, names);
    curve.oriented = curve.reversed = false;
    curve.columns.clear();
    PlainTag tag;
    for (;;) {
        if (!in.Tag(CURVE, tag))
            return false;
        if (tag.form == PlainTag::EMPTY && tag.kind == OTHER)
            continue;
        if (tag.form != PlainTag::START)
            return false;
        if (tag.kind == SEGMENT)
            break;
        std::string_view text;
        if (tag.kind != ORIENTATION || !in.Text(text) || !in.Close(tag.name))
            return false;
        curve.oriented = true;
        curve.reversed = text == "-";
    }
    std::string_view segment = tag.name, line, control;
    if (!in.Open(SEGMENT, LINE_STRING, line) || !in.Open(LINE_STRING, CONTROL_POINT, control))
        return false;
    while (!in.Close(control)) {
        PlainColumn column{{}, {0.0, 0.0}};
        if (!in.Tag(CONTROL_POINT, tag) || tag.form != PlainTag::START || tag.kind != COLUMN ||
            !Column(in, column) || !in.Close(tag.name))
            return false;
        curve.columns.push_back(column);
    }
    if (!in.Close(line) || !in.Close(segment))
        return false;
    curve.length = in.Used();
    return true;
}

bool SkipPlainContent(std::string_view bytes, std::string_view name, PlainNames& names,
                      size_t& length) {
    constexpr size_t kDeepest = 16;
    std::string_view open[kDeepest];
    size_t depth = 0;
    PlainCursor in(bytes, names);
    for (;;) {
        if (!in.SkipText())
            return false;
        size_t before = in.Used();
        if (in.Close(depth == 0 ? name : open[depth - 1])) {
            if (depth == 0) {
                length = before;
                return true;
            }
            --depth;
            continue;
        }
        PlainTag tag;
        if (!in.Tag(OTHER, tag) || tag.form == PlainTag::END ||
            (tag.form == PlainTag::START && depth == kDeepest))
            return false;
        if (tag.form == PlainTag::START)
            open[depth++] = tag.name;
    }
}

bool ReadPlainPoint(std::string_view bytes, PlainNames& names, MapPoint& at, size_t& length) {
    PlainCursor in(bytes, names);
    std::string_view position, direct;
    MapPoint read{0.0, 0.0};
    if (!in.Open(POINT, POINT_POSITION, position) ||
        !in.Open(POINT_POSITION, DIRECT_POSITION, direct) || !Position(in, DIRECT_POSITION, read) ||
        !in.Close(direct) || !in.Close(position))
        return false;
    at = read;
    length = in.Used();
    return true;
}
} // namespace mapxml
