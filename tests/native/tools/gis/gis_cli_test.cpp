// The GIS commands as a user runs them: styles of a palette on its own, and
// palettes classified from the sample town's attributes. Their usage errors
// are rows of Cli.ExitStatusesAndMessages.
#include "tests/native/tools/tool_run.h"

#include <gtest/gtest.h>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;
const std::string kSample = VELMORA_SAMPLE_DIR;
const std::string kBox = Quoted(kData + "/small_box.json");

TEST(BoxStyle, QmlAndSldReadTheAttributeColumn) {
    TempDir dir;
    ToolRun run = RunVelmora(dir, "box export " + kBox + " --palette-no 2 --format qml -o " +
                                      Quoted(dir.File("area.qml")));
    ASSERT_EQ(run.status, 0) << run.err;
    std::string qml = ReadWholeFile(dir.File("area.qml"));
    EXPECT_NE(qml.find(u8"filter=\"(&quot;座標面積&quot; &gt;= 0 AND &quot;座標面積&quot; &lt;= "
                       u8"300) OR &quot;座標面積&quot; IS NULL\""),
              std::string::npos);
    EXPECT_NE(qml.find("class=\"LinePatternFill\""), std::string::npos);

    run = RunVelmora(dir, "box export " + kBox +
                              u8" --palette 地目 --format sld --field LANDUSE -o " +
                              Quoted(dir.File("landuse.sld")));
    ASSERT_EQ(run.status, 0) << run.err;
    std::string sld = ReadWholeFile(dir.File("landuse.sld"));
    EXPECT_NE(sld.find("<ogc:PropertyIsEqualTo><ogc:PropertyName>LANDUSE</ogc:PropertyName>"
                       "<ogc:Literal>3</ogc:Literal></ogc:PropertyIsEqualTo>"),
              std::string::npos);
    EXPECT_NE(sld.find("<se:WellKnownName>horline</se:WellKnownName>"), std::string::npos);
}

TEST(BoxClassify, SampleTownPalettesHaveNoDeadBrush) {
    TempDir dir;
    std::string box = Quoted(dir.File("box.json"));
    std::string attrs =
        " --attrs " + Quoted(kSample + "/town.csv") + " --codes " + Quoted(kSample + "/codes.csv");
    ToolRun run =
        RunVelmora(dir, "box classify " + box + attrs + u8" --attr 現況地目 --method unique");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dir.File("box.json") + u8": palette #1 現況地目（値別）: 14 brushes\n");
    for (const char* args :
         {u8" --attr 公簿面積 --method jenks --classes 9 --ramp Blues",
          u8" --attr 登記日付 --method quantile", u8" --attr 共有人数 --method equal --classes 2",
          u8" --attr 所有者 --method unique --ramp Paired"}) {
        run = RunVelmora(dir, "box classify " + box + attrs + args);
        ASSERT_EQ(run.status, 0) << args << run.err;
    }
    run = RunVelmora(dir, "box show " + box + " --codes " + Quoted(kSample + "/codes.csv"));
    // 宅地 is the most frequent land category of the sample town.
    EXPECT_NE(run.out.find(u8"宅地"), std::string::npos);
    EXPECT_LT(run.out.find(u8"宅地"), run.out.find(u8"畑"));
    EXPECT_NE(run.out.find(u8"公簿面積（自然分類 9）"), std::string::npos) << run.out;
    run = RunVelmora(dir, "box check " + box);
    EXPECT_EQ(run.status, 0) << run.out;

    std::string noColumn = dir.Write("no_area.csv", u8"地番,現況地目\n1-1,3\n");
    run = RunVelmora(dir, "box classify " + box + " --attrs " + Quoted(noColumn) +
                              u8" --attr 公簿面積 --method jenks");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(u8"no_area.csv:1: no column 公簿面積"), std::string::npos) << run.err;
}
} // namespace
