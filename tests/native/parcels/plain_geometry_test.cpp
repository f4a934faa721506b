#include "parcels/map/plain_geometry.h"
#include "tests/native/text_edit.h"

#include <gtest/gtest.h>

#include <string>

namespace {
using namespace mapxml;

// A curve as registry exports write it, after its start tag.
const std::string kRegistryCurve =
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
    "\n\t\t\t</zmn:GM_Curve.segment>";
const std::string kCurveEnd = "\n\t\t</zmn:GM_Curve>\n";

// The registry's form is read whole; any other is left to the map reader,
// which reads it event by event (the map reader's tests read them all).
TEST(PlainGeometry, ReadsTheRegistryFormAndNoOther) {
    PlainForms forms;
    PlainCurve curve;
    const std::string registry = kRegistryCurve + kCurveEnd;
    for (int pass = 0; pass < 2; ++pass) { // the names kept, then known
        ASSERT_TRUE(ReadPlainCurve(registry, forms, curve));
        EXPECT_EQ(curve.length, kRegistryCurve.size());
        ASSERT_EQ(curve.columns.size(), 2u);
        EXPECT_EQ(curve.columns[0].ref, "P1");
        EXPECT_TRUE(curve.columns[1].ref.empty());
        EXPECT_EQ(curve.columns[1].at.x, -306529.331);
        EXPECT_EQ(curve.columns[1].at.y, 12.5);
        EXPECT_TRUE(curve.oriented && !curve.reversed);
    }
    const TextEdit others[] = {
        {"\"P1\"", "'P1'"},
        {"\"P1\"", "\"P&#49;\""},
        {"idref=\"P1\"", "idref=\"P1\" x=\"y\""},
        {"idref=\"P1\"", "idref=\"\""},
        {"idref=\"P1\"", "ref=\"P1\""},
        {"12.5", "12.5x"},
        {"12.5", " 12.5"},
        {"12.5", "1e8"},
        {"<zmn:X>", "<zmn:X >"},
        {"<zmn:GM_LineString>", "<zmn:GM_LineString><!-- -->"},
        {"<zmn:GM_Curve.segment>", "<!x/><zmn:GM_Curve.segment>"},
        {"<zmn:GM_LineString>", "<zmn:GM_LineString>text"},
        {"</zmn:GM_LineString>", "</zmn:GM_LineStrinG>"},
        {"<zmn:GM_Curve.segment>", "<zmn:GM_Curve.segment><zmn:other/>"},
        {"<zmn:GM_Position.indirect>", "<zmn:GM_Position.elsewhere>"},
    };
    // The form kept reads the next curve of that form by its own values.
    const std::string next = Replaced(
        Replaced(Replaced(Replaced(kRegistryCurve, {">+<", ">-<"}), {"\"C1\"", "\"C1000\""}),
                 {"\"P1\"", "\"P22\""}),
        {"12.5", "-7.25"});
    ASSERT_TRUE(ReadPlainCurve(next + kCurveEnd, forms, curve));
    EXPECT_EQ(curve.length, next.size());
    ASSERT_EQ(curve.columns.size(), 2u);
    EXPECT_EQ(curve.columns[0].ref, "P22");
    EXPECT_EQ(curve.columns[1].at.y, -7.25);
    EXPECT_TRUE(curve.oriented && curve.reversed);
    for (const auto& other : others)
        EXPECT_FALSE(ReadPlainCurve(Replaced(kRegistryCurve, other) + kCurveEnd, forms, curve))
            << other.by;
    EXPECT_FALSE(ReadPlainCurve(kRegistryCurve.substr(0, kRegistryCurve.size() - 3), forms, curve));

    MapPoint at{0.0, 0.0};
    size_t length = 0;
    const std::string point = "<zmn:GM_Point.position><zmn:DirectPosition><zmn:X>1</zmn:X><zmn:Y>"
                              "-2</zmn:Y></zmn:DirectPosition></zmn:GM_Point.position>";
    ASSERT_TRUE(ReadPlainPoint(point + "</zmn:GM_Point>", forms, at, length));
    EXPECT_EQ(std::make_tuple(at.x, at.y, length), std::make_tuple(1.0, -2.0, point.size()));
    ASSERT_TRUE(
        ReadPlainPoint(Replaced(point, "-2", "3.5") + "</zmn:GM_Point>", forms, at, length));
    EXPECT_EQ(at.y, 3.5);
    EXPECT_FALSE(ReadPlainPoint(Replaced(point, "<zmn:X>1</zmn:X>", ""), forms, at, length));
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
