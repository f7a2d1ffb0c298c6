// Unit tests for runtime values: kinds and payloads, independence of copies,
// destruction of deep nests, truthiness, type names, `match` equality and the
// float-to-integer conversion.
#include "interpreter/value.h"
#include "value_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interpreter/dict.h"
#include "parser/ast.h"

namespace quillo {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

using test::flt;
using test::kInf;
using test::kNaN;
using test::num;
using test::str;

Value arr(std::initializer_list<Value> items) {
    return Value::array(std::vector<Value>(items));
}

Value dict(std::initializer_list<std::pair<const char*, Value>> entries) {
    DictMap map;
    for (const auto& [key, value] : entries)
        map.insert(Symbol(key), value);
    return Value::dict(std::move(map));
}

Value function() {
    auto code = std::make_shared<FunctionCode>();
    code->params = {Symbol("a"), Symbol("b")};
    return Value::function(std::move(code));
}

// A compact text of numbers, strings, nulls and arrays, written here so that
// these tests do not depend on the display rules.
std::string show(const Value& v) {
    switch (v.kind()) {
    case Value::Number: return std::to_string(v.as_number());
    case Value::String: return "'" + v.text() + "'";
    case Value::Null: return "null";
    case Value::Array: {
        std::string s = "[";
        for (std::size_t i = 0; i < v.items().size(); ++i) {
            if (i > 0) s += ",";
            s += show(v.items()[i]);
        }
        return s + "]";
    }
    default: return "?";
    }
}

// One value of every kind, in kind order.
std::vector<Value> one_of_each_kind() {
    std::vector<Value> all;
    all.push_back(num(7));
    all.push_back(flt(2.5));
    all.push_back(str("text"));
    all.push_back(Value::boolean(true));
    all.push_back(arr({num(1)}));
    all.push_back(dict({{"k", num(1)}}));
    all.push_back(function());
    all.push_back(Value::rect({1, 2, 3, 4}));
    all.push_back(Value::color({1, 2, 3}));
    all.push_back(Value::circle({1, 2, 3}));
    all.push_back(Value::triangle({1, 2, 3, 4, 5, 6}));
    all.push_back(Value());
    return all;
}

// ---------------------------------------------------------------------------
// Kinds and payloads.

TEST(ValueKinds, KindsAreNumberedInCanonicalOrder) {
    EXPECT_EQ(sizeof(Value), 16u);
    const std::vector<Value> all = one_of_each_kind();
    ASSERT_EQ(all.size(), 12u);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(all[i].kind()), i) << type_name(all[i]);
        EXPECT_TRUE(all[i].is(static_cast<Value::Kind>(i)));
    }
    EXPECT_EQ(Value::Number, 0);
    EXPECT_EQ(Value::Null, 11);
}

TEST(ValueKinds, DefaultValueIsNull) {
    const Value v;
    EXPECT_TRUE(v.is_null());
    EXPECT_EQ(v.kind(), Value::Null);
    EXPECT_TRUE(v.unshared());
}

TEST(ValueKinds, InlinePayloadsKeepEveryBit) {
    EXPECT_EQ(num(kMin).as_number(), kMin);
    EXPECT_EQ(num(kMax).as_number(), kMax);
    EXPECT_EQ(num(-1).as_number(), -1);

    EXPECT_TRUE(std::signbit(flt(-0.0).as_float()));
    EXPECT_EQ(flt(-0.0).as_float(), 0.0);
    EXPECT_TRUE(std::isnan(flt(kNaN).as_float()));
    EXPECT_EQ(flt(-kInf).as_float(), -kInf);
    EXPECT_EQ(flt(5e-324).as_float(), 5e-324);

    EXPECT_TRUE(Value::boolean(true).as_boolean());
    EXPECT_FALSE(Value::boolean(false).as_boolean());

    const Value::ColorData c = Value::color({255, 0, 128}).color_data();
    EXPECT_EQ(c.r, 255);
    EXPECT_EQ(c.g, 0);
    EXPECT_EQ(c.b, 128);

    const Value::CircleData ci =
        Value::circle({-2147483647 - 1, 2147483647, 4294967295u}).circle_data();
    EXPECT_EQ(ci.x, -2147483647 - 1);
    EXPECT_EQ(ci.y, 2147483647);
    EXPECT_EQ(ci.radius, 4294967295u);
}

TEST(ValueKinds, InlinePayloadsSurviveCopiesMovesAndSwaps) {
    const Value circle = Value::circle({-7, -2147483647 - 1, 4294967295u});
    const Value color = Value::color({255, 1, 254});
    const Value number = num(kMin);

    Value copy = circle;
    EXPECT_EQ(copy.circle_data().x, -7);
    EXPECT_EQ(copy.circle_data().y, -2147483647 - 1);
    EXPECT_EQ(copy.circle_data().radius, 4294967295u);

    Value moved = std::move(copy);
    EXPECT_EQ(moved.circle_data().x, -7);
    EXPECT_EQ(moved.circle_data().radius, 4294967295u);

    Value other = color;
    other.swap(moved);
    EXPECT_EQ(other.kind(), Value::Circle);
    EXPECT_EQ(other.circle_data().y, -2147483647 - 1);
    ASSERT_EQ(moved.kind(), Value::Color);
    EXPECT_EQ(moved.color_data().r, 255);
    EXPECT_EQ(moved.color_data().g, 1);
    EXPECT_EQ(moved.color_data().b, 254);

    Value assigned = str("to be replaced");
    assigned = number;
    EXPECT_EQ(assigned.as_number(), kMin);
    assigned = color;
    EXPECT_EQ(assigned.color_data().b, 254);
    assigned = circle;
    EXPECT_EQ(assigned.circle_data().x, -7);
}

TEST(ValueKinds, HeapPayloadsKeepTheirContents) {
    const std::string with_nul("a\0b", 3);
    EXPECT_EQ(Value::string(with_nul).text(), with_nul);
    EXPECT_EQ(Value::string(std::string_view(with_nul)).text(), with_nul);
    EXPECT_EQ(Value::string("").text(), "");

    const Value r = Value::rect({-5, 10, 4294967295u, 0});
    EXPECT_EQ(r.rect_data().x, -5);
    EXPECT_EQ(r.rect_data().y, 10);
    EXPECT_EQ(r.rect_data().width, 4294967295u);
    EXPECT_EQ(r.rect_data().height, 0u);

    const Value t = Value::triangle({-1, -2, -3, 4, 5, 2147483647});
    EXPECT_EQ(t.triangle_data().x1, -1);
    EXPECT_EQ(t.triangle_data().y1, -2);
    EXPECT_EQ(t.triangle_data().x2, -3);
    EXPECT_EQ(t.triangle_data().y2, 4);
    EXPECT_EQ(t.triangle_data().x3, 5);
    EXPECT_EQ(t.triangle_data().y3, 2147483647);

    const Value f = function();
    ASSERT_NE(f.code(), nullptr);
    EXPECT_EQ(f.code()->params.size(), 2u);

    EXPECT_EQ(show(arr({num(1), str("x"), arr({}), Value()})), "[1,'x',[],null]");
    const Value d = dict({{"a", num(1)}, {"b", num(2)}});
    EXPECT_EQ(d.entries().size(), 2u);
}

TEST(ValueKinds, CopiesOfShapesAndFunctionsAreEqual) {
    const Value f = function();
    const Value g = f;
    EXPECT_EQ(g.kind(), Value::Function);
    EXPECT_EQ(g.code(), f.code()) << "the immutable code is shared, not copied";

    const Value r = Value::rect({1, 2, 3, 4});
    Value r2 = r;
    EXPECT_EQ(r2.rect_data().width, 3u);
    r2 = Value::rect({9, 9, 9, 9});
    EXPECT_EQ(r.rect_data().x, 1);

    const Value t = Value::triangle({1, 2, 3, 4, 5, 6});
    const Value t2 = t;
    EXPECT_EQ(t2.triangle_data().y3, 6);
}

// ---------------------------------------------------------------------------
// Copies are independent: a change made through one value never shows
// through another, whatever the values share underneath.

TEST(ValueIndependence, StringCopyIsUnaffectedByChangesToTheOther) {
    Value a = str("hello");
    Value b = a;
    EXPECT_FALSE(a.unshared());
    EXPECT_FALSE(b.unshared());

    b.text_mut() += " world";
    EXPECT_EQ(a.text(), "hello");
    EXPECT_EQ(b.text(), "hello world");
    EXPECT_TRUE(a.unshared());
    EXPECT_TRUE(b.unshared());

    // The other direction: change the original, the copy stays.
    Value c = a;
    a.text_mut()[0] = 'J';
    EXPECT_EQ(a.text(), "Jello");
    EXPECT_EQ(c.text(), "hello");
}

TEST(ValueIndependence, ArrayCopyIsUnaffectedByChangesToTheOther) {
    Value a = arr({num(1), num(2)});
    Value b = a;
    b.items_mut().push_back(num(3));
    b.items_mut()[0] = str("changed");
    EXPECT_EQ(show(a), "[1,2]");
    EXPECT_EQ(show(b), "['changed',2,3]");

    Value c = a;
    a.items_mut().clear();
    EXPECT_EQ(show(a), "[]");
    EXPECT_EQ(show(c), "[1,2]");
}

TEST(ValueIndependence, CopyAssignmentSharesNothingObservable) {
    Value a = arr({num(1)});
    Value b = str("old");
    b = a;
    b.items_mut().push_back(num(2));
    EXPECT_EQ(show(a), "[1]");
    EXPECT_EQ(show(b), "[1,2]");
}

TEST(ValueIndependence, DictCopyIsUnaffectedByChangesToTheOther) {
    Value a = dict({{"x", num(1)}});
    Value b = a;
    b.entries_mut().insert(Symbol("y"), num(2));
    b.entries_mut().insert(Symbol("x"), num(10));

    EXPECT_EQ(a.entries().size(), 1u);
    ASSERT_NE(a.entries().find(Symbol("x")), nullptr);
    EXPECT_EQ(a.entries().find(Symbol("x"))->as_number(), 1);
    EXPECT_EQ(a.entries().find(Symbol("y")), nullptr);

    EXPECT_EQ(b.entries().size(), 2u);
    EXPECT_EQ(b.entries().find(Symbol("x"))->as_number(), 10);
    EXPECT_EQ(b.entries().find(Symbol("y"))->as_number(), 2);
}

// The inner array is shared by both slots of the outer one and by both
// outer copies; changing it through one path changes only that path.
TEST(ValueIndependence, SharedInnerArrayChangesThroughOnePathOnly) {
    const Value inner = arr({num(1), num(2)});
    const Value outer1 = arr({inner, inner});
    Value outer2 = outer1;

    outer2.items_mut()[0].items_mut().push_back(num(3));

    EXPECT_EQ(show(outer2), "[[1,2,3],[1,2]]");
    EXPECT_EQ(show(outer1), "[[1,2],[1,2]]");
    EXPECT_EQ(show(inner), "[1,2]");
}

TEST(ValueIndependence, TwoLevelCopyChangedAndAssignedBack) {
    // let a = [[1], [2]]; let b = a; let row = b[0]; row += [9]; b[0] = row
    const Value a = arr({arr({num(1)}), arr({num(2)})});
    Value b = a;
    Value row = b.items()[0];
    row.items_mut().push_back(num(9));
    b.items_mut()[0] = row;
    EXPECT_EQ(show(a), "[[1],[2]]");
    EXPECT_EQ(show(b), "[[1,9],[2]]");
    EXPECT_EQ(show(row), "[1,9]");
}

TEST(ValueIndependence, ArrayInsideDictIsIndependentOfACopyOfTheDict) {
    const Value d = dict({{"list", arr({num(1)})}});
    Value e = d;
    Value list = *e.entries().find(Symbol("list"));
    list.items_mut().push_back(num(2));
    e.entries_mut().insert(Symbol("list"), list);
    EXPECT_EQ(show(*d.entries().find(Symbol("list"))), "[1]");
    EXPECT_EQ(show(*e.entries().find(Symbol("list"))), "[1,2]");
}

TEST(ValueIndependence, StringElementCopiedOutOfAnArray) {
    const Value a = arr({str("abc")});
    Value s = a.items()[0];
    s.text_mut() += "def";
    EXPECT_EQ(show(a), "['abc']");
    EXPECT_EQ(s.text(), "abcdef");
}

TEST(ValueIndependence, SoleOwnerIsChangedInPlace) {
    Value a = arr({num(1)});
    const std::vector<Value>* before = &a.items();
    a.items_mut().push_back(num(2));
    EXPECT_EQ(&a.items(), before) << "an unshared payload must not be copied";

    Value s = str("x");
    const std::string* text_before = &s.text();
    s.text_mut() += "y";
    EXPECT_EQ(&s.text(), text_before);
}

TEST(ValueIndependence, PushItemCopiesASharedArrayOnlyOnce) {
    Value a = arr({num(1), num(2)});
    const Value shared = a;
    push_item(a, num(3));
    EXPECT_EQ(shared.items().size(), 2u) << "the other holder keeps its array";
    ASSERT_EQ(a.items().size(), 3u);
    EXPECT_EQ(a.items()[2].as_number(), 3);
    EXPECT_TRUE(a.unshared());
    // Now the sole owner: later pushes extend the same array.
    const std::vector<Value>* before = &a.items();
    push_item(a, num(4));
    EXPECT_EQ(&a.items(), before);
    EXPECT_EQ(a.items().size(), 4u);
}

TEST(ValueIndependence, DroppingTheLastOtherOwnerMakesAValueUnshared) {
    Value a = str("text");
    {
        const Value b = a;
        const Value c = b;
        EXPECT_FALSE(a.unshared());
    }
    EXPECT_TRUE(a.unshared());
    for (const Value& v : one_of_each_kind()) {
        if (v.is(Value::String) || v.is(Value::Array) || v.is(Value::Dict)) continue;
        if (v.is(Value::Function) || v.is(Value::Rect) || v.is(Value::Triangle)) continue;
        const Value copy = v;
        EXPECT_TRUE(v.unshared()) << type_name(v) << " is stored inline";
    }
}

// ---------------------------------------------------------------------------
// Moves, swaps and assignments that alias their source.

TEST(ValueMoves, MoveConstructionLeavesTheSourceNull) {
    for (Value v : one_of_each_kind()) {
        const Value::Kind kind = v.kind();
        Value target(std::move(v));
        EXPECT_EQ(target.kind(), kind);
        EXPECT_TRUE(v.is_null()) << "moved-from " << type_name(kind);
    }
}

TEST(ValueMoves, MoveAssignmentLeavesTheSourceNull) {
    for (Value v : one_of_each_kind()) {
        const Value::Kind kind = v.kind();
        Value target = str("previous");
        target = std::move(v);
        EXPECT_EQ(target.kind(), kind);
        EXPECT_TRUE(v.is_null()) << "moved-from " << type_name(kind);
    }
}

TEST(ValueMoves, MovingASoleOwnerKeepsItUnshared) {
    Value a = arr({num(1), num(2)});
    const std::vector<Value>* payload = &a.items();
    Value b = std::move(a);
    EXPECT_TRUE(b.unshared());
    EXPECT_EQ(&b.items(), payload);
    EXPECT_EQ(show(b), "[1,2]");
}

TEST(ValueMoves, SwapExchangesPayloads) {
    Value a = str("left");
    Value b = arr({num(1)});
    a.swap(b);
    EXPECT_EQ(show(a), "[1]");
    EXPECT_EQ(b.text(), "left");
}

TEST(ValueMoves, SelfAssignmentKeepsTheValue) {
    Value a = str("self");
    Value& alias = a;
    a = alias;
    EXPECT_EQ(a.text(), "self");
    EXPECT_TRUE(a.unshared());
}

TEST(ValueMoves, SelfMoveLeavesAUsableValue) {
    Value a = arr({num(1)});
    Value& alias = a;
    a = std::move(alias);
    EXPECT_TRUE(a.is_null() || show(a) == "[1]") << show(a);
    a = str("still usable");
    EXPECT_EQ(a.text(), "still usable");
}

// The source lives inside the payload that the assignment releases.
TEST(ValueMoves, AssigningAnElementOverItsOwnContainer) {
    Value a = arr({arr({num(1), num(2)}), num(3)});
    a = a.items()[0];
    EXPECT_EQ(show(a), "[1,2]");

    Value b = arr({arr({num(4)}), num(5)});
    b = std::move(b.items_mut()[0]);
    EXPECT_EQ(show(b), "[4]");

    Value d = dict({{"inner", str("kept")}});
    d = *d.entries().find(Symbol("inner"));
    EXPECT_EQ(d.text(), "kept");
}

// ---------------------------------------------------------------------------
// Destruction. Dropping a value nested far deeper than the native stack
// could recurse must work on the ordinary thread.

constexpr int kDeepLevels = 1'000'000;

Value deep_array(int levels) {
    Value v = num(0);
    for (int i = 0; i < levels; ++i) {
        std::vector<Value> items;
        items.push_back(std::move(v));
        v = Value::array(std::move(items));
    }
    return v;
}

TEST(ValueDestruction, MillionLevelArrayIsDestroyed) {
    Value v = deep_array(kDeepLevels);
    EXPECT_EQ(v.kind(), Value::Array);
    v = Value(); // the whole nest is released here
    EXPECT_TRUE(v.is_null());
}

TEST(ValueDestruction, MillionLevelArrayGoingOutOfScope) {
    {
        const Value v = deep_array(kDeepLevels);
        ASSERT_EQ(v.items().size(), 1u);
    }
    SUCCEED();
}

TEST(ValueDestruction, DeepArrayReleasedByClearingItsHolder) {
    Value holder = arr({deep_array(kDeepLevels), num(1)});
    holder.items_mut().clear();
    EXPECT_EQ(show(holder), "[]");
}

TEST(ValueDestruction, DeepDictChainIsDestroyed) {
    Value v;
    for (int i = 0; i < 200'000; ++i) {
        DictMap map;
        map.insert(Symbol("next"), std::move(v));
        map.insert(Symbol("level"), num(i));
        v = Value::dict(std::move(map));
    }
    EXPECT_EQ(v.entries().find(Symbol("level"))->as_number(), 199'999);
    v = Value();
    SUCCEED();
}

TEST(ValueDestruction, AlternatingArraysAndDictsAreDestroyed) {
    Value v = str("bottom");
    for (int i = 0; i < 200'000; ++i) {
        if (i % 2 == 0) {
            std::vector<Value> items;
            items.push_back(std::move(v));
            v = Value::array(std::move(items));
        } else {
            DictMap map;
            map.insert(Symbol("d"), std::move(v));
            v = Value::dict(std::move(map));
        }
    }
    v = Value();
    SUCCEED();
}

// Only the last owner frees: a nest shared with a copy survives the
// original's destruction intact, and a copy made at the bottom survives the
// whole nest.
TEST(ValueDestruction, SharedDeepArraySurvivesTheOtherOwner) {
    Value copy;
    {
        Value v = deep_array(kDeepLevels);
        copy = v;
    }
    const Value* p = &copy;
    int depth = 0;
    while (p->is(Value::Array)) {
        ASSERT_EQ(p->items().size(), 1u);
        p = &p->items()[0];
        ++depth;
    }
    EXPECT_EQ(depth, kDeepLevels);
    EXPECT_EQ(p->as_number(), 0);
}

TEST(ValueDestruction, InnerPartOutlivesTheNestAroundIt) {
    Value middle;
    {
        Value v = deep_array(1000);
        const Value* p = &v;
        for (int i = 0; i < 500; ++i)
            p = &p->items()[0];
        middle = *p;
    }
    int depth = 0;
    for (const Value* p = &middle; p->is(Value::Array); p = &p->items()[0])
        ++depth;
    EXPECT_EQ(depth, 500);
}

TEST(ValueDestruction, WideArrayOfSharedElementsIsDestroyed) {
    const Value element = arr({str("shared")});
    std::vector<Value> items(200'000, element);
    Value wide = Value::array(std::move(items));
    EXPECT_FALSE(element.unshared());
    wide = Value();
    EXPECT_TRUE(element.unshared());
}

// ---------------------------------------------------------------------------
// Truthiness.

TEST(ValueTruthiness, NumbersFloatsBooleansAndNull) {
    EXPECT_FALSE(is_truthy(num(0)));
    EXPECT_TRUE(is_truthy(num(1)));
    EXPECT_TRUE(is_truthy(num(-1)));
    EXPECT_TRUE(is_truthy(num(kMin)));

    EXPECT_FALSE(is_truthy(flt(0.0)));
    EXPECT_FALSE(is_truthy(flt(-0.0)));
    EXPECT_TRUE(is_truthy(flt(kNaN)));
    EXPECT_TRUE(is_truthy(flt(5e-324)));
    EXPECT_TRUE(is_truthy(flt(-kInf)));

    EXPECT_TRUE(is_truthy(Value::boolean(true)));
    EXPECT_FALSE(is_truthy(Value::boolean(false)));
    EXPECT_FALSE(is_truthy(Value()));
}

TEST(ValueTruthiness, EveryOtherKindIsTrueEvenWhenEmpty) {
    EXPECT_TRUE(is_truthy(str("")));
    EXPECT_TRUE(is_truthy(str("0")));
    EXPECT_TRUE(is_truthy(str("false")));
    EXPECT_TRUE(is_truthy(arr({})));
    EXPECT_TRUE(is_truthy(Value::dict(DictMap())));
    EXPECT_TRUE(is_truthy(function()));
    EXPECT_TRUE(is_truthy(Value::rect({0, 0, 0, 0})));
    EXPECT_TRUE(is_truthy(Value::color({0, 0, 0})));
    EXPECT_TRUE(is_truthy(Value::circle({0, 0, 0})));
    EXPECT_TRUE(is_truthy(Value::triangle({0, 0, 0, 0, 0, 0})));
}

// ---------------------------------------------------------------------------
// Type names.

TEST(ValueTypeName, EachKindHasItsName) {
    const char* const expected[] = {"number",  "float",   "string",  "boolean", "array",   "dict",
                                    "unknown", "unknown", "unknown", "unknown", "unknown", "null"};
    const std::vector<Value> all = one_of_each_kind();
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(type_name(all[i]), expected[i]) << "kind " << i;
        EXPECT_EQ(type_name(static_cast<Value::Kind>(i)), expected[i]) << "kind " << i;
    }
}

// ---------------------------------------------------------------------------
// The equality of `match` arms.

struct MatchCase {
    Value subject;
    Value pattern;
    bool matches;
    const char* what;
};

TEST(ValueMatch, Table) {
    const Value f = function();
    const Value a = arr({num(1)});
    const Value d = dict({{"k", num(1)}});
    const Value r = Value::rect({1, 2, 3, 4});
    const Value c = Value::color({1, 2, 3});
    const Value ci = Value::circle({1, 2, 3});
    const Value t = Value::triangle({1, 2, 3, 4, 5, 6});
    const double eps = 2.220446049250313e-16;
    const std::vector<MatchCase> cases = {
        {num(1), num(1), true, "equal numbers"},
        {num(1), num(2), false, "different numbers"},
        {num(kMin), num(kMin), true, "smallest number"},
        {num(kMin), num(kMax), false, "the extremes"},
        {num(1), flt(1.0), false, "a number never matches a float"},
        {flt(1.0), num(1), false, "a float never matches a number"},
        {num(0), flt(0.0), false, "zero against zero float"},

        {flt(2.5), flt(2.5), true, "equal floats"},
        {flt(0.1 + 0.2), flt(0.3), true, "difference about 5.6e-17"},
        {flt(0.0), flt(-0.0), true, "signed zeros"},
        {flt(0.0), flt(1e-17), true, "below epsilon"},
        {flt(0.0), flt(eps / 2), true, "half epsilon"},
        {flt(1.0), flt(1.0 + eps), false, "exactly epsilon apart is not below it"},
        {flt(0.0), flt(eps), false, "epsilon from zero"},
        {flt(1e20), flt(std::nextafter(1e20, kInf)), false, "adjacent large floats"},
        {flt(kNaN), flt(kNaN), false, "NaN matches nothing"},
        {flt(kNaN), flt(0.0), false, "NaN against zero"},
        {flt(0.0), flt(kNaN), false, "zero against NaN"},
        {flt(kInf), flt(kInf), false, "the difference of two infinities is NaN"},
        {flt(kInf), flt(1e308), false, "infinity against a finite float"},

        {str("abc"), str("abc"), true, "equal texts"},
        {str(""), str(""), true, "empty texts"},
        {str("abc"), str("ABC"), false, "case differs"},
        {str("a"), str(std::string("a\0", 2)), false, "lengths differ"},
        {str(std::string("a\0b", 3)), str(std::string("a\0b", 3)), true, "embedded NUL"},
        {str("1"), num(1), false, "text against number"},

        {Value::boolean(true), Value::boolean(true), true, "true"},
        {Value::boolean(false), Value::boolean(false), true, "false"},
        {Value::boolean(true), Value::boolean(false), false, "true against false"},
        {Value::boolean(true), num(1), false, "boolean against number"},

        {Value(), Value(), true, "null matches null"},
        {Value(), num(0), false, "null against zero"},
        {Value(), Value::boolean(false), false, "null against false"},
        {Value(), str(""), false, "null against empty text"},
        {num(0), Value(), false, "zero against null"},

        {a, a, false, "an array matches nothing, not even itself"},
        {arr({}), arr({}), false, "empty arrays"},
        {d, d, false, "dict"},
        {f, f, false, "function"},
        {r, r, false, "rect"},
        {c, c, false, "color"},
        {ci, ci, false, "circle"},
        {t, t, false, "triangle"},
    };
    for (const MatchCase& mc : cases) {
        EXPECT_EQ(values_match(mc.subject, mc.pattern), mc.matches) << mc.what;
    }
}

// ---------------------------------------------------------------------------
// Float to integer: truncation toward zero, saturating, NaN to 0.

TEST(ValueToInteger, TruncatesTowardZero) {
    EXPECT_EQ(to_integer(0.0), 0);
    EXPECT_EQ(to_integer(-0.0), 0);
    EXPECT_EQ(to_integer(2.9), 2);
    EXPECT_EQ(to_integer(-2.9), -2);
    EXPECT_EQ(to_integer(0.999), 0);
    EXPECT_EQ(to_integer(-0.999), 0);
    EXPECT_EQ(to_integer(5e-324), 0);
    EXPECT_EQ(to_integer(-5e-324), 0);
    EXPECT_EQ(to_integer(4503599627370497.0), 4503599627370497);
    EXPECT_EQ(to_integer(-4503599627370497.0), -4503599627370497);
}

TEST(ValueToInteger, SaturatesAtTheLimits) {
    EXPECT_EQ(to_integer(1e300), kMax);
    EXPECT_EQ(to_integer(-1e300), kMin);
    EXPECT_EQ(to_integer(kInf), kMax);
    EXPECT_EQ(to_integer(-kInf), kMin);
    // 9223372036854775807 as a double is 2^63.
    EXPECT_EQ(to_integer(9223372036854775807.0), kMax);
    EXPECT_EQ(to_integer(9223372036854775808.0), kMax);
    EXPECT_EQ(to_integer(-9223372036854775808.0), kMin);
    EXPECT_EQ(to_integer(std::nextafter(-9223372036854775808.0, -kInf)), kMin);
    EXPECT_EQ(to_integer(std::nextafter(9223372036854775808.0, kInf)), kMax);
}

TEST(ValueToInteger, ValuesJustInsideTheRangeAreExact) {
    // The largest doubles below 2^63 in magnitude are 2^63 - 1024.
    const double below = std::nextafter(9223372036854775808.0, 0.0);
    EXPECT_EQ(to_integer(below), 9223372036854774784);
    EXPECT_EQ(to_integer(-below), -9223372036854774784);
    EXPECT_EQ(to_integer(std::nextafter(below, 0.0)), 9223372036854773760);
}

TEST(ValueToInteger, NaNGivesZero) {
    EXPECT_EQ(to_integer(kNaN), 0);
    EXPECT_EQ(to_integer(-kNaN), 0);
    EXPECT_EQ(to_integer(std::nan("0x123")), 0);
}

} // namespace
} // namespace quillo
