#include "tests/native/temp_dir.h"
#include "tests/native/text_edit.h"
#include "parcels/map/map_xml.h"
#include "parcels/attrs/kk_record.h"

#include "host/men_nt.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
const std::string kMoj = VELMORA_MOJ_DIR;

// The convex sliver 194-1, (0, 0), (-1.027, 1.946), (-1.967, 1.037) and
// (-3.371, -0.335) from its first corner, has 3.4587275 m² either way.
TEST(MapXml, ReadsEveryRegistrySample) {
    if (!std::filesystem::exists(kMoj))
        GTEST_SKIP() << "registry map samples not found at " << kMoj;
    const struct {
        const char* file;
        size_t parcels;
        int scale;
        size_t parcel;
        const char* chiban;
        unsigned oaza;
    } samples[] = {{"12103-0400-76.xml", 1, 500, 0, u8"194-1", 15},
                   {"46505-3411-1.xml", 8, 1000, 3, u8"地区外-43774", 0},
                   {"46505-3411-102.xml", 169, 1000, 0, u8"26-101", 15}};
    for (const auto& sample : samples) {
        KkMap map = ReadMapXml(kMoj + "/" + sample.file);
        ASSERT_EQ(map.parcels.size(), sample.parcels) << sample.file;
        const MapParcel& parcel = map.parcels[sample.parcel];
        EXPECT_EQ(std::make_tuple(map.scale, parcel.chiban, parcel.oaza),
                  std::make_tuple(sample.scale, std::string(sample.chiban), sample.oaza));
    }
    EXPECT_EQ(ReadMapXml(kMoj + "/46505-3411-102.xml").parcels[0].oazaName, u8"平内");
    KkMap map = ReadMapXml(kMoj + "/12103-0400-76.xml");
    ASSERT_EQ(map.parcels[0].rings[0].size(), 5u);
    SvyKkData kk;
    FillKkRecord(map, map.parcels[0], 1, nullptr, kk);
    double zm = 0.0, s3t = 0.0;
    ASSERT_TRUE(TMen_Nt(kk, 0).ZM_Men_Nt(&zm) && TMen_Nt(kk, 0).S3T_Men_Nt(&s3t));
    EXPECT_NEAR(zm, 3.4587275, 1e-6);
    EXPECT_NEAR(s3t, 3.4587275, 1e-6);
}

std::string MapWith(const std::string& space, const std::string& theme = "") {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") +
           u8"<地図 xmlns:zmn=\"z\">\n<空間属性>\n" + space + u8"</空間属性>\n<主題属性>" + theme +
           u8"</主題属性>\n</地図>\n";
}

std::string Point(const char* id, const char* x, const char* y) {
    return std::string("<zmn:GM_Point id=\"") + id +
           "\"><zmn:GM_Point.position><zmn:DirectPosition><zmn:X>" + x + "</zmn:X><zmn:Y>" + y +
           "</zmn:Y></zmn:DirectPosition></zmn:GM_Point.position></zmn:GM_Point>\n";
}

std::string Curve(const char* id, const char* from, const char* to) {
    auto column = [](const char* p) {
        return std::string("<zmn:GM_PointArray.column><zmn:GM_Position.indirect><zmn:GM_PointRef."
                           "point idref=\"") +
               p + "\"/></zmn:GM_Position.indirect></zmn:GM_PointArray.column>";
    };
    return std::string("<zmn:GM_Curve id=\"") + id +
           "\"><zmn:GM_Curve.segment><zmn:GM_LineString><zmn:GM_LineString.controlPoint>" +
           column(from) + column(to) +
           "</zmn:GM_LineString.controlPoint></zmn:GM_LineString></zmn:GM_Curve.segment></"
           "zmn:GM_Curve>\n";
}

std::string Surface(std::initializer_list<const char*> curves) {
    std::string ring;
    for (const char* c : curves)
        ring += std::string("<zmn:GM_CompositeCurve.generator idref=\"") + c + "\"/>";
    return "<zmn:GM_Surface id=\"F1\"><zmn:GM_Surface.patch><zmn:GM_Polygon><zmn:GM_Polygon."
           "boundary><zmn:GM_SurfaceBoundary><zmn:GM_SurfaceBoundary.exterior><zmn:GM_Ring>" +
           ring +
           "</zmn:GM_Ring></zmn:GM_SurfaceBoundary.exterior></zmn:GM_SurfaceBoundary></"
           "zmn:GM_Polygon.boundary></zmn:GM_Polygon></zmn:GM_Surface.patch></zmn:GM_Surface>\n";
}

const std::string kParcel = u8"<筆 id=\"H1\"><地番>5</地番><形状 idref=\"F1\"/></筆>";

// The streaming reader takes any legal form: BOM, CRLF, comments, DOCTYPE, CDATA,
// references, '>' in quotes, long names and prefixes, and elements in any order.
TEST(MapXml, ReadsMapsInAnyLegalForm) {
    TempDir dir;
    std::string text =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<!DOCTYPE x [ <!ENTITY e \"y\"> ]>\r\n"
        u8"<地図 xmlns:zmn='z>'><!-- a > comment -->\r\n"
        u8"<主題属性><a-prefix-past-sixteen-bytes:筆 "
        u8"id=\"H1\"><大字コード>007</大字コード><地番><![CDATA[1<2]]>&amp;&#x41;</地番>"
        u8"<形状 idref='F1'/></a-prefix-past-sixteen-bytes:筆></主題属性>\r\n"
        u8"<空間属性>\r\n" +
        Surface({"C1", "C2", "C3"}) + Curve("C1", "A", "B") + Curve("C2", "B", "C") +
        Curve("C3", "C", "A") + Point("A", "0", "0") + Point("B", "0", " 10 ") +
        Point("C", "10", "0") +
        u8"</空間属性>\r\n<?pi x?>"
        u8"<図郭><縮尺分母>250</縮尺分母></図郭><図郭><縮尺分母>600</縮尺分母></図郭>\r\n"
        u8"</地図>\r\n<!-- after -->\r\n";
    // A name longer than the bytes left of the first megabyte read.
    std::string longName = "x:" + std::string(300, 'n');
    size_t at = text.find(u8"<主題属性>");
    std::string pad = "<!--" + std::string((1u << 20) - 150 - at - 7, '-') + "-->";
    text.insert(at, pad + "<" + longName + " a='>'></" + longName + " >");
    KkMap map = ReadMapXml(dir.Write("any.xml", text));
    ASSERT_EQ(map.parcels.size(), 1u);
    const MapParcel& parcel = map.parcels[0];
    ASSERT_EQ(parcel.rings[0].size(), 4u);
    EXPECT_EQ(
        std::make_tuple(parcel.chiban, parcel.oaza, parcel.line, map.scale, parcel.rings[0][1].y),
        std::make_tuple(std::string("1<2&A"), 7u, 4, 250, 10.0));
}

std::vector<std::pair<double, double>> Corners(const MapParcel& parcel) {
    std::vector<std::pair<double, double>> corners;
    for (const MapRing& ring : parcel.rings)
        for (const MapPoint& p : ring)
            corners.emplace_back(p.x, p.y);
    return corners;
}

// Points, curves and unused elements written plainly are read at once, and
// read alike written any other way.
TEST(MapXml, ReadsPlainAndOtherFormsAlike) {
    TempDir dir;
    const std::string direct =
        "<zmn:GM_Curve id=\"C2\"><zmn:GM_Curve.segment><zmn:GM_LineString><zmn:GM_LineString."
        "controlPoint><zmn:GM_PointArray.column><zmn:GM_Position.direct><zmn:X>0</zmn:X><zmn:Y>10"
        "</zmn:Y></zmn:GM_Position.direct></zmn:GM_PointArray.column><zmn:GM_PointArray.column>"
        "<zmn:GM_Position.indirect><zmn:GM_PointRef.point idref=\"C\"/></zmn:GM_Position.indirect>"
        "</zmn:GM_PointArray.column></zmn:GM_LineString.controlPoint></zmn:GM_LineString></"
        "zmn:GM_Curve.segment></zmn:GM_Curve>\n";
    const std::string plain = MapWith(
        Point("A", "0", "0") + Point("B", "0", "10") + Point("C", "10", "0") +
            Curve("C1", "A", "B") + direct + Curve("C3", "C", "A") + Surface({"C1", "C2", "C3"}),
        u8"<筆界線 id=\"L1\"><線種別>1</線種別><形状 idref=\"C1\"/></筆界線>" + kParcel);
    const KkMap read = ReadMapXml(dir.Write("plain.xml", plain));
    ASSERT_EQ(read.parcels.size(), 1u);
    const auto corners = Corners(read.parcels[0]);
    EXPECT_EQ(corners, (std::vector<std::pair<double, double>>{{0, 0}, {0, 10}, {10, 0}, {0, 0}}));
    const TextEdit others[] = {
        {"<zmn:X>0</zmn:X><zmn:Y>10", "<zmn:X> 0 </zmn:X><zmn:Y>1&#48;"},
        {"idref=\"C\"", "idref='C'"},
        {"\"B\"/>", "\"&#66;\"/>"},
        {"<zmn:GM_Point.position>", "<zmn:GM_Point.position><!-- -->"},
        {u8"<線種別>1", u8"<線種別><![CDATA[1]]>"},
    };
    for (const auto& other : others) {
        KkMap map = ReadMapXml(dir.Write("other.xml", Replaced(plain, other)));
        ASSERT_EQ(map.parcels.size(), 1u);
        EXPECT_EQ(Corners(map.parcels[0]), corners) << other.by;
    }
}

std::string Triangle() {
    return Point("A", "0", "0") + Point("B", "0", "10") + Point("C", "10", "0") +
           Curve("C1", "A", "B") + Curve("C2", "B", "C") + Curve("C3", "C", "A") +
           Surface({"C1", "C2", "C3"});
}

TEST(MapXml, LimitsAndBadMapsNameFileAndLine) {
    TempDir dir;
    auto with = [](const std::string& part, const std::string& by) {
        return Replaced(MapWith(Triangle(), kParcel), part, by);
    };
    auto scale = [&](std::string s) {
        return with(u8"</地図>", u8"<図郭><縮尺分母>" + s + u8"</縮尺分母></図郭></地図>");
    };
    auto at = [&](std::string x) { return with("<zmn:X>0<", "<zmn:X>" + x + "<"); };
    auto oaza = [&](std::string code) {
        return with(u8"<地番>", u8"<大字コード>" + code + u8"</大字コード><地番>");
    };
    std::string triangle = Point("A", "0", "0") + Point("B", "0", "10") + Point("C", "10", "0");
    struct Case {
        std::string text;
        std::string message; // "" when the map is read
    } cases[] = {
        {scale("1"), ""},
        {scale("10000000"), ""},
        {scale("0"), "bad number '0'"},
        {scale("10000001"), "bad number '10000001'"},
        {at("10000000"), ""},
        {at("-10000000"), ""},
        {at("10000000.1"), "bad number"},
        {at("-10000000.1"), "bad number"},
        {oaza("9999"), ""},
        {oaza("00015"), "bad code '00015'"},
        {oaza(""), "bad code ''"},
        {oaza("1a"), "bad code '1a'"},
        {u8"<?xml version=\"1.0\"?>\n<地図>\n<b>\n</地図>\n", "bad.xml:4: malformed XML"},
        {"<?xml version=\"1.0\"?>\n<a>\n</a>\n", u8"bad.xml:2: the root element is not 地図"},
        {MapWith(Point("A", "0", "1x")), "bad.xml:4: bad number '1x'"},
        {MapWith(triangle + Curve("C1", "A", "B") + Curve("C2", "B", "Q")),
         "bad.xml:8: unknown point Q"},
        {MapWith(triangle + Curve("C1", "A", "B") + Curve("C2", "B", "C") + Surface({"C1", "C2"}),
                 kParcel),
         "bad.xml:9: the ring does not close"},
        {MapWith(triangle + Point("D", "5", "5") + Curve("C1", "A", "B") + Curve("C2", "C", "D") +
                     Surface({"C1", "C2"}),
                 kParcel),
         "bad.xml:10: the ring's curves do not join"},
        {with("F1\"/>", "F9\"/>"), "bad.xml:12: unknown surface F9"},
        {MapWith(triangle, u8"<筆 id=\"H1\"><形状 idref=\"F1\"/></筆>"),
         u8"bad.xml:8: 筆 has no 地番"},
        {MapWith(triangle) + "<x/>", "bad.xml:10: malformed XML: a second root element"},
        {with(kParcel, "<x><y></x></y>" + kParcel), "malformed XML: </x> does not close <y>"},
        {with("<zmn:GM_LineString>", "<zmn:GM_LineString><!x/>"), "an unknown markup declaration"},
        {MapWith(triangle) + "text", "bad.xml:10: malformed XML: text outside the root"},
        {MapWith(triangle).substr(0, 150), "malformed XML: the file ends inside"},
        {MapWith(triangle + "<zmn:GM_Point>\n</zmn:GM_Point>\n"),
         "bad.xml:7: zmn:GM_Point has no id"},
        {MapWith(triangle + Curve("C1", "A", "B") + Surface({"C9"}), kParcel), "unknown curve C9"},
        {MapWith(Point("P0001", "0", "0") + Point("P0002", "0", "10") +
                 Curve("C01", "P0001", "P0002") + Curve("C02", "P0002", "P0012")),
         "bad.xml:7: unknown point P0012"},
        {MapWith(Curve("C1", "A", "B") + Triangle(), kParcel), ""},
        {MapWith(triangle + Curve("C1", "A", "Q") + Curve("C1", "A", "R")),
         "bad.xml:8: unknown point R"},
        {MapWith(triangle + Surface({"C9", "C8"}) + Curve("C8", "A", "Q8") +
                 Curve("C9", "A", "Q9")),
         "unknown point Q9"},
        {MapWith(triangle + Curve("C0001", "A", "B") + Surface({"C0001", "C0090"}), kParcel),
         "bad.xml:8: unknown curve C0090"},
        {MapWith(Point("A", "0", "0") + Point("B", "0", "10") + Curve("C1", "A", "B") +
                     Curve("C2", "B", "A") + Surface({"C1", "C2"}),
                 kParcel),
         "bad.xml:8: the ring has fewer than three corners"},
        {MapWith(triangle, u8"<筆 id=\"H1\"><地番>5</地番></筆>"), u8"bad.xml:8: 筆 5 has no 形状"},
        {MapWith("<zmn:GM_Point id=\"A\" x=\"1></zmn:GM_Point>\n"), "malformed XML: the file ends"},
    };
    for (const Case& c : cases) {
        std::string path = dir.Write("bad.xml", c.text);
        std::string message = InputErrorOf([&] { ReadMapXml(path); });
        EXPECT_TRUE(c.message.empty() ? message.empty()
                                      : message.find(c.message) != std::string::npos)
            << message << "\n--\n"
            << c.text;
    }
    EXPECT_NE(InputErrorOf([&] { ReadMapXml(dir.File("missing.xml")); }).find("cannot read"),
              std::string::npos);
}
} // namespace
