#include "tests/native/temp_dir.h"
#include "parcels/attrs/code_book_file.h"
#include "parcels/attrs/kk_attr.h"
#include "parcels/map/kk_geometry.h"
#include "parcels/text/read_file.h"
#include "tools/box/box_json.h"
#include "tools/commands.h"
#include "tools/map_input/map_set.h"
#include "tools/paint/paint_map.h"
#include "tools/pictures/cairo_canvas.h"
#include "tools/pictures/map_drawing.h"
#include "tools/pictures/picture_file.h"
#include "tools/pictures/svg_map.h"

#include "host/code_book.h"
#include "host/sample_drawing.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;

// The small map with its attributes, painted by a palette of small_box.json.
struct SmallMap {
    Progress progress;
    MapSources sources{{kData + "/small_map.xml"}};
    MapSet set = ReadMapSet(sources, nullptr, progress);
    KkAttrTable attrs;

    SmallMap() {
        KkParcelKeys keys;
        for (const MapParcel& parcel : set.parcels)
            keys.Add(parcel.oaza, parcel.chiban);
        KkAttrReport report;
        attrs = ReadKkAttrCsv(kData + "/small_map.csv", keys, KkAttrOptions(), report);
    }

    MapPicture Paint(int palette) {
        CVPaletteBox box;
        BoxFromJson("small_box.json", ReadWholeFile(kData + "/small_box.json"), box);
        box.SetSelPNo(palette);
        ZEL drawing;
        FillSampleDrawing(drawing.Attr());
        return PaintMap(set, attrs, box, drawing.Attr(), progress);
    }
};

// After a deliberate change, rewrite the picture with VELMORA_UPDATE_GOLDEN=1.
TEST(Paint, SmallMapMatchesItsGoldenPicture) {
    SmallMap map;
    std::string svg = WriteMapSvg(map.Paint(0));
    std::string golden = kData + "/small_map.svg";
    if (std::getenv("VELMORA_UPDATE_GOLDEN"))
        WriteWholeFile(golden, svg);
    EXPECT_EQ(svg, ReadWholeFile(golden));
    // Areas of 400 m² fall in both ranges of 面積; the first wins.
    MapPicture byArea = map.Paint(1);
    EXPECT_EQ(
        std::make_tuple(byArea.legend[0].count, byArea.legend[1].count, byArea.legend[1].area),
        std::make_tuple(0, 4, 1600.0));
}

// A good run leaves no partial file; a PDF on A3 turns to the picture's longer
// side; --bbox frames the picture on the area and keeps the parcels reaching it.
TEST(Paint, CommandWritesEachFormat) {
    TempDir dir;
    std::string map = kData + "/small_map.xml", box = kData + "/small_box.json";
    std::string pdf = dir.File("map.pdf"), part = dir.File("part.svg");
    ASSERT_EQ(RunPaint({map, "--box", box, "-o", pdf, "--paper", "a3", "--palette-no", "1"}), 0);
    ASSERT_EQ(
        RunPaint({map, "--box", box, "-o", part, "--bbox", "-999,2001,-990,2010", "--size", "100"}),
        0);
    EXPECT_NE(ReadWholeFile(pdf).find("/MediaBox [ 0 0 1190.551181 841.889764 ]"),
              std::string::npos);
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("")))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
    std::string framed = ReadWholeFile(part);
    EXPECT_NE(framed.find(u8"筆数 1 "), std::string::npos);
    EXPECT_NE(framed.find("<clipPath id=\"frame\"><rect x=\"24.00\" y=\"96.00\" width=\"100.00\" "
                          "height=\"100.00\"/>"),
              std::string::npos);
}

TEST(Paint, CodeBookFileFillsTheHostsCodeBook) {
    TempDir dir;
    CCodeBook::Clear();
    ReadCodeBookFile(dir.Write("codes.csv", u8"表,コード,名称\n地目,3,宅地\n105,15,平内\n"
                                            u8"小字,15-2,中島\n人,65535,見本 太郎\n"));
    for (auto [table, group, code, text] : {std::tuple{CODE_TBL_CHIMOKU, 0, 3, "宅地"},
                                            {CODE_TBL_KOAZA, 15, 2, "中島"},
                                            {CODE_TBL_PERSON, 0, 65535, "見本 太郎"}}) {
        CString name;
        EXPECT_TRUE(CCodeBook::GetName(table, group, code, name) && name == text) << text;
    }
    for (const char* row :
         {u8"町,3,x\n", u8"小字,15,x\n", u8"地目,65536,x\n", u8"地目,3\n", u8"小字,15-,x\n"}) {
        std::string message = InputErrorOf([&] {
            ReadCodeBookFile(dir.Write("codes.csv", std::string(u8"表,コード,名称\n") + row));
        });
        EXPECT_NE(message.find("codes.csv:2: "), std::string::npos) << row << message;
    }
    CCodeBook::Clear();
}
// Whether a pixel within `reach` of (x, y) has the colour, give or take smoothing.
bool Near(cairo_surface_t* png, double x, double y, int reach, unsigned rgb) {
    const unsigned char* data = cairo_image_surface_get_data(png);
    int stride = cairo_image_surface_get_stride(png);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const unsigned char* p = data + (static_cast<int>(y) + dy) * stride +
                                     (static_cast<int>(x) + dx) * 4; // B, G, R, A
            if (std::abs(p[2] - static_cast<int>(rgb >> 16 & 0xFF)) < 24 &&
                std::abs(p[1] - static_cast<int>(rgb >> 8 & 0xFF)) < 24 &&
                std::abs(p[0] - static_cast<int>(rgb & 0xFF)) < 24)
                return true;
        }
    return false;
}

// The PNG at 192 dpi is twice the SVG and colours each parcel alike; a PDF
// has the same bytes every time, without a creation date.
TEST(Picture, PngAndPdfDrawTheSvgsFills) {
    TempDir dir;
    SmallMap map;
    MapPicture picture = map.Paint(0);
    picture.labels = false;
    picture.mapSize = 300.0;
    WritePicture(dir.File("map.svg"), picture, PictureOptions());
    std::string svg = ReadWholeFile(dir.File("map.svg"));
    PictureOptions twice;
    twice.dpi = 192.0;
    WritePicture(dir.File("map.png"), picture, twice);
    cairo_surface_t* png = cairo_image_surface_create_from_png(dir.File("map.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    double width = std::atof(svg.c_str() + svg.find("width=\"") + 7);
    double height = std::atof(svg.c_str() + svg.find("height=\"") + 8);
    EXPECT_EQ(cairo_image_surface_get_width(png), static_cast<int>(std::ceil(width * 2)));
    EXPECT_EQ(cairo_image_surface_get_height(png), static_cast<int>(std::ceil(height * 2)));
    MapFrame frame = LayOutMap(picture).frame;
    // 宅地 painted, 田 hatched, 畑 by a hatch type without lines, one unmatched.
    const std::pair<unsigned, bool> parcels[] = {
        {0xFF8080, false}, {0x2B83BA, true}, {0xFFFFFF, true}, {0xFFFFFF, true}};
    for (size_t p = 0; p < std::size(parcels); ++p) {
        MapPoint at = LabelPoint(*picture.parcels[p]);
        double x = frame.PixelX(at) * 2.0, y = frame.PixelY(at) * 2.0;
        EXPECT_TRUE(Near(png, x, y, 24, parcels[p].first)) << p;
        EXPECT_EQ(Near(png, x, y, 24, 0xFFFFFF), parcels[p].second) << p;
    }
    cairo_surface_destroy(png);

    WritePicture(dir.File("a.pdf"), picture, PictureOptions());
    WritePicture(dir.File("b.pdf"), picture, PictureOptions());
    std::string pdf = ReadWholeFile(dir.File("a.pdf"));
    EXPECT_EQ(pdf, ReadWholeFile(dir.File("b.pdf")));
    EXPECT_EQ(pdf.find("/CreationDate"), std::string::npos);
}
// A square of 4 pixels drawn on `surface` with its outline, with `corner`
// after its first corner; the surface's pixels, replayed a hundred times the
// size onto an image when it is a recording.
std::vector<unsigned char> SquareWith(cairo_surface_t* surface, double cornerX, double cornerY) {
    auto at = [](double x, double y) { return MapPoint{10.0 - y, x}; };
    std::vector<MapRing> rings{
        {at(1, 1), at(cornerX, cornerY), at(5, 1), at(5, 5), at(1, 5), at(1, 1)}};
    cairo_t* cr = cairo_create(surface);
    {
        CairoCanvas canvas(cr);
        canvas.Begin(6.0, 6.0, {});
        PictureStyle outline;
        outline.stroke = "#000";
        outline.strokeWidth = "0.6";
        canvas.BeginGroup(outline, nullptr);
        canvas.Path(rings, MapFrame{{0.0, 0.0, 10.0, 10.0}, 1.0, 0.0, 0.0}, -1);
        canvas.EndGroup();
        canvas.End();
    }
    cairo_destroy(cr);
    cairo_surface_t* image = surface;
    if (cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_RECORDING) {
        image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 600, 600);
        cairo_t* replay = cairo_create(image);
        cairo_scale(replay, 100.0, 100.0);
        cairo_set_source_surface(replay, surface, 0.0, 0.0);
        cairo_paint(replay);
        cairo_destroy(replay);
    }
    cairo_surface_flush(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    std::vector<unsigned char> pixels(data, data + cairo_image_surface_get_stride(image) *
                                                       cairo_image_surface_get_height(image));
    if (image != surface)
        cairo_surface_destroy(image);
    cairo_surface_destroy(surface);
    return pixels;
}

// A PNG leaves out a vertex within a twentieth of a pixel of the one before
// it, which no eye can tell; a PDF keeps every vertex, as it may be zoomed.
TEST(Picture, OnlyRasterPicturesLeaveOutVerticesTooCloseToSee) {
    auto image = [] { return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 6, 6); };
    auto vector = [] { return cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr); };
    // The second corner on the first, then just off it, then a fifth of a pixel off.
    std::vector<unsigned char> plain = SquareWith(image(), 1.0, 1.0);
    EXPECT_EQ(SquareWith(image(), 1.04, 0.96), plain);
    EXPECT_NE(SquareWith(image(), 1.2, 0.8), plain);
    EXPECT_NE(SquareWith(vector(), 1.04, 0.96), SquareWith(vector(), 1.0, 1.0));
}
} // namespace
