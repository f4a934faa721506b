#include "tests/native/temp_dir.h"
#include "tests/native/tools/small_map.h"
#include "tools/box/box_file.h"
#include "tools/box/box_json.h"
#include "parcels/attrs/code_book_file.h"
#include "tools/commands.h"
#include "host/sample_drawing.h"
#include "parcels/attrs/kk_attr.h"
#include "tools/map_input/map_set.h"
#include "tools/pictures/picture_file.h"
#include "tools/paint/paint_map.h"
#include "parcels/text/read_file.h"
#include "tools/pictures/svg_map.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;

// The small map's picture is fixed byte for byte. After a deliberate change of
// the picture, rewrite the golden file with VELMORA_UPDATE_GOLDEN=1 and review it.
TEST(Paint, SmallMapMatchesItsGoldenPicture) {
    SmallMap map;
    std::string svg = WriteMapSvg(map.Paint(0));
    EXPECT_EQ(svg, WriteMapSvg(map.Paint(0)));
    std::string golden = kData + "/small_map.svg";
    if (std::getenv("VELMORA_UPDATE_GOLDEN"))
        WriteWholeFile(golden, svg);
    EXPECT_EQ(svg, ReadWholeFile(golden));
}

// Areas of 400 m² fall in both ranges of 面積; the first wins.
TEST(Paint, LegendCountsAndAreasFollowTheFirstBrushThatHolds) {
    SmallMap map;
    MapPicture byCategory = map.Paint(0);
    ASSERT_EQ(byCategory.legend.size(), 4u);
    EXPECT_EQ(byCategory.fillOfParcel, (std::vector<int>{0, 1, 2, -1}));
    EXPECT_EQ(byCategory.legend[3].count, 1); // 2-2 has no row in the CSV
    EXPECT_DOUBLE_EQ(byCategory.legend[3].area, 400.0);
    EXPECT_EQ(byCategory.legend[0].fill.color, 0x8080FFu); // #ff0000 at 50 %
    EXPECT_EQ(byCategory.legend[1].fill.kind, MapFill::HATCH);
    EXPECT_EQ(byCategory.legend[1].fill.color, 0xBA832Bu); // colour number 3
    MapPicture byArea = map.Paint(1);
    EXPECT_EQ(byArea.legend[0].count, 0);
    EXPECT_EQ(byArea.legend[1].count, 4);
    EXPECT_DOUBLE_EQ(byArea.legend[1].area, 1600.0);
}

std::uint32_t BigEndian(const std::string& bytes, size_t at) {
    std::uint32_t value = 0;
    for (size_t i = at; i < at + 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

// Bad input writes nothing. The PNG has the SVG's size at 96 dpi and twice
// it at 192; a PDF on A3 turns to the picture's longer side; --bbox frames
// the picture on the area and keeps the parcels that reach into it.
TEST(Paint, CommandWritesEachFormatOrNothing) {
    TempDir dir;
    CVPaletteBox saved;
    BoxFromJson("small_box.json", ReadWholeFile(kData + "/small_box.json"), saved);
    std::string box = dir.File("box.dat"), map = kData + "/small_map.xml",
                attrs = dir.Write("attrs.csv", u8"地番,現況地目\n1-1,3\n9-9,3\n");
    SaveBox(box, saved);
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--attrs", attrs}, u8"attrs.csv:3: 地番 '9-9' is not a parcel of the maps"},
        {{"--bbox", "0,0,1,1"}, "no parcel of the maps lies in --bbox"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {map, "--box", box, "-o", dir.File("bad.svg")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::string message = InputErrorOf([&] { RunPaint(args); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
    std::string message = InputErrorOf([&] {
        RunPaint({map, "--box", dir.File("none.dat"), "-o", dir.File("bad.svg")});
    });
    EXPECT_NE(message.find("none.dat: no such palette box file"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.dat"))); // not created by the load
    EXPECT_FALSE(std::filesystem::exists(dir.File("bad.svg")));

    std::string svg = dir.File("map.svg"), png = dir.File("map.png"), png2 = dir.File("map2.png"),
                pdf = dir.File("map.pdf"), part = dir.File("part.svg");
    ASSERT_EQ(RunPaint({map, "--box", box, "--palette", u8"面積", "-o", svg}), 0);
    ASSERT_EQ(RunPaint({map, "--box", box, "-o", svg}), 0);
    ASSERT_EQ(RunPaint({map, "--box", box, "-o", png}), 0);
    ASSERT_EQ(RunPaint({map, "--box", box, "-o", png2, "--dpi", "192"}), 0);
    ASSERT_EQ(RunPaint({map, "--box", box, "-o", pdf, "--paper", "a3", "--palette-no", "1"}), 0);
    ASSERT_EQ(
        RunPaint({map, "--box", box, "-o", part, "--bbox", "-999,2001,-990,2010", "--size", "100"}),
        0);
    std::string text = ReadWholeFile(svg);
    double width = std::atof(text.c_str() + text.find("width=\"") + 7);
    double height = std::atof(text.c_str() + text.find("height=\"") + 8);
    std::string once = ReadWholeFile(png), twice = ReadWholeFile(png2);
    ASSERT_EQ(once.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
    EXPECT_EQ(BigEndian(once, 16), static_cast<std::uint32_t>(std::ceil(width)));
    EXPECT_EQ(BigEndian(once, 20), static_cast<std::uint32_t>(std::ceil(height)));
    EXPECT_EQ(BigEndian(twice, 16), static_cast<std::uint32_t>(std::ceil(width * 2)));
    ASSERT_GT(width, height);
    std::string document = ReadWholeFile(pdf);
    EXPECT_EQ(document.compare(0, 5, "%PDF-"), 0);
    EXPECT_NE(document.find("/MediaBox [ 0 0 1190.551181 841.889764 ]"), std::string::npos);
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
                                            u8"小字,15-2,中島\n人,9001,見本 太郎\n"));
    CString name;
    EXPECT_TRUE(CCodeBook::GetName(CODE_TBL_CHIMOKU, 0, 3, name));
    EXPECT_EQ(name, "宅地");
    EXPECT_TRUE(CCodeBook::GetName(CODE_TBL_KOAZA, 15, 2, name));
    EXPECT_EQ(name, "中島");
    EXPECT_TRUE(CCodeBook::GetName(CODE_TBL_PERSON, 0, 9001, name));
    EXPECT_EQ(name, "見本 太郎");
    for (const char* row : {u8"町,3,x\n", u8"小字,15,x\n", u8"地目,70000,x\n", u8"地目,3\n"}) {
        std::string message = InputErrorOf([&] {
            ReadCodeBookFile(dir.Write("codes.csv", std::string(u8"表,コード,名称\n") + row));
        });
        EXPECT_NE(message.find("codes.csv:2: "), std::string::npos) << row << message;
    }
    CCodeBook::Clear();
}
} // namespace
