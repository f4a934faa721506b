// The brushes of hatch fills: line patterns of each type at a spacing in
// pixels within what a screen shows, and no pattern for types without one.
#include "app/fill_brush.h"
#include "tests/win/ui/dib_picture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
const COLORREF kRed = RGB(255, 0, 0);

MapFill Hatch(int type) {
    MapFill fill;
    fill.kind = MapFill::HATCH;
    fill.color = kRed;
    fill.hatchType = type;
    return fill;
}

// Fills a picture with the brush of the fill, its pattern starting at the
// top left.
void FillWith(DibPicture& picture, const MapFill& fill, double spacing) {
    HBRUSH brush = CreateFillBrush(fill, spacing);
    ASSERT_NE(brush, nullptr) << fill.hatchType << " " << spacing;
    picture.Fill(RGB(0, 255, 0));
    RECT all = {0, 0, picture.Width(), picture.Height()};
    ::SetBrushOrgEx(picture.Dc(), 0, 0, nullptr);
    ::FillRect(picture.Dc(), &all, brush);
    ::DeleteObject(brush);
}

TEST(FillBrushTest, EachPatternTypeDrawsItsLinesAtTheSpacing) {
    // Diagonal lines 10 pixels apart cross a row every 14 pixels (10 × √2).
    const struct {
        int type;
        bool (*onLine)(int x, int y);
    } cases[] = {
        {0, [](int, int y) { return y % 10 == 0; }},
        {1, [](int x, int) { return x % 10 == 0; }},
        {2, [](int x, int y) { return (x - y + 140) % 14 == 0; }},
        {3, [](int x, int y) { return (x + y) % 14 == 13; }},
        {4, [](int x, int y) { return x % 10 == 0 || y % 10 == 0; }},
        {5, [](int x, int y) { return (x - y + 140) % 14 == 0 || (x + y) % 14 == 13; }},
    };
    DibPicture picture(56, 56);
    for (const auto& c : cases) {
        FillWith(picture, Hatch(c.type), 10.0);
        for (int y = 0; y < 56; ++y)
            for (int x = 0; x < 56; ++x)
                ASSERT_EQ(picture.At(x, y), c.onLine(x, y) ? kRed : RGB(255, 255, 255))
                    << "type " << c.type << " at " << x << "," << y;
    }
    EXPECT_EQ(CreateFillBrush(Hatch(6), 10.0), nullptr);
    EXPECT_EQ(CreateFillBrush(MapFill(), 10.0), nullptr);
}

TEST(FillBrushTest, LinesLieFromTwoTo4096PixelsApartWhateverTheSpacing) {
    const struct {
        double spacing;
        int period;
    } cases[] = {{-3.0, 2}, {0.0, 2}, {0.4, 2},    {std::nan(""), 2},
                 {2.0, 2},  {3.4, 3}, {1e12, 4096}};
    DibPicture picture(1, 4100);
    for (const auto& c : cases) {
        FillWith(picture, Hatch(0), c.spacing);
        for (int y : {0, 1, c.period / 2, c.period - 1, c.period})
            EXPECT_EQ(picture.At(0, y) == kRed, y % c.period == 0) << c.spacing << " row " << y;
    }
}
} // namespace
