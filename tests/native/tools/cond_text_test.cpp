// Conditions as the editor writes them; expected texts are plain literals,
// code page 932, as the editor writes them.
#include "model/cond_text.h"
#include "parcels/text/kk_date.h"

#include "host/code_book.h"
#include "host/code_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <algorithm>

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
    // The condition is set as `kind` lays it out: Long, Real, Date, Code or Text.
    struct Case {
        WORD zty;
        char kind;
        DWORD range;
        double from, to;
        std::string text;
        std::string expected;
        bool start = false; // the text only starts so
    } cases[] = {
        {201, 'L', 1, 10, 20, "", "10～20"},
        {200, 'L', 0, -7, 99, "", "-7"},
        {500, 'R', 0, 12.5, 0, "", "12.5000000"},
        {502, 'R', 1, 12.5, 1e300, "", "12.5000000～1", true},
        {401, 'D', 0, day, 0, "", "2013/4/5"},
        {400, 'D', 1, day, -5, "", "2013/4/5～0/0/0"},
        {102, 'C', 0, 3, 0, "", "宅地"},
        {103, 'C', 0, 3, 0, "", "宅地"},
        {101, 'C', 0, 3, 0, "", ""},
        {107, 'C', 0, hiranai, 0, "", "平内中島"},
        {107, 'C', 0, hiranai + 65536, 0, "", ""},
        {106, 'C', 0, 7, 0, "", "有り"},
        {106, 'C', 0, 0, 0, "", "無し"},
        {301, 'T', 0, 0, 0, full, full},
        {300, 'T', 0, 0, 0, "A ", "A "},
        {0, 'T', 0, 0, 0, "A ", ""},
        {108, 'T', 0, 0, 0, "A ", ""},
        {402, 'T', 0, 0, 0, "A ", ""},
    };
    for (const Case& c : cases) {
        VELMORA_Z_TYPE z;
        std::memset(&z, 0, sizeof z);
        z.Zty = c.zty;
        auto from = static_cast<std::int32_t>(c.from), to = static_cast<std::int32_t>(c.to);
        if (c.kind == 'L')
            z.ZLong = {c.zty, c.range, from, to};
        else if (c.kind == 'R')
            z.ZReal = {c.zty, c.range, c.from, c.to};
        else if (c.kind == 'D')
            z.ZDate = {c.zty, c.range, from, to};
        else if (c.kind == 'C')
            z.ZCode.Code = static_cast<DWORD>(c.from);
        else
            std::memcpy(z.ZText.Text, c.text.data(), std::min(c.text.size() + 1, full.size()));
        std::string text = VelmoraCondText(c.zty, z);
        EXPECT_EQ(c.start ? text.substr(0, c.expected.size()) : text, c.expected) << c.zty;
    }
    CCodeBook::Clear();
    // Times before 1970 have no day; the first second of 1970 has one.
    EXPECT_EQ(VelmoraDayText(0), "1970/1/1");
    EXPECT_EQ(VelmoraDayText(-1), "0/0/0");
    EXPECT_EQ(VelmoraDayText(Local("1999-12-31T23:59:59")), "1999/12/31");
}
} // namespace
