#include "tests/native/tools/tool_run.h"
#include "tools/commands.h"
#include "tools/common/tool_args.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;
const std::string kMap = kData + "/small_map.xml", kBox = kData + "/small_box.json";

// 2: a command line no file could satisfy; 1: what a file holds or lacks.
TEST(Cli, ExitStatusesAndMessages) {
    TempDir dir;
    std::string paint = "paint " + Quoted(kMap) + " --box " + Quoted(kBox);
    std::string out = " -o " + Quoted(dir.File("x.svg"));
    std::string attrs = dir.Write("attrs.csv", u8"地番,登記日付\n1-1,1960-04-01\n1-2,x\n"
                                               u8"2-1,1901-12-14\n9-9,2001-01-01\n");
    auto badRows = [&dir](int rows) {
        std::string csv = u8"地番,登記日付\n" + Repeated("1-1,x", rows, "\n") + "\n";
        return Quoted(dir.Write(std::to_string(rows) + ".csv", csv));
    };
    struct Case {
        std::string args;
        int status;
        std::string message;
        long lines = 1;
    } cases[] = {
        {"--help", 0, "usage: velmora paint", 0},
        {"--version", 0, "velmora ", 0},
        {"", 2, "velmora: no command (see 'velmora --help')"},
        {"frob" + std::string(100, 'b'), 2,
         "unknown command 'frob" + std::string(36, 'b') + "'..."},
        {"box frob", 2, "unknown box command 'frob'; box takes show, export, import, check or"},
        {paint + out + " --palette-no 101", 2,
         "--palette-no takes a palette number, 1 to 100 (see 'velmora paint --help')"},
        {"box show " + Quoted(dir.Write("box.json", "{")), 1, "malformed JSON at line 1, column 2"},
        // Skipped rows and dates before 1970 are told; the picture is still painted.
        {paint + out + " --attrs " + Quoted(attrs) + " --skip-bad-rows", 0,
         u8"2 dates before 1970 (登記日付 2); the library matches all dates before 1970 as one", 4},
        {paint + out + " --attrs " + badRows(10) + " --skip-bad-rows", 0,
         "skipped 10 bad rows of 10\n", 11},
        {paint + out + " --attrs " + badRows(11) + " --skip-bad-rows", 0,
         "skipped 11 bad rows of 11 (the first 10 shown)", 11},
        // A palette that classify appends is selected: paint needs no --palette.
        {"box classify " + Quoted(dir.File("box.dat")) + " --attrs " +
             Quoted(kData + "/small_map.csv") + u8" --attr 現況地目 --method unique",
         0, "", 0},
        {"paint " + Quoted(kMap) + " --box " + Quoted(dir.File("box.dat")) + out, 0, "", 0},
    };
    for (const Case& c : cases) {
        ToolRun run = RunVelmora(dir, c.args);
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
        EXPECT_NE((run.out + run.err).find(c.message), std::string::npos) << c.args << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), c.lines) << c.args << run.err;
        EXPECT_TRUE(run.status == 0 || run.out.empty()) << c.args;
    }
}

// A command run in this process: "status: " and its error or what it printed.
std::string Outcome(const std::string& line) {
    std::istringstream in(line);
    std::string command;
    in >> command;
    std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
    testing::internal::CaptureStdout();
    std::string outcome;
    try {
        outcome = std::to_string(command == "paint"    ? RunPaint(words)
                                 : command == "export" ? RunExport(words)
                                                       : RunBox(words)) +
                  ": ";
    } catch (const UsageError& error) {
        outcome = "2: " + error.what;
    } catch (const std::runtime_error& error) {
        outcome = std::string("1: ") + error.what();
    }
    return outcome + testing::internal::GetCapturedStdout();
}

// A value at the edge of its range is taken: the missing file is then the fault.
// The sample town's palettes have no dead brush; 宅地 is its commonest category.
TEST(Cli, OptionsAtTheirEdgesAndPast) {
    TempDir dir;
    std::string paint = "paint " + kMap + " --box " + kBox + " -o " + dir.File("x.svg");
    std::string none = "paint " + kMap + " --box none.dat -o x.";
    std::string bad = "paint " + kMap + " --box " + kBox + " -o " + dir.File("bad.svg");
    std::string classify = u8"box classify x.json --attrs none.csv --method equal --attr 公簿面積";
    std::string style = "box export " + kBox + " --format qml -o " + dir.File("x.qml");
    std::string box999 = kData + "/unknown_attribute.json";
    // A box takes 100 palettes: classify fills the 100th and refuses a 101st.
    auto boxOf = [&dir](int palettes) {
        std::string list = Repeated(R"({"name": "p", "attribute": 0})", palettes);
        return dir.Write(std::to_string(palettes) + ".json", "{\"palettes\": [" + list + "]}");
    };
    std::string unique = " --attrs " + kData + u8"/small_map.csv --attr 現況地目 --method unique";
    std::string clean = kData + "/check_clean.json", shadowed = kData + "/check_shadowed.json";
    std::string town = dir.File("town.json"), sample = VELMORA_SAMPLE_DIR;
    // Exports that write nothing: a GeoPackage colours by one palette of brushes.
    std::string gpkg = " -o " + dir.File("out.gpkg"),
                attrs = " --attrs " + kData + "/small_map.csv";
    std::string odd = "export " + kMap + gpkg + " --box " + kData + "/odd_palettes.json";
    auto mapIn = [&dir](const std::string& name, const std::string& crs) {
        std::string map = ReadWholeFile(kData + "/small_map.xml");
        map.replace(map.find(u8"公共座標9系"), std::string(u8"公共座標9系").size(), crs);
        return "export " + dir.Write(name, map) + " --box " + kBox + " --palette-no 2 -o " +
               dir.File("out.gpkg");
    };
    std::string codes = " --codes " + sample + "/codes.csv";
    std::string byTown = "box classify " + town + " --attrs " + sample + "/town.csv" + codes;
    const std::string noBox = "1: none.dat: no such palette box file";
    const std::pair<std::string, std::string> cases[] = {
        {"paint x.xml --box x.txt -o x.svg", "2: x.txt: a palette box is a .dat or a .json file"},
        {"box import x.json -o x.txt", "2: x.txt: a palette box file must end in .dat"},
        {paint + " -o x.jpg", "2: -o names a .svg, .png or .pdf file"},
        {paint + " --frob", "2: unknown option '--frob'"},
        {paint + " --palette-no 0", "2: --palette-no takes a palette number, 1 to 100"},
        {paint + " --palette-no 2", "0: "},
        {paint + " --palette-no 100", "1: " + kBox + ": no palette #100; the box has 2"},
        {paint + " --palette nosuch", "1: " + kBox + ": no palette named 'nosuch'"},
        {none + "png --dpi 23", "2: --dpi takes dots per inch, 24 to 2400"},
        {none + "png --dpi 24", noBox},
        {none + "png --dpi 2400", noBox},
        {none + "png --dpi 2401", "2: --dpi takes dots per inch, 24 to 2400"},
        {none + "svg --size 99", "2: --size takes the map's longer side in pixels, 100 to 20000"},
        {none + "svg --size 100", noBox},
        {none + "svg --size 20000", noBox},
        {none + "svg --size 20001", "2: --size takes the map's longer side in pixels, 100 to"},
        {none + "pdf --paper a0", noBox},
        {none + "pdf --paper B6", noBox},
        {none + "pdf --paper a7", "2: --paper takes A0 to A6 or B0 to B6"},
        {none + "svg --bbox 0,0,0,1", "2: --bbox needs an area, not a line or point"},
        {none + "svg --bbox 0,0,1,1x", "2: --bbox takes X1,Y1,X2,Y2 in metres"},
        {bad + " --attrs " + dir.Write("9-9.csv", u8"地番,現況地目\n1-1,3\n9-9,3\n"),
         u8"1: " + dir.File("9-9.csv") + u8":3: 地番 '9-9' is not a parcel of the maps"},
        {bad + " --bbox 0,0,1,1", "1: no parcel of the maps lies in --bbox"},
        {"paint " + kMap + " --box " + box999 + " -o x.svg",
         "1: " + box999 + ": palette 'p' has the unknown attribute ID 999"},
        {paint + " --attrs " + dir.Write("bad.csv", u8"地番\n1-1\n1-1\n"),
         "1: " + dir.File("bad.csv") + u8":3: 地番 '1-1' appears twice"},
        {style + " --palette-no 0", "2: --palette-no takes a palette number, 1 to 100"},
        {style + " --palette-no 3", "1: " + kBox + ": no palette #3; the box has 2"},
        {style + u8" --palette 畑", "1: " + kBox + u8": no palette named '畑'"},
        {"box export " + kBox + " --format svg -o x", "2: --format takes qml or sld"},
        {"box export " + kBox + " --format qml", "2: box export --format needs -o FILE"},
        {classify + " --classes 1", "2: --classes takes a number of ranges, 2 to 9"},
        {classify + " --classes 2", "1: none.csv: cannot read the file"},
        {classify + " --classes 9 --ramp Blues", "1: none.csv: cannot read the file"},
        {classify + " --classes 10", "2: --classes takes a number of ranges, 2 to 9"},
        {classify + " --ramp Set1", "2: ranges take a sequential or diverging ramp"},
        {classify + " --ramp Rainbow", "2: --ramp takes one of YlOrRd"},
        {classify + " --method unique", u8"2: 公簿面積 has ranges"},
        {u8"box classify x.json --attrs none.csv --method jenks --attr 現況地目",
         u8"2: 現況地目 has codes or texts"},
        {u8"box classify x.json --attrs none.csv --method jenks --attr 座標面積",
         u8"2: classify takes an attribute of the attribute CSV; the maps give 座標面積"},
        {u8"box classify x.json --attrs none.csv --method jenks --attr 面積",
         u8"2: --attr names no attribute: '面積'"},
        {"box classify x.json --attrs " + dir.Write("no_area.csv", u8"地番,現況地目\n1-1,3\n") +
             u8" --attr 公簿面積 --method jenks",
         "1: " + dir.File("no_area.csv") + u8":1: no column 公簿面積"},
        {"box classify " + boxOf(99) + unique, "0: "},
        {"box classify " + boxOf(100) + unique,
         "1: " + dir.File("100.json") + ": the box holds 100 palettes, as many as it can"},
        {odd + attrs, u8"1: " + kData + u8"/odd_palettes.json: palette '空' has no brush"},
        {odd + " --palette-no 2 --attrs " + dir.File("no_area.csv"),
         u8"1: no_area.csv:1: no column 立会日付, by which palette '日付' colours"},
        {odd + " --palette-no 2",
         u8"1: palette '日付' colours by 立会日付, which the maps do not give; add --attrs"},
        {odd + " --palette-no 3", u8"1: palette '自由' is a free palette"},
        {mapIn("20.xml", u8"公共座標20系"), u8"1: unknown 座標系 '公共座標20系'"},
        {mapIn("none.xml", ""), "1: " + dir.File("none.xml") + u8": the map names no 座標系"},
        {"export " + kMap + " --box " + kBox + " -o x.shp", "2: -o names a .gpkg file"},
        {"box check " + clean, "0: " + clean + ": no brush is shadowed"},
        {"box check " + shadowed,
         "1: " + shadowed + ": palette #1 p, brush #2 4: covered by earlier #1, which always win"},
        {byTown + u8" --attr 現況地目 --method unique",
         "0: " + town + u8": palette #1 現況地目（値別）: 14 brushes\n"},
        {byTown + u8" --attr 公簿面積 --method jenks --classes 9 --ramp Blues", "0: "},
        {byTown + u8" --attr 登記日付 --method quantile", "0: "},
        {byTown + u8" --attr 共有人数 --method equal --classes 2", "0: "},
        {byTown + u8" --attr 所有者 --method unique --ramp Paired", "0: "},
        {"box check " + town, "0: " + town + ": no brush is shadowed"},
        {"box export " + town + u8" --palette 現況地目（値別） --format sld --field LANDUSE -o " +
             dir.File("landuse.sld"),
         "0: "},
    };
    for (const auto& [line, outcome] : cases) {
        std::string got = Outcome(line);
        EXPECT_EQ(got.substr(0, 3), outcome.substr(0, 3)) << line << "\n" << got;
        EXPECT_NE(got.find(outcome.substr(3)), std::string::npos) << line << "\n" << got;
    }
    // Nothing is left of a failed output; a missing box is not made by loading it.
    for (const std::string& left : {dir.File("out.gpkg"), dir.File("out.gpkg.part"),
                                    dir.File("bad.svg"), std::string("none.dat")})
        EXPECT_FALSE(std::filesystem::exists(left)) << left;
    std::string shown = Outcome("box show " + town + codes);
    EXPECT_LT(shown.find(u8"宅地"), shown.find(u8"畑"));
    EXPECT_NE(shown.find(u8"公簿面積（自然分類 9）"), std::string::npos) << shown;
    EXPECT_NE(ReadWholeFile(dir.File("landuse.sld")).find("<ogc:PropertyName>LANDUSE<"),
              std::string::npos);
}
} // namespace
