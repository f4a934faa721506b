#include "parcels/map/plain_geometry.h"
#include "parcels/map/xml_pull.h"

#include <charconv>
#include <cstring>

namespace mapxml {
// Few names per parent are kept: a map names each child one way.
constexpr size_t kKeptPerParent = 8;
// A map writes its curves in one or two forms, by reference and inline, its
// points in one, and each kind of boundary line and point of its theme in one.
constexpr size_t kKeptSkeletons = 4;

const PlainForms::Known* PlainForms::Find(Kind parent, const char* tag, size_t held) const {
    for (const Known& known : of_[parent]) {
        size_t n = known.name.size();
        if (held > n + 1 && (tag[n + 1] == '>' || tag[n + 1] == ' ' || tag[n + 1] == '/') &&
            std::memcmp(tag + 1, known.name.data(), n) == 0)
            return &known;
    }
    return nullptr;
}

void PlainForms::Keep(Kind parent, std::string_view name, Kind kind) {
    if (of_[parent].size() < kKeptPerParent)
        of_[parent].push_back(Known{std::string(name), kind});
}

void PlainForms::Keep(Kind parent, PlainSkeleton skeleton) {
    std::vector<PlainSkeleton>& kept = skeletons_[parent];
    if (kept.size() < kKeptSkeletons) {
        kept.push_back(std::move(skeleton));
        return;
    }
    size_t& oldest = oldest_[parent];
    kept[oldest] = std::move(skeleton);
    oldest = (oldest + 1) % kKeptSkeletons;
}

PlainSkeleton::PlainSkeleton(std::string_view bytes, const std::vector<PlainValue>& values) {
    size_t from = 0;
    for (const PlainValue& value : values) {
        bytes_.append(bytes.substr(from, value.begin - from));
        pieces_.push_back(Piece{value.begin - from, value.attribute, value.kind});
        from = value.end;
    }
    tail_ = bytes.size() - from;
    bytes_.append(bytes.substr(from));
}

namespace {
// Where a value from `p` on stops: at its end ('"' for an attribute's, '<'
// for a text), or earlier at what a tag-by-tag read refuses in it: a
// reference, and in an attribute's value a '<'. Values are short.
const char* ValueStop(const char* p, const char* end, bool attribute) {
    for (; p != end; ++p)
        if (*p == '<' || *p == '&' || (attribute && *p == '"'))
            break;
    return p;
}
} // namespace

bool PlainSkeleton::Match(std::string_view bytes, std::vector<PlainValue>& values,
                          size_t& length) const {
    values.clear();
    const char* begin = bytes.data();
    const char* p = begin;
    const char* end = begin + bytes.size();
    const char* mine = bytes_.data();
    for (const Piece& piece : pieces_) {
        if (static_cast<size_t>(end - p) < piece.length || std::memcmp(p, mine, piece.length) != 0)
            return false;
        p += piece.length;
        mine += piece.length;
        const char* stop = ValueStop(p, end, piece.attribute);
        if (stop == end || *stop != (piece.attribute ? '"' : '<'))
            return false;
        PlainValue& value = values.emplace_back();
        value.begin = static_cast<size_t>(p - begin);
        value.end = static_cast<size_t>(stop - begin);
        value.attribute = piece.attribute;
        value.kind = piece.kind;
        p = stop;
    }
    if (static_cast<size_t>(end - p) < tail_ || std::memcmp(p, mine, tail_) != 0)
        return false;
    length = static_cast<size_t>(p - begin) + tail_;
    return true;
}

namespace {
struct PlainTag {
    enum Form { START, EMPTY, END };
    Form form = START;
    Kind kind = OTHER; // START and EMPTY: its kind in its parent
    std::string_view name;
    int attributes = 0;
    std::string_view first; // the name of its first attribute
};

// A cursor over bytes in the plain form; every read fails rather than look
// past what it knows.
class PlainCursor {
public:
    // Texts and attributes' values read are added to `values`, if given.
    PlainCursor(std::string_view bytes, PlainForms& forms, std::vector<PlainValue>* values)
        : forms_(forms), values_(values), begin_(bytes.data()), p_(bytes.data()),
          end_(bytes.data() + bytes.size()) {}

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
        if (const PlainForms::Known* known = forms_.Find(parent, p_, Held())) {
            tag.name = std::string_view(p_ + 1, known->name.size());
            tag.kind = known->kind;
            p_ += 1 + known->name.size();
        } else {
            ++p_;
            XmlNameSpan span = Name(tag.name);
            if (span.length == 0)
                return false;
            tag.kind = ChildKind(parent, tag.name.substr(span.local));
            forms_.Keep(parent, tag.name, tag.kind);
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

    // What the value read last gives.
    void Mark(Kind kind) {
        if (values_)
            values_->back().kind = kind;
    }

    // Any text up to the next tag, added to the values as one that gives
    // nothing.
    bool AnyText() {
        const char* start = p_;
        if (!SkipText())
            return false;
        Add(start, false);
        return true;
    }

    // The text up to the next tag, when it holds no reference, added to the
    // values as one that gives `kind`.
    bool Text(Kind kind) {
        const char* start = p_;
        if (!AnyText())
            return false;
        Mark(kind);
        return std::memchr(start, '&', static_cast<size_t>(p_ - start)) == nullptr;
    }

    // Any text up to the next tag.
    bool SkipText() {
        if (p_ == end_) // no bytes at all, perhaps not even a pointer to them
            return false;
        const void* lt = std::memchr(p_, '<', Held());
        p_ = lt ? static_cast<const char*>(lt) : end_;
        return lt != nullptr;
    }

    // A child of `parent` of kind `kind` that holds only text, which gives
    // `kind`.
    bool TextElement(Kind parent, Kind kind) {
        std::string_view name;
        return Open(parent, kind, name) && Text(kind) && Close(name);
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
        tag.first = {};
        while (Take(" ")) {
            std::string_view name;
            if (Name(name).length == 0 || !Take("=\""))
                return false;
            const char* start = p_;
            while (p_ != end_ && *p_ != '"' && *p_ != '&' && *p_ != '<')
                ++p_;
            Add(start, true);
            if (!Take("\""))
                return false;
            if (++tag.attributes == 1)
                tag.first = name;
        }
        if (Take("/>")) {
            tag.form = PlainTag::EMPTY;
            return true;
        }
        return Take(">");
    }

    void SkipSpace() { p_ = XmlSkipSpace(p_, end_); }

    void Add(const char* start, bool attribute) {
        if (values_)
            values_->push_back(
                PlainValue{static_cast<size_t>(start - begin_), Used(), attribute, OTHER});
    }

    bool Take(std::string_view expected) {
        if (Held() < expected.size() || std::memcmp(p_, expected.data(), expected.size()) != 0)
            return false;
        p_ += expected.size();
        return true;
    }

    PlainForms& forms_;
    std::vector<PlainValue>* values_;
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

std::string_view TextOf(std::string_view bytes, const PlainValue& value) {
    return bytes.substr(value.begin, value.end - value.begin);
}

// X then Y, children of `parent`.
bool Position(PlainCursor& in, Kind parent) {
    return in.TextElement(parent, X) && in.TextElement(parent, Y);
}

// A GM_PointArray.column's content.
bool Column(PlainCursor& in) {
    PlainTag position;
    if (!in.Tag(COLUMN, position) || position.form != PlainTag::START)
        return false;
    switch (position.kind) {
    case POSITION_INDIRECT: {
        PlainTag ref;
        if (!in.Tag(POSITION_INDIRECT, ref) || ref.form != PlainTag::EMPTY ||
            ref.kind != POINT_REF || ref.attributes != 1 || ref.first != "idref")
            return false;
        in.Mark(POINT_REF);
        break;
    }
    case POSITION_DIRECT:
        if (!Position(in, POSITION_DIRECT))
            return false;
        break;
    default:
        return false;
    }
    return in.Close(position.name);
}

// A curve's content read tag by tag, up to and including its first segment.
bool ReadCurveTags(PlainCursor& in) {
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
        if (tag.kind != ORIENTATION || !in.Text(ORIENTATION) || !in.Close(tag.name))
            return false;
    }
    std::string_view segment = tag.name, line, control;
    if (!in.Open(SEGMENT, LINE_STRING, line) || !in.Open(LINE_STRING, CONTROL_POINT, control))
        return false;
    while (!in.Close(control)) {
        if (!in.Tag(CONTROL_POINT, tag) || tag.form != PlainTag::START || tag.kind != COLUMN ||
            !Column(in) || !in.Close(tag.name))
            return false;
    }
    return in.Close(line) && in.Close(segment);
}

// The curve its values give, when they hold what a curve allows.
bool CurveOf(std::string_view bytes, const std::vector<PlainValue>& values, PlainCurve& curve) {
    curve.oriented = curve.reversed = false;
    curve.columns.clear();
    PlainColumn column{{}, {0.0, 0.0}};
    for (const PlainValue& value : values) {
        std::string_view text = TextOf(bytes, value);
        switch (value.kind) {
        case ORIENTATION:
            curve.oriented = true;
            curve.reversed = text == "-";
            break;
        case X:
            if (!Coordinate(text, column.at.x))
                return false;
            break;
        case Y:
            if (!Coordinate(text, column.at.y))
                return false;
            curve.columns.push_back(PlainColumn{{}, column.at});
            break;
        case POINT_REF:
            if (text.empty())
                return false;
            curve.columns.push_back(PlainColumn{text, {0.0, 0.0}});
            break;
        default:
            break;
        }
    }
    return true;
}

// A GM_Point's content read tag by tag.
bool ReadPointTags(PlainCursor& in) {
    std::string_view position, direct;
    return in.Open(POINT, POINT_POSITION, position) &&
           in.Open(POINT_POSITION, DIRECT_POSITION, direct) && Position(in, DIRECT_POSITION) &&
           in.Close(direct) && in.Close(position);
}

// The point its values give.
bool PointOf(std::string_view bytes, const std::vector<PlainValue>& values, MapPoint& at) {
    for (const PlainValue& value : values)
        if ((value.kind == X && !Coordinate(TextOf(bytes, value), at.x)) ||
            (value.kind == Y && !Coordinate(TextOf(bytes, value), at.y)))
            return false;
    return true;
}

// The content of an element `name` that the map does not use, and its end
// tag; `before` the bytes read before the end tag.
bool SkipContent(PlainCursor& in, std::string_view name, size_t& before) {
    constexpr size_t kDeepest = 16;
    std::string_view open[kDeepest];
    size_t depth = 0;
    for (;;) {
        if (!in.AnyText())
            return false;
        before = in.Used();
        if (in.Close(depth == 0 ? name : open[depth - 1])) {
            if (depth == 0)
                return true;
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

// A child of `parent` read tag by tag, from the white space before it.
bool ReadElementTags(PlainCursor& in, Kind parent) {
    PlainTag tag;
    if (!in.Tag(parent, tag) || tag.form == PlainTag::END)
        return false;
    size_t before = 0;
    switch (tag.kind) {
    case OTHER:
        return tag.form == PlainTag::EMPTY || SkipContent(in, tag.name, before);
    case CURVE:
    case POINT:
        if (tag.form != PlainTag::START || tag.attributes != 1 || tag.first != "id")
            return false;
        in.Mark(tag.kind);
        return (tag.kind == CURVE ? ReadCurveTags(in) : ReadPointTags(in)) && in.Close(tag.name);
    default:
        return false;
    }
}

// The element its values give, when they hold what it allows.
bool ElementOf(std::string_view bytes, const std::vector<PlainValue>& values,
               PlainElement& element) {
    element.kind = OTHER;
    element.start =
        static_cast<size_t>(XmlSkipSpace(bytes.data(), bytes.data() + bytes.size()) - bytes.data());
    for (const PlainValue& value : values)
        if (value.kind == CURVE || value.kind == POINT) {
            element.kind = value.kind;
            element.id = TextOf(bytes, value);
            break;
        }
    switch (element.kind) {
    case CURVE:
        return !element.id.empty() && CurveOf(bytes, values, element.curve);
    case POINT:
        element.at = MapPoint{0.0, 0.0};
        return !element.id.empty() && PointOf(bytes, values, element.at);
    default:
        return true;
    }
}
} // namespace

bool ReadPlainElement(std::string_view bytes, Kind parent, PlainForms& forms,
                      PlainElement& element) {
    std::vector<PlainValue>& values = forms.values;
    bool matched = false;
    for (const PlainSkeleton& skeleton : forms.Skeletons(parent))
        if ((matched = skeleton.Match(bytes, values, element.length)))
            break;
    if (!matched) {
        values.clear();
        PlainCursor in(bytes, forms, &values);
        if (!ReadElementTags(in, parent))
            return false;
        element.length = in.Used();
    }
    if (!ElementOf(bytes, values, element))
        return false;
    if (!matched)
        forms.Keep(parent, PlainSkeleton(bytes.substr(0, element.length), values));
    return true;
}

bool SkipPlainContent(std::string_view bytes, std::string_view name, PlainForms& forms,
                      size_t& length) {
    PlainCursor in(bytes, forms, nullptr);
    return SkipContent(in, name, length);
}
} // namespace mapxml
