#include "tests/native/temp_dir.h"
#include "tests/native/tools/small_map.h"
#include "parcels/map/kk_geometry.h"
#include "parcels/text/read_file.h"
#include "tools/paint/paint_map.h"
#include "tools/pictures/map_drawing.h"
#include "tools/pictures/picture_file.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

// The small map by its first palette: 宅地 painted #ff8080, 田 hatched in
// #2b83ba, 畑 by a hatch type without lines, and one parcel unmatched.
MapPicture SmallPicture(SmallMap& map) {
    MapPicture picture = map.Paint(0);
    picture.labels = false;
    picture.mapSize = 300.0;
    return picture;
}

// Whether a pixel within `reach` of (x, y) has the colour, give or take the
// edges' smoothing.
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

// The PNG shows each parcel in the colour the SVG gives it; a PDF of the
// same picture has the same bytes every time and no creation date.
TEST(Picture, PngAndPdfDrawTheSvgsFills) {
    TempDir dir;
    SmallMap map;
    MapPicture picture = SmallPicture(map);
    WritePicture(dir.File("map.svg"), picture, PictureOptions());
    std::string svg = ReadWholeFile(dir.File("map.svg"));
    ASSERT_NE(svg.find("fill=\"#ff8080\""), std::string::npos);
    ASSERT_NE(svg.find("stroke=\"#2b83ba\""), std::string::npos);
    PictureOptions twice;
    twice.dpi = 192.0;
    WritePicture(dir.File("map.png"), picture, twice);
    cairo_surface_t* png = cairo_image_surface_create_from_png(dir.File("map.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    MapFrame frame = LayOutMap(picture).frame;
    struct Case {
        size_t parcel;
        unsigned rgb;
        bool white; // the fill leaves white between its lines
    } cases[] = {
        {0, 0xFF8080, false}, {1, 0x2B83BA, true}, {2, 0xFFFFFF, true}, {3, 0xFFFFFF, true}};
    for (const Case& c : cases) {
        MapPoint at = LabelPoint(*picture.parcels[c.parcel]);
        double x = frame.PixelX(at) * 2.0, y = frame.PixelY(at) * 2.0;
        EXPECT_TRUE(Near(png, x, y, 24, c.rgb)) << c.parcel;
        EXPECT_EQ(Near(png, x, y, 24, 0xFFFFFF), c.white) << c.parcel;
    }
    cairo_surface_destroy(png);

    WritePicture(dir.File("a.pdf"), picture, PictureOptions());
    WritePicture(dir.File("b.pdf"), picture, PictureOptions());
    std::string pdf = ReadWholeFile(dir.File("a.pdf"));
    EXPECT_EQ(pdf, ReadWholeFile(dir.File("b.pdf")));
    EXPECT_EQ(pdf.find("/CreationDate"), std::string::npos);
}
} // namespace
