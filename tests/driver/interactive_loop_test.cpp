#include "driver/interactive_loop.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(BracketDepth, CountsEveryBracketKind) {
    BracketDepth d;
    d.count("f([{");
    EXPECT_EQ(d.paren, 2);
    EXPECT_EQ(d.brace, 1);
    EXPECT_TRUE(d.open());
    d.count("\"}\" # ])");
    EXPECT_EQ(d.paren, 0);
    EXPECT_EQ(d.brace, 0);
    EXPECT_TRUE(d.balanced());
}

TEST(BracketDepth, GoesNegativeAndIsNotOpenThen) {
    BracketDepth d;
    d.count(")}");
    EXPECT_EQ(d.paren, -1);
    EXPECT_EQ(d.brace, -1);
    EXPECT_FALSE(d.open());
    EXPECT_FALSE(d.balanced());
    // One counter above zero is enough to keep an input open.
    d.count("((");
    EXPECT_TRUE(d.open());
}

TEST(BracketDepth, StopsAtThe32BitLimits) {
    constexpr auto lo = std::numeric_limits<std::int32_t>::min();
    constexpr auto hi = std::numeric_limits<std::int32_t>::max();
    BracketDepth d;
    d.paren = lo + 1;
    d.brace = lo;
    d.count("]]}}");
    EXPECT_EQ(d.paren, lo);
    EXPECT_EQ(d.brace, lo);
    d.count("[");
    EXPECT_EQ(d.paren, lo + 1);
    d.paren = hi;
    d.count("(");
    EXPECT_EQ(d.paren, hi);
}

} // namespace
} // namespace quillo
