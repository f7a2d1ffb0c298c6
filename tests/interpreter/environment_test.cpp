// Unit tests for variable storage: globals, one local scope per call, the
// names declared global, and dynamic scoping (a call sees its callers'
// locals).

// GCC 12 inlines Environment::set into these tests and then warns, at the
// release of the moved-from value in the temporary binding, about a heap
// access on a path where the value is not a heap kind and nothing is
// accessed. The library's own code does not trip over this.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Warray-bounds"
#endif

#include "interpreter/environment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quillo {
namespace {

// An environment that remembers where each open call's bindings begin, so
// that the tests can close calls the way they open them.
class TestEnv : public Environment {
  public:
    void push_scope() { bases_.push_back(Environment::push_scope()); }
    void pop_scope() {
        Environment::pop_scope(bases_.back());
        bases_.pop_back();
    }

  private:
    std::vector<std::size_t> bases_;
};

// The number a name reads as, or a marker when it is not a number.
std::int64_t read(Environment& env, Symbol name) {
    const Value& v = env.get_variable(name);
    if (v.is_null()) return -1'000'000;
    if (!v.is(Value::Number)) return -2'000'000;
    return v.as_number();
}

constexpr std::int64_t kNull = -1'000'000;

// ---------------------------------------------------------------------------
// Undefined names.

TEST(EnvironmentUndefined, ReadsAsNullAtEveryDepth) {
    TestEnv env;
    const Symbol x("env_undefined_x");
    EXPECT_TRUE(env.get_variable(x).is_null());
    env.push_scope();
    env.push_scope();
    EXPECT_TRUE(env.get_variable(x).is_null());
    env.pop_scope();
    env.pop_scope();
    EXPECT_TRUE(env.get_variable(x).is_null());
}

TEST(EnvironmentUndefined, NameInternedAfterOthersWereStored) {
    TestEnv env;
    env.set_variable(Symbol("env_early"), Value::number(1));
    // A name first seen now has an id beyond every table the environment
    // has made so far.
    for (int i = 0; i < 100; ++i)
        Symbol("env_filler_" + std::to_string(i));
    const Symbol late("env_interned_late");
    EXPECT_TRUE(env.get_variable(late).is_null());
    EXPECT_FALSE(env.is_declared_global(late));
    env.push_scope();
    EXPECT_TRUE(env.get_variable(late).is_null());
    env.set_variable(late, Value::number(5));
    EXPECT_EQ(read(env, late), 5);
    env.pop_scope();
    EXPECT_TRUE(env.get_variable(late).is_null());
}

TEST(EnvironmentUndefined, LocalOfAFinishedCallIsGone) {
    TestEnv env;
    const Symbol x("x");
    env.push_scope();
    env.set_variable(x, Value::string("temporary"));
    env.pop_scope();
    EXPECT_TRUE(env.get_variable(x).is_null());
    env.push_scope();
    EXPECT_TRUE(env.get_variable(x).is_null()) << "a new call starts without the old locals";
    env.pop_scope();
}

// ---------------------------------------------------------------------------
// Top level and one call.

TEST(EnvironmentGlobals, TopLevelWritesAreGlobalsSeenByCalls) {
    TestEnv env;
    const Symbol x("x");
    EXPECT_EQ(env.depth(), 0u);
    env.set_variable(x, Value::number(1));
    env.set_variable(x, Value::number(2));
    EXPECT_EQ(read(env, x), 2);
    env.push_scope();
    EXPECT_EQ(env.depth(), 1u);
    EXPECT_EQ(read(env, x), 2);
    env.pop_scope();
    EXPECT_EQ(env.depth(), 0u);
    EXPECT_EQ(read(env, x), 2);
}

TEST(EnvironmentGlobals, WriteInACallMakesALocalThatShadowsTheGlobal) {
    TestEnv env;
    const Symbol x("x");
    env.set_variable(x, Value::number(1));
    env.push_scope();
    env.set_variable(x, Value::number(2));
    EXPECT_EQ(read(env, x), 2);
    env.pop_scope();
    EXPECT_EQ(read(env, x), 1) << "the global is untouched by the call's assignment";
}

TEST(EnvironmentGlobals, LocalHoldingNullStillShadowsTheGlobal) {
    TestEnv env;
    const Symbol x("x");
    env.set_variable(x, Value::number(1));
    env.push_scope();
    env.set_variable(x, Value());
    EXPECT_TRUE(env.get_variable(x).is_null());
    env.push_scope();
    EXPECT_TRUE(env.get_variable(x).is_null()) << "the caller's null local is found first";
    env.pop_scope();
    env.pop_scope();
    EXPECT_EQ(read(env, x), 1);
}

TEST(EnvironmentGlobals, RepeatedWritesInOneCallReplaceTheLocal) {
    TestEnv env;
    const Symbol x("x");
    env.set_variable(x, Value::number(-1));
    env.push_scope();
    for (int i = 0; i < 1000; ++i)
        env.set_variable(x, Value::number(i));
    EXPECT_EQ(read(env, x), 999);
    env.pop_scope();
    EXPECT_EQ(read(env, x), -1) << "one pop undoes all writes of the call";
}

TEST(EnvironmentGlobals, StoredValuesAreOwnedByTheEnvironment) {
    TestEnv env;
    const Symbol a("a");
    Value list = Value::array({Value::number(1)});
    env.set_variable(a, list);
    list.items_mut().push_back(Value::number(2));
    EXPECT_EQ(env.get_variable(a).items().size(), 1u);

    Value copy = env.get_variable(a);
    copy.items_mut().clear();
    EXPECT_EQ(env.get_variable(a).items().size(), 1u);
}

// ---------------------------------------------------------------------------
// Dynamic scoping: every active call's locals are visible to the calls it
// makes.

TEST(EnvironmentDynamicScope, CalleeSeesTheCallersLocals) {
    TestEnv env;
    const Symbol x("x");
    const Symbol y("y");
    env.set_variable(x, Value::number(1));
    env.push_scope(); // f
    env.set_variable(x, Value::number(10));
    env.set_variable(y, Value::number(20));
    env.push_scope(); // g, called by f
    EXPECT_EQ(read(env, x), 10);
    EXPECT_EQ(read(env, y), 20);
    env.push_scope(); // h, called by g
    EXPECT_EQ(read(env, y), 20) << "visible two calls down";
    env.pop_scope();
    env.pop_scope();
    env.pop_scope();
    EXPECT_EQ(read(env, x), 1);
    EXPECT_EQ(read(env, y), kNull);
}

TEST(EnvironmentDynamicScope, WritingACallersNameMakesANewLocal) {
    TestEnv env;
    const Symbol x("x");
    env.push_scope(); // f
    env.set_variable(x, Value::number(10));
    env.push_scope(); // g
    env.set_variable(x, Value::number(20));
    EXPECT_EQ(read(env, x), 20);
    env.pop_scope();
    EXPECT_EQ(read(env, x), 10) << "f's local is unchanged by g's write";
    env.pop_scope();
    EXPECT_EQ(read(env, x), kNull);
}

TEST(EnvironmentDynamicScope, PopRestoresEachEarlierBinding) {
    TestEnv env;
    const Symbol x("x");
    env.set_variable(x, Value::number(0));
    for (int depth = 1; depth <= 5; ++depth) {
        env.push_scope();
        env.set_variable(x, Value::number(depth));
        env.set_variable(x, Value::number(depth * 100)); // replaced in place
    }
    EXPECT_EQ(read(env, x), 500);
    for (int depth = 5; depth >= 1; --depth) {
        EXPECT_EQ(read(env, x), depth * 100);
        env.pop_scope();
    }
    EXPECT_EQ(read(env, x), 0);
}

// Some calls bind a name and others do not; popping restores the nearest
// caller's binding, skipping calls that never bound it.
TEST(EnvironmentDynamicScope, GapsBetweenBindingDepths) {
    TestEnv env;
    const Symbol x("x");
    const Symbol y("y");
    env.set_variable(x, Value::number(0));
    env.push_scope(); // depth 1 binds x
    env.set_variable(x, Value::number(1));
    env.push_scope(); // depth 2 binds only y
    env.set_variable(y, Value::number(2));
    env.push_scope(); // depth 3 binds x and y
    env.set_variable(x, Value::number(3));
    env.set_variable(y, Value::number(33));
    env.push_scope(); // depth 4 binds nothing
    EXPECT_EQ(read(env, x), 3);
    EXPECT_EQ(read(env, y), 33);
    env.pop_scope();
    env.pop_scope();
    EXPECT_EQ(read(env, x), 1);
    EXPECT_EQ(read(env, y), 2);
    env.pop_scope();
    EXPECT_EQ(read(env, x), 1);
    EXPECT_EQ(read(env, y), kNull);
    env.pop_scope();
    EXPECT_EQ(read(env, x), 0);
}

TEST(EnvironmentDynamicScope, ManyNamesInterleavedAcrossCalls) {
    TestEnv env;
    std::vector<Symbol> names;
    for (int i = 0; i < 50; ++i)
        names.emplace_back("env_many_" + std::to_string(i));
    for (int i = 0; i < 50; ++i)
        env.set_variable(names[i], Value::number(i));
    constexpr int kDepth = 20;
    for (int d = 1; d <= kDepth; ++d) {
        env.push_scope();
        // Each call binds every d-th name.
        for (int i = 0; i < 50; i += d)
            env.set_variable(names[i], Value::number(d * 1000 + i));
    }
    for (int d = kDepth; d >= 0; --d) {
        for (int i = 0; i < 50; ++i) {
            // The innermost active call at or below d that binds name i.
            std::int64_t want = i;
            for (int k = d; k >= 1; --k) {
                if (i % k == 0) {
                    want = k * 1000 + i;
                    break;
                }
            }
            ASSERT_EQ(read(env, names[i]), want) << "depth " << d << ", name " << i;
        }
        if (d > 0) env.pop_scope();
    }
    EXPECT_EQ(env.depth(), 0u);
}

TEST(EnvironmentDynamicScope, DeepRecursionBindingTheSameName) {
    TestEnv env;
    const Symbol n("n");
    constexpr int kCalls = 200'000;
    for (int i = 0; i < kCalls; ++i) {
        env.push_scope();
        env.set_variable(n, Value::number(i));
    }
    EXPECT_EQ(env.depth(), static_cast<std::size_t>(kCalls));
    for (int i = kCalls - 1; i >= 0; --i) {
        ASSERT_EQ(read(env, n), i);
        env.pop_scope();
    }
    EXPECT_EQ(read(env, n), kNull);
}

TEST(EnvironmentDynamicScope, PoppingAScopeReleasesADeepValue) {
    TestEnv env;
    const Symbol v("v");
    Value deep = Value::number(0);
    for (int i = 0; i < 1'000'000; ++i) {
        std::vector<Value> items;
        items.push_back(std::move(deep));
        deep = Value::array(std::move(items));
    }
    env.push_scope();
    env.set_variable(v, std::move(deep));
    env.pop_scope();
    EXPECT_TRUE(env.get_variable(v).is_null());
}

// ---------------------------------------------------------------------------
// Names declared global.

TEST(EnvironmentDeclaredGlobal, WritesGoToTheGlobalAtEveryDepth) {
    TestEnv env;
    const Symbol x("x");
    env.set_variable(x, Value::number(1));
    env.push_scope();
    env.declare_global(x);
    EXPECT_TRUE(env.is_declared_global(x));
    env.set_variable(x, Value::number(2));
    env.push_scope();
    env.push_scope();
    env.set_variable(x, Value::number(3));
    EXPECT_EQ(read(env, x), 3);
    env.pop_scope();
    env.pop_scope();
    env.pop_scope();
    EXPECT_EQ(read(env, x), 3) << "no local was made, so the global kept the last write";
}

TEST(EnvironmentDeclaredGlobal, DeclarationOutlivesTheCallThatMadeIt) {
    TestEnv env;
    const Symbol x("x");
    env.push_scope(); // f: global x
    env.declare_global(x);
    env.pop_scope();
    env.push_scope(); // another function assigns x
    env.set_variable(x, Value::number(7));
    env.pop_scope();
    EXPECT_EQ(read(env, x), 7);
    EXPECT_TRUE(env.is_declared_global(x));
}

TEST(EnvironmentDeclaredGlobal, DeclaredAtTopLevel) {
    TestEnv env;
    const Symbol x("x");
    env.declare_global(x);
    env.push_scope();
    env.set_variable(x, Value::string("from a call"));
    env.pop_scope();
    EXPECT_EQ(env.get_variable(x).text(), "from a call");
}

// A declaration affects writes only: an existing local is still read first.
TEST(EnvironmentDeclaredGlobal, ExistingLocalIsStillReadFirst) {
    TestEnv env;
    const Symbol x("x");
    env.set_variable(x, Value::number(0));
    env.push_scope(); // f has a local x
    env.set_variable(x, Value::number(1));
    env.push_scope(); // g declares x global and assigns it
    env.declare_global(x);
    env.set_variable(x, Value::number(2));
    EXPECT_EQ(read(env, x), 1) << "f's local shadows the global g wrote";
    env.pop_scope();
    env.set_variable(x, Value::number(3)); // f writes x: global now
    EXPECT_EQ(read(env, x), 1);
    env.pop_scope();
    EXPECT_EQ(read(env, x), 3);
}

TEST(EnvironmentDeclaredGlobal, OnlyTheDeclaredNameIsAffected) {
    TestEnv env;
    const Symbol x("x");
    const Symbol y("y");
    env.declare_global(x);
    EXPECT_TRUE(env.is_declared_global(x));
    EXPECT_FALSE(env.is_declared_global(y));
    EXPECT_FALSE(env.is_declared_global(Symbol("env_declared_never")));
    env.push_scope();
    env.set_variable(x, Value::number(1));
    env.set_variable(y, Value::number(2));
    env.pop_scope();
    EXPECT_EQ(read(env, x), 1);
    EXPECT_EQ(read(env, y), kNull);
}

TEST(EnvironmentDeclaredGlobal, DeclaringTwiceChangesNothing) {
    TestEnv env;
    const Symbol x("x");
    env.set_variable(x, Value::number(4));
    env.declare_global(x);
    env.declare_global(x);
    EXPECT_TRUE(env.is_declared_global(x));
    EXPECT_EQ(read(env, x), 4) << "declaring does not reset the global";
}

TEST(EnvironmentDeclaredGlobal, EnvironmentsAreIndependent) {
    TestEnv a;
    TestEnv b;
    const Symbol x("x");
    a.declare_global(x);
    a.set_variable(x, Value::number(1));
    EXPECT_FALSE(b.is_declared_global(x));
    EXPECT_EQ(read(b, x), kNull);
}

// ---------------------------------------------------------------------------
// Access by a name's id, and the slot an assignment would overwrite.

TEST(EnvironmentById, SameVariablesAsBySymbol) {
    TestEnv env;
    const Symbol x("x");
    env.set(x.id(), Value::number(1));
    EXPECT_EQ(read(env, x), 1);
    env.set_variable(x, Value::number(2));
    EXPECT_EQ(env.get(x.id()).as_number(), 2);
    env.push_scope();
    env.set(x.id(), Value::number(3));
    EXPECT_EQ(read(env, x), 3);
    env.pop_scope();
    EXPECT_EQ(env.get(x.id()).as_number(), 2);
    EXPECT_TRUE(env.get(Symbol("env_by_id_unset").id()).is_null());
}

TEST(EnvironmentById, AssignableIsTheSlotAWriteWouldReplace) {
    TestEnv env;
    const Symbol x("x");
    EXPECT_EQ(env.assignable(Symbol("env_assignable_unseen").id()), nullptr);

    env.set_variable(x, Value::number(1));
    Value* global = env.assignable(x.id());
    ASSERT_NE(global, nullptr) << "at top level the global slot";
    *global = Value::number(10);
    EXPECT_EQ(read(env, x), 10);

    env.push_scope();
    EXPECT_EQ(env.assignable(x.id()), nullptr) << "a write here would make a new local";
    env.set_variable(x, Value::number(20));
    Value* local = env.assignable(x.id());
    ASSERT_NE(local, nullptr);
    *local = Value::number(21);
    EXPECT_EQ(read(env, x), 21);

    env.push_scope();
    EXPECT_EQ(env.assignable(x.id()), nullptr) << "the caller's local is not this call's";
    env.pop_scope();
    env.pop_scope();
    EXPECT_EQ(read(env, x), 10) << "writing the local slot left the global";
}

TEST(EnvironmentById, AssignableOfADeclaredGlobalIsTheGlobal) {
    TestEnv env;
    const Symbol x("x");
    env.set_variable(x, Value::number(1));
    env.push_scope();
    env.set_variable(x, Value::number(2)); // a local made before the declaration
    env.declare_global(x);
    env.push_scope();
    Value* slot = env.assignable(x.id());
    ASSERT_NE(slot, nullptr);
    *slot = Value::number(3);
    EXPECT_EQ(read(env, x), 2) << "the caller's local is still read first";
    env.pop_scope();
    env.pop_scope();
    EXPECT_EQ(read(env, x), 3);
}

} // namespace
} // namespace quillo
