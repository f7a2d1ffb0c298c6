#include "lexer/symbol.h"

#include <string>
#include <unordered_set>

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(Symbol, EqualTextsShareOneEntry) {
    const Symbol a("counter");
    const Symbol b(std::string("count") + "er");
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.id(), b.id());
    EXPECT_EQ(&a.text(), &b.text());
    EXPECT_FALSE(a == Symbol("Counter")) << "names are case-sensitive";
    EXPECT_TRUE(a == "counter");
    EXPECT_EQ(Symbol(), Symbol(""));
    EXPECT_EQ(Symbol().size(), 0u);
}

TEST(Symbol, TextsAreExactByteStrings) {
    const std::string with_nul("a\0b", 3);
    const Symbol s(with_nul);
    EXPECT_EQ(s.size(), 3u);
    EXPECT_EQ(s.text(), with_nul);
    EXPECT_FALSE(s == Symbol("a"));
    EXPECT_EQ(Symbol("caf\xc3\xa9").text(), "caf\xc3\xa9");
}

// Growing the table moves nothing: earlier handles keep their texts, and ids
// stay dense and distinct.
TEST(Symbol, HandlesSurviveGrowth) {
    const Symbol first("first-of-many");
    const std::string* first_text = &first.text();
    const std::size_t before = Symbol::count();
    std::unordered_set<std::uint32_t> ids;
    for (int i = 0; i < 50'000; ++i) {
        const Symbol s("name_" + std::to_string(i));
        ids.insert(s.id());
        EXPECT_LT(s.id(), Symbol::count());
    }
    EXPECT_EQ(ids.size(), 50'000u);
    EXPECT_GE(Symbol::count(), before + 50'000);
    EXPECT_EQ(&first.text(), first_text);
    EXPECT_EQ(first.text(), "first-of-many");
    EXPECT_EQ(Symbol("name_123").text(), "name_123");
    EXPECT_EQ(Symbol("first-of-many"), first);
}

} // namespace
} // namespace quillo
