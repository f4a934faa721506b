// The tool as a user runs it: help, version, exit statuses and the one line
// on standard error; and each option's range, at its edges and past them.
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

// Help to standard output; 2: a command line that no file could satisfy; 1: what
// a file holds, or a name or number that it lacks; each with one line on standard error.
TEST(Cli, ExitStatusesAndMessages) {
    TempDir dir;
    std::string paint = "paint " + Quoted(kMap) + " --box " + Quoted(kBox);
    std::string out = " -o " + Quoted(dir.File("x.svg"));
    std::string attrs = dir.Write("attrs.csv", u8"地番,登記日付\n1-1,1960-04-01\n1-2,x\n"
                                               u8"2-1,1901-12-14\n9-9,2001-01-01\n");
    std::string eleven = u8"地番,登記日付\n";
    for (int i = 0; i < 11; ++i)
        eleven += "1-1,x\n";
    eleven = dir.Write("eleven.csv", eleven);
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
        {paint + out + " --palette-no 3", 1, "velmora: " + kBox + ": no palette #3; the box has 2"},
        {"box show " + Quoted(dir.Write("box.json", "{")), 1, "malformed JSON at line 1, column 2"},
        // Skipped rows and dates before 1970 are told; the picture is still painted.
        {paint + out + " --attrs " + Quoted(attrs) + " --skip-bad-rows", 0,
         u8"2 dates before 1970 (登記日付 2); the library matches all dates before 1970 as one", 4},
        {paint + out + " --attrs " + Quoted(eleven) + " --skip-bad-rows", 0,
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

// A command run in this process, as main reports it: "2: " and the usage
// error, "1: " and the input error, or "0".
std::string Outcome(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
    std::string command = words[0];
    words.erase(words.begin());
    try {
        return std::to_string(command == "paint" ? RunPaint(words) : RunBox(words));
    } catch (const UsageError& error) {
        return "2: " + error.what;
    } catch (const std::runtime_error& error) {
        return std::string("1: ") + error.what();
    }
}

// A value at the edge of its option's range is taken: the missing file that
// follows is then the fault.
TEST(Cli, OptionsAtTheirEdgesAndPast) {
    TempDir dir;
    std::string paint = "paint " + kMap + " --box " + kBox + " -o " + dir.File("x.svg");
    std::string none = "paint " + kMap + " --box none.dat -o x.";
    std::string classify = u8"box classify x.json --attrs none.csv --method equal --attr 公簿面積";
    std::string style = "box export " + kBox + " --format qml -o " + dir.File("x.qml");
    std::string box999 = dir.Write("999.json", R"({"selected": 0, "palettes": [{"name": "p",
        "attribute": 0, "carried": {"attribute": 999}, "brushes": [{"name": "b"}]}]})");
    // A box takes 100 palettes: classify fills the 100th and refuses a 101st.
    auto boxOf = [&dir](int palettes) {
        std::string list;
        for (int p = 0; p < palettes; ++p)
            list += std::string(p ? "," : "") + R"({"name": "p", "attribute": 0})";
        return dir.Write(std::to_string(palettes) + ".json", "{\"palettes\": [" + list + "]}");
    };
    std::string unique = " --attrs " + kData + u8"/small_map.csv --attr 現況地目 --method unique";
    const std::string noBox = "1: none.dat: no such palette box file";
    const std::pair<std::string, std::string> cases[] = {
        {"paint x.xml --box x.txt -o x.svg", "2: x.txt: a palette box is a .dat or a .json file"},
        {"box import x.json -o x.txt", "2: x.txt: a palette box file must end in .dat"},
        {paint + " -o x.jpg", "2: -o names a .svg, .png or .pdf file"},
        {paint + " --frob", "2: unknown option '--frob'"},
        {paint + " --palette-no 0", "2: --palette-no takes a palette number, 1 to 100"},
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
        {"box classify " + boxOf(99) + unique, "0"},
        {"box classify " + boxOf(100) + unique,
         "1: " + dir.File("100.json") + ": the box holds 100 palettes, as many as it can"},
    };
    testing::internal::CaptureStdout();
    for (const auto& [line, outcome] : cases)
        EXPECT_EQ(Outcome(line).substr(0, outcome.size()), outcome) << line;
    testing::internal::GetCapturedStdout();
}
} // namespace
