#include "model/cond_text.h"
#include "parcels/text/kk_date.h"

#include "host/code_book.h"
#include "host/code_tables.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
VELMORA_Z_TYPE Cleared(WORD zty) {
    VELMORA_Z_TYPE z;
    std::memset(&z, 0, sizeof z);
    z.Zty = zty;
    return z;
}

std::int32_t Local(const char* text) {
    std::int32_t time = 0;
    EXPECT_TRUE(ParseLocalTime(text, time)) << text;
    return time;
}

// Expected texts are plain literals: code page 932, as the editor writes them.
TEST(CondText, NumbersAndDatesTakeTheEditorsFormats) {
    VELMORA_Z_TYPE z = Cleared(201);
    z.ZLong.RangeFlg = 1;
    z.ZLong.From = 10;
    z.ZLong.To = 20;
    EXPECT_EQ(VelmoraCondText(201, z), "10～20");
    z.ZLong.RangeFlg = 0;
    z.ZLong.From = -7;
    EXPECT_EQ(VelmoraCondText(200, z), "-7");

    z = Cleared(500);
    z.ZReal.From = 12.5;
    EXPECT_EQ(VelmoraCondText(500, z), "12.5000000");
    z.ZReal.RangeFlg = 1;
    z.ZReal.To = 1e300;
    EXPECT_EQ(VelmoraCondText(502, z).substr(0, 13), "12.5000000～1");

    z = Cleared(401);
    z.ZDate.From = Local("2013-04-05T23:59:00");
    EXPECT_EQ(VelmoraCondText(401, z), "2013/4/5");
    z.ZDate.RangeFlg = 1;
    z.ZDate.To = -5;
    EXPECT_EQ(VelmoraCondText(400, z), "2013/4/5～0/0/0");
    // Times before 1970 have no day; the first second of 1970 has one.
    EXPECT_EQ(VelmoraDayText(0), "1970/1/1");
    EXPECT_EQ(VelmoraDayText(-1), "0/0/0");
    EXPECT_EQ(VelmoraDayText(Local("1999-12-31T23:59:59")), "1999/12/31");
}

TEST(CondText, CodesTakeTheirCodeBookTexts) {
    CCodeBook::Clear();
    CCodeBook::SetName(106, 3, "宅地");
    CCodeBook::SetName(105, 15, "平内");
    CCodeBook::SetKoazaName(15, 2, "中島");
    VELMORA_Z_TYPE z = Cleared(102);
    z.ZCode.Code = 3;
    EXPECT_EQ(VelmoraCondText(102, z), "宅地");
    EXPECT_EQ(VelmoraCondText(103, z), "宅地");
    EXPECT_EQ(VelmoraCondText(101, z), "");
    z.ZCode.Code = R113CODEMIX(15, 2);
    EXPECT_EQ(VelmoraCondText(107, z), "平内中島");
    z.ZCode.Code = R113CODEMIX(16, 2);
    EXPECT_EQ(VelmoraCondText(107, z), "");
    z.ZCode.Code = 7;
    EXPECT_EQ(VelmoraCondText(106, z), "有り");
    z.ZCode.Code = 0;
    EXPECT_EQ(VelmoraCondText(106, z), "無し");
    CCodeBook::Clear();
}

TEST(CondText, TextsAsTheyAreAndNoTextOutsideTheCatalogue) {
    VELMORA_Z_TYPE z = Cleared(300);
    std::memset(z.ZText.Text, 'a',
                sizeof z.ZText.Text); // no NUL at all: read up to the field's end
    EXPECT_EQ(VelmoraCondText(301, z).size(), sizeof z.ZText.Text);
    std::strcpy(z.ZText.Text, "A ");
    EXPECT_EQ(VelmoraCondText(300, z), "A ");
    EXPECT_EQ(VelmoraCondText(0, z), "");
    EXPECT_EQ(VelmoraCondText(108, z), "");
    EXPECT_EQ(VelmoraCondText(402, z), "");
}
} // namespace
