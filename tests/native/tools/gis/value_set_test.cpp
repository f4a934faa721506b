#include "tools/gis/value_set.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
std::string Text(const ValueSet& set) {
    std::string out;
    for (const ValueSpan& span : set.Spans())
        out += std::string(span.loOpen ? "(" : "[") + std::to_string(span.lo) + "," +
               std::to_string(span.hi) + (span.hiOpen ? ")" : "]");
    return out;
}

TEST(ValueSet, WholeNumbersCloseOpenEndsAndJoinNeighbours) {
    ValueSet set(true);
    set.Add(ValueSpan{1.5, 4.0, false, true});
    EXPECT_EQ(Text(set), "[2.000000,3.000000]");
    set.Add(ValueSpan{4.0, 6.0});
    EXPECT_EQ(Text(set), "[2.000000,6.000000]");
    ValueSet cut(true);
    cut.Add(ValueSpan{3.0, 4.0});
    set.Remove(cut);
    EXPECT_EQ(Text(set), "[2.000000,2.000000][5.000000,6.000000]");
    set.Add(ValueSpan{7.0, 6.0});
    EXPECT_EQ(Text(set), "[2.000000,2.000000][5.000000,6.000000]");
}

TEST(ValueSet, RealsKeepTheEndsAnEarlierRunTakes) {
    ValueSet set(false);
    set.Add(ValueSpan{0.0, 10.0});
    ValueSet cut(false);
    cut.Add(ValueSpan{2.0, 3.0});
    cut.Add(ValueSpan{10.0, 10.0});
    set.Remove(cut);
    EXPECT_EQ(Text(set), "[0.000000,2.000000)(3.000000,10.000000)");
    EXPECT_TRUE(set.Holds(1.99) && set.Holds(3.01) && set.Holds(9.99));
    EXPECT_FALSE(set.Holds(2.0) || set.Holds(3.0) || set.Holds(10.0) || set.Holds(NAN));
    // Runs that touch at a value one of them holds are one run.
    ValueSet touching(false);
    touching.Add(ValueSpan{0.0, 1.0, false, true});
    touching.Add(ValueSpan{1.0, 2.0});
    EXPECT_EQ(Text(touching), "[0.000000,2.000000]");
    ValueSet apart(false);
    apart.Add(ValueSpan{0.0, 1.0, false, true});
    apart.Add(ValueSpan{1.0, 2.0, true, false});
    EXPECT_EQ(apart.Spans().size(), 2u);
    EXPECT_FALSE(apart.Holds(1.0));
}

TEST(ValueSet, UnboundedRunsAndRunsOfNoValue) {
    ValueSet set(true);
    set.Add(ValueSpan{-INFINITY, -1.0});
    set.Add(ValueSpan{1.0, INFINITY});
    set.Add(ValueSpan{NAN, 3.0});
    set.Add(ValueSpan{INFINITY, INFINITY});
    EXPECT_EQ(set.Spans().size(), 2u);
    EXPECT_FALSE(set.Holds(0.0));
    EXPECT_TRUE(set.Holds(-1e12) && set.Holds(1e12));
    ValueSet all(true);
    all.Add(ValueSpan{-INFINITY, INFINITY});
    set.Remove(all);
    EXPECT_TRUE(set.Empty());
}
} // namespace
