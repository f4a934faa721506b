#include "parcels/map/plain_geometry.h"
#include "tests/native/text_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {
using namespace mapxml;

// A curve as registry exports write it, with the white space before it.
const std::string kRegistryCurve =
    "\n\t\t<zmn:GM_Curve id=\"C1\">"
    "\n\t\t\t<zmn:GM_OrientablePrimitive.orientation>+</zmn:GM_OrientablePrimitive.orientation>"
    "\n\t\t\t<zmn:GM_OrientablePrimitive.primitive idref=\"C1\"/>"
    "\n\t\t\t<zmn:GM_Curve.segment>\n\t\t\t\t<zmn:GM_LineString>"
    "\n\t\t\t\t\t<zmn:GM_LineString.controlPoint>"
    "\n\t\t\t\t\t\t<zmn:GM_PointArray.column>\n\t\t\t\t\t\t\t<zmn:GM_Position.indirect>"
    "\n\t\t\t\t\t\t\t\t<zmn:GM_PointRef.point idref=\"P1\"/>"
    "\n\t\t\t\t\t\t\t</zmn:GM_Position.indirect>\n\t\t\t\t\t\t</zmn:GM_PointArray.column>"
    "\n\t\t\t\t\t\t<zmn:GM_PointArray.column>\n\t\t\t\t\t\t\t<zmn:GM_Position.direct>"
    "\n\t\t\t\t\t\t\t\t<zmn:X>-306529.331</zmn:X>\n\t\t\t\t\t\t\t\t<zmn:Y>12.5</zmn:Y>"
    "\n\t\t\t\t\t\t\t</zmn:GM_Position.direct>\n\t\t\t\t\t\t</zmn:GM_PointArray.column>"
    "\n\t\t\t\t\t</zmn:GM_LineString.controlPoint>\n\t\t\t\t</zmn:GM_LineString>"
    "\n\t\t\t</zmn:GM_Curve.segment>\n\t\t</zmn:GM_Curve>";
const std::string kSpaceEnd = "\n\t</空間属性>";

// The registry's form is read whole, the first time tag by tag and then by
// the skeleton kept; any other is left to the map reader, which reads it
// event by event (the map reader's tests read them all).
TEST(PlainGeometry, ReadsTheRegistryFormAndNoOther) {
    PlainForms forms;
    PlainElement element;
    const std::string registry = kRegistryCurve + kSpaceEnd;
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(ReadPlainElement(registry, SPACE, forms, element));
        EXPECT_EQ(std::make_tuple(element.kind, element.id, element.start, element.length),
                  std::make_tuple(CURVE, std::string_view("C1"), size_t(3), kRegistryCurve.size()));
        const PlainCurve& curve = element.curve;
        ASSERT_EQ(curve.columns.size(), 2u);
        EXPECT_EQ(curve.columns[0].ref, "P1");
        EXPECT_TRUE(curve.columns[1].ref.empty());
        EXPECT_EQ(curve.columns[1].at.x, -306529.331);
        EXPECT_EQ(curve.columns[1].at.y, 12.5);
        EXPECT_TRUE(curve.oriented && !curve.reversed);
    }
    // The next curve of that form is read by its own values.
    const std::string next = Replaced(
        Replaced(Replaced(Replaced(kRegistryCurve, {">+<", ">-<"}), {"\"C1\"", "\"C1000\""}),
                 {"\"P1\"", "\"P22\""}),
        {"12.5", "-7.25"});
    const std::string nextBytes = next + kSpaceEnd; // the views read point into it
    ASSERT_TRUE(ReadPlainElement(nextBytes, SPACE, forms, element));
    EXPECT_EQ(std::make_tuple(element.id, element.length),
              std::make_tuple(std::string_view("C1000"), next.size()));
    ASSERT_EQ(element.curve.columns.size(), 2u);
    EXPECT_EQ(element.curve.columns[0].ref, "P22");
    EXPECT_EQ(element.curve.columns[1].at.y, -7.25);
    EXPECT_TRUE(element.curve.oriented && element.curve.reversed);

    const TextEdit others[] = {
        {"\"P1\"", "'P1'"},
        {"\"P1\"", "\"P&#49;\""},
        {"idref=\"P1\"", "idref=\"P1\" x=\"y\""},
        {"idref=\"P1\"", "idref=\"\""},
        {"idref=\"P1\"", "ref=\"P1\""},
        {"id=\"C1\"", "id=\"\""},
        {"id=\"C1\"", "name=\"C1\""},
        {"id=\"C1\"", "id=\"C1\" x=\"y\""},
        {"12.5", "12.5x"},
        {"12.5", " 12.5"},
        {"12.5", "1e8"},
        {"<zmn:X>", "<zmn:X >"},
        {"<zmn:GM_LineString>", "<zmn:GM_LineString><!-- -->"},
        {"<zmn:GM_Curve.segment>", "<!x/><zmn:GM_Curve.segment>"},
        {"<zmn:GM_LineString>", "<zmn:GM_LineString>text"},
        {"</zmn:GM_LineString>", "</zmn:GM_LineStrinG>"},
        {"<zmn:GM_Curve.segment>", "<zmn:GM_Curve.segment><zmn:other/>"},
        {"</zmn:GM_Curve.segment>", "</zmn:GM_Curve.segment><zmn:other/>"},
        {"<zmn:GM_Position.indirect>", "<zmn:GM_Position.elsewhere>"},
        {"zmn:GM_Curve id", "zmn:GM_Surface id"},
    };
    for (const auto& other : others)
        EXPECT_FALSE(
            ReadPlainElement(Replaced(kRegistryCurve, other) + kSpaceEnd, SPACE, forms, element))
            << other.by;
    EXPECT_FALSE(ReadPlainElement(kRegistryCurve.substr(0, kRegistryCurve.size() - 3), SPACE, forms,
                                  element));

    const std::string point = "<zmn:GM_Point id=\"P1\"><zmn:GM_Point.position><zmn:DirectPosition>"
                              "<zmn:X>1</zmn:X><zmn:Y>-2</zmn:Y></zmn:DirectPosition>"
                              "</zmn:GM_Point.position></zmn:GM_Point>";
    for (const std::string y : {"-2", "3.5"}) {
        ASSERT_TRUE(ReadPlainElement(Replaced(point, "-2", y) + kSpaceEnd, SPACE, forms, element));
        EXPECT_EQ(std::make_tuple(element.kind, element.at.x, element.at.y),
                  std::make_tuple(POINT, 1.0, std::stod(y)));
    }
    EXPECT_FALSE(ReadPlainElement(Replaced(point, "<zmn:X>1</zmn:X>", ""), SPACE, forms, element));

    // An element the map does not use is read whole, whatever its texts hold.
    const std::string line = u8"<筆界線 a=\"1\"><線種別>a&amp;b</線種別></筆界線>";
    ASSERT_TRUE(ReadPlainElement(line + u8"<筆>", THEME, forms, element));
    EXPECT_EQ(std::make_tuple(element.kind, element.length), std::make_tuple(OTHER, line.size()));
    EXPECT_FALSE(ReadPlainElement(u8"<筆 id=\"H1\"></筆>", THEME, forms, element));
}

// An element the map does not use is passed over up to its own end tag,
// whatever its text holds, when its elements nest and are plain.
TEST(PlainGeometry, SkipsPlainContentUpToItsEnd) {
    PlainForms forms;
    const std::string content = u8"<線種別>a&b>c</線種別>\n<形状 idref=\"C1\"/><x><y/></x>";
    const std::string end = u8"</筆界線>";
    size_t length = 0;
    ASSERT_TRUE(SkipPlainContent(content + end, u8"筆界線", forms, length));
    EXPECT_EQ(length, content.size());
    for (const std::string bad : {u8"<x><y></x></y>", u8"<x>", u8"</x>", u8"<!x/>", u8"<?x/>"})
        EXPECT_FALSE(SkipPlainContent(bad + end, u8"筆界線", forms, length)) << bad;
    EXPECT_FALSE(SkipPlainContent(content, u8"筆界線", forms, length));
}
} // namespace
