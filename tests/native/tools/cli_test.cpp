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

size_t Lines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(Cli, HelpAndVersionGoToStandardOutput) {
    TempDir dir;
    for (const char* args : {"--help", "-h", "paint --help", "paint -h", "box --help",
                             "box export --help", "--version"}) {
        Outcome run = Velmora(dir, args);
        EXPECT_EQ(run.status, 0) << args;
        EXPECT_TRUE(run.err.empty()) << args;
        EXPECT_NE(run.out.find("velmora"), std::string::npos) << args;
    }
    EXPECT_NE(Velmora(dir, "paint --help").out.find(u8"--bbox X1,Y1,X2,Y2"), std::string::npos);
}

TEST(Cli, UsageErrorsExitTwoAndBadDataOneWithOneLine) {
    TempDir dir;
    std::string map = "'" + kData + "/small_map.xml'";
    std::string box = "'" + kData + "/small_box.json'";
    struct Case {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {"", 2, "velmora: no command (see 'velmora --help')"},
        {"draw", 2, "unknown command 'draw'"},
        {"paint " + map, 2, "paint needs maps, --box and -o (see 'velmora paint --help')"},
        {"paint " + map + " --box " + box + " -o x.gif", 2, "-o names a .svg, .png or .pdf"},
        {"paint " + map + " --box " + box + " -o x.svg --dpi 300", 2, "--dpi applies to .png"},
        {"paint " + map + " --box " + box + " -o x.pdf --paper C4", 2, "--paper takes A0"},
        {"paint " + map + " --box " + box + " -o x.svg --bbox 1,2,3", 2, "--bbox takes"},
        {"paint " + map + " --box " + box + " -o x.svg --frobnicate", 2, "unknown option"},
        {"box show", 2, "box show takes one box file"},
        {"paint " + map + " --box " + box + " -o '" + dir.File("x.svg") + "' --attrs '" +
             dir.Write("bad.csv", u8"地番\n1-1\n1-1\n") + "'",
         1, u8"bad.csv:3: 地番 '1-1' appears twice"},
        {"box show '" + dir.Write("box.json", "{") + "'", 1, "box.json:1: malformed JSON"},
    };
    for (const Case& c : cases) {
        Outcome run = Velmora(dir, c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << "\n" << run.err;
        EXPECT_EQ(Lines(run.err), 1u) << c.args << "\n" << run.err;
        EXPECT_TRUE(run.out.empty()) << c.args;
    }
}

// Skipped rows and dates before 1970 are told on standard error; the
// picture is still painted.
TEST(Cli, SkippedRowsAndEarlyDatesAreCounted) {
    TempDir dir;
    std::string attrs = dir.Write("attrs.csv", u8"地番,登記日付\n1-1,1960-04-01\n1-2,x\n"
                                               u8"2-1,1901-12-14\n9-9,2001-01-01\n");
    Outcome run = Velmora(dir, "paint '" + kData + "/small_map.xml' --box '" + kData +
                                   "/small_box.json' -o '" + dir.File("map.svg") + "' --attrs '" +
                                   attrs + "' --skip-bad-rows");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(u8"skipped " + dir.File("attrs.csv") + ":3: bad date 'x'"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("skipped 2 bad rows of 4"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(u8"2 dates before 1970 (登記日付 2); the library matches all dates "
                           u8"before 1970 as one day"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Lines(run.err), 4u) << run.err;
}
} // namespace
