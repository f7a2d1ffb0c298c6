// Unit tests for the map behind dict values: insertion, replacement, lookup
// by symbol and by text, growth, and the per-map entry order.
#include "interpreter/dict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quillo {
namespace {

// The keys of a map in the order it yields them.
std::vector<std::string> keys_in_order(const DictMap& map) {
    std::vector<std::string> keys;
    map.for_each([&](Symbol key, const Value&) { keys.push_back(key.text()); });
    return keys;
}

// The entries of a map as a sorted key -> number table, checking on the way
// that no key is yielded twice.
std::map<std::string, std::int64_t> contents(const DictMap& map) {
    std::map<std::string, std::int64_t> out;
    map.for_each([&](Symbol key, const Value& value) {
        const bool fresh = out.emplace(key.text(), value.as_number()).second;
        EXPECT_TRUE(fresh) << "key yielded twice: " << key.text();
    });
    return out;
}

std::string key_name(int i) {
    return "dict_test_key_" + std::to_string(i);
}

// ---------------------------------------------------------------------------
// An empty map.

TEST(DictEmpty, HasNoEntries) {
    const DictMap map;
    EXPECT_EQ(map.size(), 0u);
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.find(Symbol("anything")), nullptr);
    EXPECT_EQ(map.find(std::string_view("anything")), nullptr);
    EXPECT_EQ(map.find(Symbol()), nullptr);
    int visited = 0;
    map.for_each([&](Symbol, const Value&) { ++visited; });
    EXPECT_EQ(visited, 0);
}

// ---------------------------------------------------------------------------
// Inserting, replacing and finding.

TEST(DictInsert, FindsWhatWasInsertedBySymbolAndByText) {
    DictMap map;
    map.insert(Symbol("a"), Value::number(1));
    map.insert(Symbol("b"), Value::string("two"));
    EXPECT_EQ(map.size(), 2u);
    EXPECT_FALSE(map.empty());

    ASSERT_NE(map.find(Symbol("a")), nullptr);
    EXPECT_EQ(map.find(Symbol("a"))->as_number(), 1);
    ASSERT_NE(map.find(std::string_view("b")), nullptr);
    EXPECT_EQ(map.find(std::string_view("b"))->text(), "two");
    EXPECT_EQ(map.find(Symbol("c")), nullptr);
    EXPECT_EQ(map.find(std::string_view("c")), nullptr);
}

TEST(DictInsert, ReplacingKeepsTheSizeAndStoresTheNewValue) {
    DictMap map;
    map.insert(Symbol("k"), Value::number(1));
    map.insert(Symbol("other"), Value::number(2));
    map.insert(Symbol("k"), Value::string("replaced"));
    EXPECT_EQ(map.size(), 2u);
    EXPECT_EQ(map.find(Symbol("k"))->text(), "replaced");
    EXPECT_EQ(map.find(Symbol("other"))->as_number(), 2);
    EXPECT_EQ(keys_in_order(map).size(), 2u);

    map.insert(Symbol("k"), Value());
    EXPECT_EQ(map.size(), 2u);
    ASSERT_NE(map.find(Symbol("k")), nullptr) << "a key holding null is still present";
    EXPECT_TRUE(map.find(Symbol("k"))->is_null());
}

TEST(DictInsert, KeysAreExactByteStrings) {
    DictMap map;
    const std::string with_nul("a\0b", 3);
    map.insert(Symbol("a"), Value::number(1));
    map.insert(Symbol("A"), Value::number(2));
    map.insert(Symbol(with_nul), Value::number(3));
    map.insert(Symbol(""), Value::number(4));
    map.insert(Symbol("a "), Value::number(5));
    EXPECT_EQ(map.size(), 5u);
    EXPECT_EQ(map.find(std::string_view("a"))->as_number(), 1);
    EXPECT_EQ(map.find(std::string_view("A"))->as_number(), 2);
    EXPECT_EQ(map.find(std::string_view(with_nul))->as_number(), 3);
    EXPECT_EQ(map.find(std::string_view(""))->as_number(), 4);
    EXPECT_EQ(map.find(std::string_view("a "))->as_number(), 5);
    EXPECT_EQ(map.find(std::string_view("a\0", 2)), nullptr);
}

TEST(DictInsert, TextNeverInternedIsNoKey) {
    DictMap map;
    for (int i = 0; i < 20; ++i)
        map.insert(Symbol(key_name(i)), Value::number(i));
    const std::string_view unseen = "dict_test: a text that nothing ever interns \x01\x02";
    Symbol probe;
    ASSERT_FALSE(Symbol::find(unseen, probe)) << "the probe text must be fresh";
    EXPECT_EQ(map.find(unseen), nullptr);
    EXPECT_FALSE(Symbol::find(unseen, probe)) << "looking up a text must not intern it";
}

TEST(DictInsert, InternedTextOfAnotherMapIsNoKeyHere) {
    DictMap a;
    DictMap b;
    a.insert(Symbol("only_in_a"), Value::number(1));
    b.insert(Symbol("only_in_b"), Value::number(2));
    EXPECT_EQ(a.find(std::string_view("only_in_b")), nullptr);
    EXPECT_EQ(b.find(std::string_view("only_in_a")), nullptr);
}

// ---------------------------------------------------------------------------
// Growth: every entry survives any number of enlargements.

TEST(DictGrowth, ThousandsOfKeysStayFindable) {
    DictMap map;
    constexpr int kKeys = 5000;
    for (int i = 0; i < kKeys; ++i) {
        map.insert(Symbol(key_name(i)), Value::number(i));
        ASSERT_EQ(map.size(), static_cast<std::size_t>(i) + 1);
        // The key just added and the first one are both reachable at every size.
        ASSERT_EQ(map.find(Symbol(key_name(i)))->as_number(), i);
        ASSERT_EQ(map.find(Symbol(key_name(0)))->as_number(), 0);
    }
    for (int i = 0; i < kKeys; ++i) {
        const Value* v = map.find(std::string_view(key_name(i)));
        ASSERT_NE(v, nullptr) << key_name(i);
        EXPECT_EQ(v->as_number(), i);
    }
    const auto all = contents(map);
    EXPECT_EQ(all.size(), static_cast<std::size_t>(kKeys));
}

TEST(DictGrowth, ReplacingAfterGrowthKeepsTheSize) {
    DictMap map;
    for (int i = 0; i < 100; ++i)
        map.insert(Symbol(key_name(i)), Value::number(i));
    for (int i = 0; i < 100; ++i)
        map.insert(Symbol(key_name(i)), Value::number(-i));
    EXPECT_EQ(map.size(), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(map.find(Symbol(key_name(i)))->as_number(), -i);
}

// Random inserts and replacements checked against an ordinary map.
TEST(DictGrowth, AgreesWithAReferenceMap) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> pick_key(0, 700);
    DictMap map;
    std::map<std::string, std::int64_t> reference;
    for (int step = 0; step < 20'000; ++step) {
        const std::string key = key_name(pick_key(rng));
        map.insert(Symbol(key), Value::number(step));
        reference[key] = step;
        if (step % 997 == 0) {
            ASSERT_EQ(map.size(), reference.size()) << "step " << step;
            ASSERT_EQ(contents(map), reference) << "step " << step;
        }
    }
    EXPECT_EQ(map.size(), reference.size());
    EXPECT_EQ(contents(map), reference);
    for (int k = 0; k <= 700; ++k) {
        const auto it = reference.find(key_name(k));
        const Value* v = map.find(Symbol(key_name(k)));
        if (it == reference.end()) {
            EXPECT_EQ(v, nullptr);
        } else {
            ASSERT_NE(v, nullptr);
            EXPECT_EQ(v->as_number(), it->second);
        }
    }
}

// ---------------------------------------------------------------------------
// Entry order: a property of each map, not of its keys.

TEST(DictOrder, SameKeysInSameOrderMayIterateDifferently) {
    std::set<std::vector<std::string>> orders;
    for (int m = 0; m < 50; ++m) {
        DictMap map;
        for (int i = 0; i < 20; ++i)
            map.insert(Symbol(key_name(i)), Value::number(i));
        orders.insert(keys_in_order(map));
    }
    EXPECT_GE(orders.size(), 2u) << "fifty maps with the same keys all iterate alike";
}

TEST(DictOrder, OrderIsNeitherInsertionNorSortedAcrossManyMaps) {
    std::vector<std::string> insertion;
    for (int i = 0; i < 20; ++i)
        insertion.push_back(key_name(i));
    std::vector<std::string> sorted = insertion;
    std::sort(sorted.begin(), sorted.end());
    int insertion_like = 0;
    int sorted_like = 0;
    for (int m = 0; m < 50; ++m) {
        DictMap map;
        for (const std::string& k : insertion)
            map.insert(Symbol(k), Value::number(0));
        const std::vector<std::string> order = keys_in_order(map);
        insertion_like += order == insertion;
        sorted_like += order == sorted;
    }
    EXPECT_LT(insertion_like, 50);
    EXPECT_LT(sorted_like, 50);
}

TEST(DictOrder, ACopyKeepsItsOriginalsOrder) {
    DictMap original;
    for (int i = 0; i < 30; ++i)
        original.insert(Symbol(key_name(i)), Value::number(i));
    const DictMap copy = original;
    EXPECT_EQ(keys_in_order(copy), keys_in_order(original));
    EXPECT_EQ(contents(copy), contents(original));
}

// ---------------------------------------------------------------------------
// Maps are values: copies are independent, and so are the values stored.

TEST(DictCopies, ChangingACopyLeavesTheOriginal) {
    DictMap original;
    original.insert(Symbol("x"), Value::number(1));
    DictMap copy = original;
    copy.insert(Symbol("x"), Value::number(2));
    for (int i = 0; i < 50; ++i)
        copy.insert(Symbol(key_name(i)), Value::number(i));
    EXPECT_EQ(original.size(), 1u);
    EXPECT_EQ(original.find(Symbol("x"))->as_number(), 1);
    EXPECT_EQ(original.find(Symbol(key_name(3))), nullptr);
    EXPECT_EQ(copy.size(), 51u);
}

TEST(DictCopies, StoredValueIsIndependentOfTheInsertedOne) {
    Value text = Value::string("before");
    DictMap map;
    map.insert(Symbol("t"), text);
    text.text_mut() = "after";
    EXPECT_EQ(map.find(Symbol("t"))->text(), "before");

    Value out = *map.find(Symbol("t"));
    out.text_mut() += "!";
    EXPECT_EQ(map.find(Symbol("t"))->text(), "before");
}

TEST(DictCopies, MovedFromMapIsEmptyAndUsable) {
    DictMap source;
    for (int i = 0; i < 10; ++i)
        source.insert(Symbol(key_name(i)), Value::number(i));
    const DictMap target = std::move(source);
    EXPECT_EQ(target.size(), 10u);
    EXPECT_EQ(target.find(Symbol(key_name(7)))->as_number(), 7);

    // A moved-from map must still be safe to query and to refill.
    ASSERT_EQ(keys_in_order(source).size(), source.size());
    ASSERT_EQ(source.size(), 0u);
    EXPECT_EQ(source.find(Symbol(key_name(7))), nullptr);
    source.insert(Symbol("again"), Value::number(1));
    EXPECT_EQ(source.size(), 1u);
    EXPECT_EQ(source.find(Symbol("again"))->as_number(), 1);
}

} // namespace
} // namespace quillo
