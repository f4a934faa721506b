// The tool as a user runs it: help, version, exit statuses and the one line
// on standard error.
#include "tests/native/temp_dir.h"
#include "parcels/text/read_file.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Velmora(const TempDir& dir, const std::string& args) {
    std::string command = std::string("'") + VELMORA_TOOL + "' " + args + " >'" + dir.File("out") +
                          "' 2>'" + dir.File("err") + "'";
    int status = std::system(command.c_str());
    return Outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(dir.File("out")),
                   ReadWholeFile(dir.File("err"))};
}

// Help to standard output; 2: a command line that no file could satisfy; 1: what
// a file holds, or a name or number that it lacks; each with one line on standard error.
TEST(Cli, ExitStatusesAndMessages) {
    TempDir dir;
    std::string paint = "paint '" + kData + "/small_map.xml' --box '" + kData + "/small_box.json'";
    std::string out = " -o '" + dir.File("x.svg") + "'";
    std::string box = " '" + dir.File("box.dat") + "'";
    std::string box999 = dir.Write("999.json", R"({"selected": 0, "palettes": [{"name": "p",
        "attribute": 0, "carried": {"attribute": 999}, "brushes": [{"name": "b"}]}]})");
    std::string attrs = dir.Write("attrs.csv", u8"地番,登記日付\n1-1,1960-04-01\n1-2,x\n"
                                               u8"2-1,1901-12-14\n9-9,2001-01-01\n");
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
        {"paint x.xml --box x.txt -o x.svg", 2, "x.txt: a palette box is a .dat or a .json file"},
        {"box import x.json -o x.txt", 2, "x.txt: a palette box file must end in .dat"},
        {paint + " -o x.jpg", 2, "-o names a .svg, .png or .pdf"},
        {paint + " -o x.svg --frob" + std::string(100, 'b'), 2, "unknown option '--frob"},
        {paint + out + " --palette-no 101", 2, "--palette-no takes a palette number, 1 to 100"},
        {paint + out + " --palette-no 3", 1, "small_box.json: no palette #3; the box has 2"},
        {paint + out + " --palette nosuch", 1, "small_box.json: no palette named 'nosuch'"},
        {"paint '" + kData + "/small_map.xml' --box '" + box999 + "'" + out, 1,
         "has the unknown attribute ID 999"},
        {paint + out + " --attrs '" + dir.Write("bad.csv", u8"地番\n1-1\n1-1\n") + "'", 1,
         u8"bad.csv:3: 地番 '1-1' appears twice"},
        {"box show '" + dir.Write("box.json", "{") + "'", 1, "malformed JSON at line 1, column 2"},
        // Skipped rows and dates before 1970 are told; the picture is still painted.
        {paint + out + " --attrs '" + attrs + "' --skip-bad-rows", 0,
         u8"2 dates before 1970 (登記日付 2); the library matches all dates before 1970 as one", 4},
        // A palette that classify appends is selected: paint needs no --palette.
        {"box classify" + box + " --attrs '" + kData +
             u8"/small_map.csv' --attr 現況地目 --method unique",
         0, "", 0},
        {"paint '" + kData + "/small_map.xml' --box" + box + out, 0, "", 0},
    };
    for (const Case& c : cases) {
        Outcome run = Velmora(dir, c.args);
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
        EXPECT_NE((run.out + run.err).find(c.message), std::string::npos) << c.args << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), c.lines) << c.args << run.err;
        EXPECT_TRUE(run.status == 0 || run.out.empty()) << c.args;
    }
}
} // namespace
