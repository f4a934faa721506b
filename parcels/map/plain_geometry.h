// The plain form in which registry exports write points, curves and the
// other children of 空間属性 and 主題属性, read straight from the bytes held
// rather than one event at a time: they are nearly all of a map's bytes, and
// handing out each of their dozens of tags as an event cost most of its
// reading. Once one element has been read tag by tag, the next ones of its
// form are matched byte for byte around their values.
//
// The plain form is a run of tags with nothing in them but a name and
// attributes written name="value", with single spaces and no references;
// white space between them, and in the elements that hold text, text without
// references. A part written in any other form, legal or not, is not read
// here, and the map reader then reads it event by event.
#pragma once

#include "parcels/map/kk_map.h"
#include "parcels/map/map_elements.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mapxml {
// A value in the plain form: a text, or an attribute's value, with what it
// gives: CURVE or POINT (the element's id), ORIENTATION, X, Y, POINT_REF (a
// point's id) or OTHER (nothing used).
struct PlainValue {
    size_t begin, end; // in the bytes read
    bool attribute;    // ended by '"'; a text is ended by '<'
    Kind kind;
};

// The bytes of an element read tag by tag, with its values cut out.
// Registry exports write every curve, point and boundary line alike, so
// most are then matched byte for byte around their values instead.
class PlainSkeleton {
public:
    PlainSkeleton(std::string_view bytes, const std::vector<PlainValue>& values);

    // The values, when `bytes` begin with this skeleton's bytes around them
    // and hold what their tags allow; `length` the bytes matched.
    bool Match(std::string_view bytes, std::vector<PlainValue>& values, size_t& length) const;

private:
    struct Piece {
        size_t length; // the skeleton's bytes before the value
        bool attribute;
        Kind kind;
    };
    std::string bytes_;
    std::vector<Piece> pieces_;
    size_t tail_ = 0; // the bytes after the last value
};

// What a map's plain form has shown so far, kept from one element to the
// next: the names it gives the children of each kind of element, as nearly
// every tag repeats one and is then known by one comparison rather than read
// and looked up; and the skeletons of the children of 空間属性 and 主題属性.
class PlainForms {
public:
    struct Known {
        std::string name;
        Kind kind;
    };

    // The kept child of `parent` whose name the start tag at `tag` (its '<',
    // with `held` bytes from there) has, ended by '>', ' ' or '/'.
    const Known* Find(Kind parent, const char* tag, size_t held) const;
    void Keep(Kind parent, std::string_view name, Kind kind);

    // The skeletons of children of `parent`.
    const std::vector<PlainSkeleton>& Skeletons(Kind parent) const { return skeletons_[parent]; }
    void Keep(Kind parent, PlainSkeleton skeleton);

    // The values of the element being read.
    std::vector<PlainValue> values;

private:
    std::vector<Known> of_[SHAPE + 1];
    std::vector<PlainSkeleton> skeletons_[SHAPE + 1];
    size_t oldest_[SHAPE + 1] = {};
};

// A curve point: a reference to a GM_Point's id, or when `ref` is empty the
// position given inline.
struct PlainColumn {
    std::string_view ref;
    MapPoint at;
};

// A curve's orientation and points.
struct PlainCurve {
    bool oriented = false; // an orientation was given
    bool reversed = false; // and the last one given was "-"
    std::vector<PlainColumn> columns;
};

// A child of the map's 空間属性 or 主題属性 read whole: a curve or a point
// with its id, or an element the map does not use (OTHER).
struct PlainElement {
    Kind kind = OTHER;
    std::string_view id;
    size_t start = 0;  // where its start tag begins
    size_t length = 0; // the bytes read, white space before it and its end tag too
    PlainCurve curve;
    MapPoint at{0.0, 0.0};
};

// False, with `element` in no particular state, when the bytes do not begin
// with white space and such an element in the plain form, with nothing after
// a curve's first segment. A start tag of a curve or point has its id alone;
// surfaces and 筆 are never read so.
bool ReadPlainElement(std::string_view bytes, Kind parent, PlainForms& forms,
                      PlainElement& element);

// The content of an element `name` that the map does not use, from just after
// its start tag up to its end tag: `length` the bytes before the end tag.
// Elements in it are in the plain form, and text in them may be anything.
bool SkipPlainContent(std::string_view bytes, std::string_view name, PlainForms& forms,
                      size_t& length);
} // namespace mapxml
