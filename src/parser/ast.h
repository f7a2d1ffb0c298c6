// The syntax tree: the hand-over between the parser and the interpreter.
//
// Every node owns its children. Names (of variables, functions, parameters
// and dict keys) are interned symbols. Copying a node copies its whole subtree
// (`Box` below copies what it points to), with one exception: the parameter
// names and body of a function definition live in an immutable
// `FunctionCode` held through a shared pointer. The tree is never changed
// after parsing, so a function value can share that code with the tree (and
// keep it alive after the program it came from has been released) instead of
// copying the body; sharing an immutable object is indistinguishable from
// owning a copy of it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "lexer/token.h"

namespace quillo {

// An exclusively owned single child with value semantics: copying a Box
// copies the object it holds. Never empty once constructed.
template <typename T> class Box {
  public:
    Box(T value) : ptr_(std::make_unique<T>(std::move(value))) {}
    Box(const Box& other) : ptr_(std::make_unique<T>(*other.ptr_)) {}
    Box(Box&&) noexcept = default;
    Box& operator=(const Box& other) {
        if (this != &other) ptr_ = std::make_unique<T>(*other.ptr_);
        return *this;
    }
    Box& operator=(Box&&) noexcept = default;
    ~Box() = default;

    T& operator*() { return *ptr_; }
    const T& operator*() const { return *ptr_; }
    T* operator->() { return ptr_.get(); }
    const T* operator->() const { return ptr_.get(); }
    bool operator==(const Box& other) const { return *ptr_ == *other.ptr_; }

  private:
    std::unique_ptr<T> ptr_;
};

struct Expr;
struct Stmt;

// True when T is one of the alternatives of the variant V.
template <typename T, typename V> struct IsAlternative;
template <typename T, typename... Ts> struct IsAlternative<T, std::variant<Ts...>> {
    static constexpr bool value = (std::is_same_v<T, Ts> || ...);
};

// An ordered list of statements; may be empty.
using Block = std::vector<Stmt>;

struct DictEntry {
    Symbol key; // an identifier's text, as written
    Box<Expr> value;
    bool operator==(const DictEntry&) const;
};

struct Expr {
    struct Number {
        std::int64_t value;
        bool operator==(const Number&) const = default;
    };
    struct Float {
        double value;
        // Bitwise comparison keeps tree equality reflexive for NaN.
        bool operator==(const Float& o) const;
    };
    struct String {
        Symbol text; // interned, so equal literals share one text
        bool operator==(const String&) const = default;
    };
    struct Boolean {
        bool value;
        bool operator==(const Boolean&) const = default;
    };
    struct Identifier {
        Symbol name;
        bool operator==(const Identifier&) const = default;
    };
    struct Binary {
        Box<Expr> left;
        Token op;
        Box<Expr> right;
        bool operator==(const Binary&) const = default;
    };
    struct Unary {
        Token op;
        Box<Expr> operand;
        bool operator==(const Unary&) const = default;
    };
    struct Call {
        Symbol name;
        std::vector<Expr> args;
        bool operator==(const Call&) const = default;
    };
    struct Array {
        std::vector<Expr> elements;
        bool operator==(const Array&) const = default;
    };
    struct Dict {
        std::vector<DictEntry> entries;
        bool operator==(const Dict&) const = default;
    };
    struct Index {
        Box<Expr> object;
        Box<Expr> index;
        bool operator==(const Index&) const = default;
    };
    struct Range {
        Box<Expr> start;
        Box<Expr> end;
        bool operator==(const Range&) const = default;
    };

    // Alternatives in the canonical variant order.
    using Node = std::variant<Number, Float, String, Boolean, Identifier, Binary, Unary, Call,
                              Array, Dict, Index, Range>;
    Node node;

    // A node is made from exactly one of its alternatives.
    template <typename T>
    requires(IsAlternative<T, Node>::value) Expr(T n) : node(std::move(n)) {}
    bool operator==(const Expr&) const = default;
};

// The parameter names and body of a function definition. Immutable once
// built; shared between the definition and the function values made from it.
struct FunctionCode {
    std::vector<Symbol> params;
    Block body;
    bool operator==(const FunctionCode&) const;
};

struct MatchArm {
    std::optional<Expr> pattern; // absent: the wildcard `_`
    Block body;
    bool operator==(const MatchArm&) const;
};

struct Stmt {
    struct Let {
        Symbol name;
        Expr value;
        bool operator==(const Let&) const = default;
    };
    struct Assign {
        Symbol name;
        Expr value;
        bool operator==(const Assign&) const = default;
    };
    struct CompoundAssign {
        Token op;
        Symbol name;
        Expr value;
        bool operator==(const CompoundAssign&) const = default;
    };
    struct FunctionDef {
        Symbol name;
        std::shared_ptr<const FunctionCode> code;
        const std::vector<Symbol>& params() const { return code->params; }
        const Block& body() const { return code->body; }
        bool operator==(const FunctionDef& o) const { return name == o.name && *code == *o.code; }
    };
    struct If {
        Expr condition;
        Block then_body;
        std::optional<Block> else_body;
        bool operator==(const If&) const;
    };
    struct While {
        Expr condition;
        Block body;
        bool operator==(const While&) const;
    };
    struct For {
        Symbol variable;
        Expr iterable;
        Block body;
        bool operator==(const For&) const;
    };
    struct Match {
        Expr subject;
        std::vector<MatchArm> arms;
        bool operator==(const Match&) const;
    };
    struct TryCatch {
        Block body;
        Symbol error_name;
        Block handler;
        bool operator==(const TryCatch&) const;
    };
    struct Return {
        std::optional<Expr> value;
        bool operator==(const Return&) const = default;
    };
    struct Break {
        bool operator==(const Break&) const = default;
    };
    struct Continue {
        bool operator==(const Continue&) const = default;
    };
    struct Global {
        Symbol name;
        bool operator==(const Global&) const = default;
    };
    struct Expression {
        Expr expr;
        bool operator==(const Expression&) const = default;
    };

    using Node = std::variant<Let, Assign, CompoundAssign, FunctionDef, If, While, For, Match,
                              TryCatch, Return, Break, Continue, Global, Expression>;
    Node node;

    template <typename T>
    requires(IsAlternative<T, Node>::value) Stmt(T n) : node(std::move(n)) {}
    bool operator==(const Stmt&) const = default;
};

// The top-level statements of a parsed program, in source order.
struct Program {
    Block statements;
    // True when the input nested deeper than the parser follows (see
    // kMaxNesting): the statements are then not the program as written,
    // and it must not be run.
    bool too_deep = false;
    bool operator==(const Program&) const = default;
};

// Copies a function definition's code into a new, unshared FunctionCode.
// Plain copies of a Stmt share the (immutable) code; this is the deep copy
// for callers that need their own.
std::shared_ptr<const FunctionCode> deep_copy(const FunctionCode& code);

} // namespace quillo
