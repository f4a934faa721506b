#include "temp_dir.h"
#include "tools/box_file.h"
#include "tools/box_json.h"
#include "tools/attr_input/code_book_file.h"
#include "tools/commands.h"
#include "host/sample_drawing.h"
#include "tools/attr_input/kk_attr.h"
#include "tools/map_input/map_xml.h"
#include "tools/paint_map.h"
#include "tools/common/read_file.h"
#include "tools/svg_map.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;

KkAttrTable ReadSmallAttrs(const KkMap& map) {
    KkParcelKeys keys;
    for (const MapParcel& parcel : map.parcels)
        keys.Add(parcel.oaza, parcel.chiban);
    KkAttrReport report;
    return ReadKkAttrCsv(kData + "/small_map.csv", keys, KkAttrOptions(), report);
}

std::string PaintSmallMap(int palette) {
    KkMap map = ReadMapXml(kData + "/small_map.xml");
    KkAttrTable attrs = ReadSmallAttrs(map);
    CVPaletteBox box;
    BoxFromJson("small_box.json", ReadWholeFile(kData + "/small_box.json"), box);
    box.SetSelPNo(palette);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    return WriteMapSvg(PaintMap(map, attrs, box, drawing.Attr()));
}

// The small map's picture is fixed byte for byte. After a deliberate change of
// the picture, rewrite the golden file with VELMORA_UPDATE_GOLDEN=1 and review it.
TEST(Paint, SmallMapMatchesItsGoldenPicture) {
    std::string svg = PaintSmallMap(0);
    EXPECT_EQ(svg, PaintSmallMap(0));
    std::string golden = kData + "/small_map.svg";
    if (std::getenv("VELMORA_UPDATE_GOLDEN"))
        WriteWholeFile(golden, svg);
    EXPECT_EQ(svg, ReadWholeFile(golden));
}

TEST(Paint, LegendCountsAndAreasFollowTheFirstBrushThatHolds) {
    KkMap map = ReadMapXml(kData + "/small_map.xml");
    KkAttrTable attrs = ReadSmallAttrs(map);
    CVPaletteBox box;
    BoxFromJson("small_box.json", ReadWholeFile(kData + "/small_box.json"), box);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());

    box.SetSelPNo(0);
    MapPicture byCategory = PaintMap(map, attrs, box, drawing.Attr());
    ASSERT_EQ(byCategory.legend.size(), 4u);
    EXPECT_EQ(byCategory.fillOfParcel, (std::vector<int>{0, 1, 2, -1}));
    EXPECT_EQ(byCategory.legend[3].count, 1); // 2-2 has no row in the CSV
    EXPECT_DOUBLE_EQ(byCategory.legend[3].area, 400.0);
    EXPECT_EQ(byCategory.legend[0].fill.color, 0x8080FFu); // #ff0000 at 50 %
    EXPECT_EQ(byCategory.legend[1].fill.kind, MapFill::HATCH);
    EXPECT_EQ(byCategory.legend[1].fill.color, drawing.Attr().GetColor(3));

    // Areas of 400 m² fall in both ranges; the first wins.
    box.SetSelPNo(1);
    MapPicture byArea = PaintMap(map, attrs, box, drawing.Attr());
    EXPECT_EQ(byArea.legend[0].count, 0);
    EXPECT_EQ(byArea.legend[1].count, 4);
    EXPECT_DOUBLE_EQ(byArea.legend[1].area, 1600.0);
}

TEST(Paint, BadInputWritesNothing) {
    TempDir dir;
    std::string out = dir.File("map.svg");
    std::string attrs = dir.Write("attrs.csv", u8"地番,現況地目\n1-1,3\n9-9,3\n");
    std::string box = dir.File("box.dat");
    CVPaletteBox saved;
    BoxFromJson("small_box.json", ReadWholeFile(kData + "/small_box.json"), saved);
    SaveBox(box, saved);

    std::string message = InputErrorOf([&] {
        RunPaint({kData + "/small_map.xml", "--box", box, "--attrs", attrs, "-o", out});
    });
    EXPECT_NE(message.find(u8"attrs.csv:3: 地番 '9-9' is not a parcel of the maps"),
              std::string::npos)
        << message;
    EXPECT_FALSE(std::filesystem::exists(out));

    message = InputErrorOf([&] {
        RunPaint({kData + "/small_map.xml", "--box", dir.File("none.dat"), "-o", out});
    });
    EXPECT_NE(message.find("none.dat: no such palette box file"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.dat"))); // not created by the load

    message = InputErrorOf([&] {
        RunPaint({kData + "/small_map.xml", "--box", box, "--palette", "nothing", "-o", out});
    });
    EXPECT_NE(message.find("no palette named 'nothing'"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(out));

    EXPECT_EQ(RunPaint({kData + "/small_map.xml", "--box", box, "--palette", u8"面積", "-o", out}),
              0);
    EXPECT_TRUE(std::filesystem::exists(out));
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
