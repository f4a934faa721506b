// Conditions as the editor writes them, code page 932.
#include "model/cond_text.h"
#include "parcels/text/kk_date.h"
#include "tests/native/tools/condition.h"

#include "host/code_book.h"

#include <gtest/gtest.h>

namespace {
std::int32_t Local(const char* text) {
    std::int32_t time = 0;
    EXPECT_TRUE(ParseLocalTime(text, time)) << text;
    return time;
}

TEST(CondText, EachKindInTheEditorsFormat) {
    CCodeBook::Clear();
    CCodeBook::SetName(106, 3, "宅地");
    CCodeBook::SetName(105, 15, "平内");
    CCodeBook::SetKoazaName(15, 2, "中島");
    const double day = Local("2013-04-05T23:59:00");
    const double hiranai = R113CODEMIX(15, 2);
    const std::string full(sizeof(VELMORA_ZTEXT::Text), 'a'); // no NUL: up to the field's end
    struct Case {
        WORD zty;
        DWORD range;
        double from, to;
        std::string text;
        std::string expected;
        bool start = false; // the text only starts so
    } cases[] = {
        {201, 1, 10, 20, "", "10～20"},
        {200, 0, -7, 99, "", "-7"},
        {500, 0, 12.5, 0, "", "12.5000000"},
        {502, 1, 12.5, 1e300, "", "12.5000000～1", true},
        {401, 0, day, 0, "", "2013/4/5"},
        {400, 1, day, -5, "", "2013/4/5～0/0/0"},
        {102, 0, 3, 0, "", "宅地"},
        {103, 0, 3, 0, "", "宅地"},
        {101, 0, 3, 0, "", ""},
        {107, 0, hiranai, 0, "", "平内中島"},
        {107, 0, hiranai + 65536, 0, "", ""},
        {106, 0, 7, 0, "", "有り"},
        {106, 0, 0, 0, "", "無し"},
        {301, 0, 0, 0, full, full},
        {300, 0, 0, 0, "A ", "A "},
        {0, 0, 0, 0, "A ", ""},   // no attribute
        {108, 0, 0, 0, "A ", ""}, // IDs the catalogue lacks
        {402, 0, 0, 0, "A ", ""},
    };
    for (const Case& c : cases) {
        std::string text = VelmoraCondText(c.zty, Condition(c.zty, c.range, c.from, c.to, c.text));
        EXPECT_EQ(c.start ? text.substr(0, c.expected.size()) : text, c.expected) << c.zty;
    }
    CCodeBook::Clear();
    // Times before 1970 have no day; the first second of 1970 has one.
    EXPECT_EQ(VelmoraDayText(0), "1970/1/1");
    EXPECT_EQ(VelmoraDayText(-1), "0/0/0");
    EXPECT_EQ(VelmoraDayText(Local("1999-12-31T23:59:59")), "1999/12/31");
}
} // namespace
