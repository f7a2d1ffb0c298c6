#include "interpreter/code.h"

#include <new>
#include <string>
#include <utility>

#include "builtins/builtins.h"
#include "interpreter/console.h"
#include "interpreter/dict.h"
#include "interpreter/interpreter.h"
#include "interpreter/memory.h"
#include "interpreter/operators.h"

namespace quillo {

namespace {

std::int64_t wrap(std::uint64_t u) {
    return static_cast<std::int64_t>(u);
}

// ------------------------------------------------------------- expressions

struct ConstNode final : ExprNode {
    explicit ConstNode(Value v) : value(std::move(v)) {}
    Value eval(Interpreter&) const override { return value; }
    bool test(Interpreter&) const override { return is_truthy(value); }
    Value value;
};

// Names are kept as their symbols' ids, which is what the environment
// indexes by.
struct VariableNode final : ExprNode {
    explicit VariableNode(Symbol n) : name(n.id()) {}
    Value eval(Interpreter& in) const override { return in.environment().get(name); }
    bool test(Interpreter& in) const override { return is_truthy(in.environment().get(name)); }
    std::uint32_t name;
};

// The result of an integer operator when both operands are numbers, for
// the cases that need no message; false sends the operands to the general
// rule (apply_binary), which also handles every other combination.
template <TokenKind Op> inline bool number_result(std::int64_t a, std::int64_t b, Value& out) {
    const auto ua = static_cast<std::uint64_t>(a);
    const auto ub = static_cast<std::uint64_t>(b);
    if constexpr (Op == TokenKind::Plus) {
        out = Value::number(wrap(ua + ub));
    } else if constexpr (Op == TokenKind::Minus) {
        out = Value::number(wrap(ua - ub));
    } else if constexpr (Op == TokenKind::Star) {
        out = Value::number(wrap(ua * ub));
    } else if constexpr (Op == TokenKind::Slash) {
        if (b == 0 || b == -1) return false;
        out = Value::number(a / b);
    } else if constexpr (Op == TokenKind::Percent) {
        if (b == 0 || b == -1) return false;
        out = Value::number(a % b);
    } else if constexpr (Op == TokenKind::Less) {
        out = Value::boolean(a < b);
    } else if constexpr (Op == TokenKind::Greater) {
        out = Value::boolean(a > b);
    } else if constexpr (Op == TokenKind::LessEqual) {
        out = Value::boolean(a <= b);
    } else if constexpr (Op == TokenKind::GreaterEqual) {
        out = Value::boolean(a >= b);
    } else if constexpr (Op == TokenKind::Equal) {
        out = Value::boolean(a == b);
    } else if constexpr (Op == TokenKind::NotEqual) {
        out = Value::boolean(a != b);
    } else {
        return false;
    }
    return true;
}

// An integer comparison.
template <TokenKind Op> inline bool compare(std::int64_t a, std::int64_t b) {
    if constexpr (Op == TokenKind::Less) return a < b;
    if constexpr (Op == TokenKind::Greater) return a > b;
    if constexpr (Op == TokenKind::LessEqual) return a <= b;
    if constexpr (Op == TokenKind::GreaterEqual) return a >= b;
    if constexpr (Op == TokenKind::Equal) return a == b;
    if constexpr (Op == TokenKind::NotEqual) return a != b;
}

template <TokenKind Op> inline Value binary(Value left, Value right) {
    Value out;
    if (left.is(Value::Number) && right.is(Value::Number) &&
        number_result<Op>(left.as_number(), right.as_number(), out)) {
        return out;
    }
    return apply_binary(std::move(left), Op, std::move(right));
}

// A binary operator whose operator is fixed in the node's type. Both
// operands are always evaluated, left first.
template <TokenKind Op> struct BinaryNode final : ExprNode {
    BinaryNode(ExprPtr l, ExprPtr r) : left(std::move(l)), right(std::move(r)) {}
    Value eval(Interpreter& in) const override { return run(in); }
    bool test(Interpreter& in) const override { return is_truthy(run(in)); }
    Value run(Interpreter& in) const {
        if (in.stopping()) return Value();
        Value l = left->eval(in);
        Value r = right->eval(in);
        return binary<Op>(std::move(l), std::move(r));
    }
    ExprPtr left, right;
};

// The same with an integer literal on the right (n - 1, i < 10).
template <TokenKind Op> struct BinaryLiteralNode final : ExprNode {
    BinaryLiteralNode(ExprPtr l, std::int64_t r) : left(std::move(l)), right(r) {}
    Value eval(Interpreter& in) const override { return run(in); }
    bool test(Interpreter& in) const override {
        if constexpr (Op == TokenKind::Less || Op == TokenKind::Greater ||
                      Op == TokenKind::LessEqual || Op == TokenKind::GreaterEqual ||
                      Op == TokenKind::Equal || Op == TokenKind::NotEqual) {
            if (in.stopping()) return false;
            Value l = left->eval(in);
            if (l.is(Value::Number)) return compare<Op>(l.as_number(), right);
            return is_truthy(apply_binary(std::move(l), Op, Value::number(right)));
        } else {
            return is_truthy(run(in));
        }
    }
    Value run(Interpreter& in) const {
        if (in.stopping()) return Value();
        Value l = left->eval(in);
        Value out;
        if (l.is(Value::Number) && number_result<Op>(l.as_number(), right, out)) return out;
        return apply_binary(std::move(l), Op, Value::number(right));
    }
    ExprPtr left;
    std::int64_t right;
};

// Any other operator (**, and, or, and operators the grammar allows but no
// value supports), decided at run time.
struct GenericBinaryNode final : ExprNode {
    GenericBinaryNode(ExprPtr l, TokenKind o, ExprPtr r)
        : left(std::move(l)), op(o), right(std::move(r)) {}
    Value eval(Interpreter& in) const override {
        if (in.stopping()) return Value();
        Value l = left->eval(in);
        Value r = right->eval(in);
        return apply_binary(std::move(l), op, std::move(r));
    }
    ExprPtr left;
    TokenKind op;
    ExprPtr right;
};

struct NegateNode final : ExprNode {
    explicit NegateNode(ExprPtr o) : operand(std::move(o)) {}
    Value eval(Interpreter& in) const override {
        if (in.stopping()) return Value();
        const Value v = operand->eval(in);
        // Wraps: the negation of the smallest integer is itself.
        if (v.is(Value::Number))
            return Value::number(wrap(0 - static_cast<std::uint64_t>(v.as_number())));
        if (v.is(Value::Float)) return Value::floating(-v.as_float());
        return Value();
    }
    ExprPtr operand;
};

struct NotNode final : ExprNode {
    explicit NotNode(ExprPtr o) : operand(std::move(o)) {}
    Value eval(Interpreter& in) const override { return Value::boolean(test(in)); }
    bool test(Interpreter& in) const override {
        if (in.stopping()) return false;
        return !operand->test(in);
    }
    ExprPtr operand;
};

struct BuiltinCallNode final : ExprNode {
    BuiltinCallNode(Builtin b, std::vector<ExprPtr> a) : builtin(b), args(std::move(a)) {}
    Value eval(Interpreter& in) const override {
        if (in.stopping()) return Value();
        Value result = call_builtin(in, builtin, args);
        // A stop recorded inside a built-in (say while displaying a deeply
        // nested value) stops the run like one in the interpreter.
        in.stopping();
        return result;
    }
    Builtin builtin;
    std::vector<ExprPtr> args;
};

// Room for a few argument values on the native stack; only the values
// actually pushed are constructed and destroyed.
template <std::size_t N> class ArgumentBuffer {
  public:
    ArgumentBuffer() = default;
    ArgumentBuffer(const ArgumentBuffer&) = delete;
    ArgumentBuffer& operator=(const ArgumentBuffer&) = delete;
    ~ArgumentBuffer() {
        for (std::size_t i = 0; i < size_; ++i)
            data()[i].~Value();
    }
    void push(Value v) { new (storage_ + size_++ * sizeof(Value)) Value(std::move(v)); }
    Value* data() { return std::launder(reinterpret_cast<Value*>(storage_)); }

  private:
    alignas(Value) unsigned char storage_[N * sizeof(Value)];
    std::size_t size_ = 0;
};

// A call of a name that is no built-in: the variable of that name must hold
// a function; otherwise the call is null and no argument is evaluated.
struct UserCallNode final : ExprNode {
    UserCallNode(Symbol n, std::vector<ExprPtr> a) : name(n.id()), args(std::move(a)) {}
    Value eval(Interpreter& in) const override {
        const Value& held = in.environment().get(name);
        if (!held.is(Value::Function)) return Value();
        // The call runs its own copy of the function, so redefining the
        // name while it runs does not change the running body.
        const Value function = held;
        // The arguments are evaluated in the caller's scope, before the
        // call's scope exists; a few are kept right here.
        constexpr std::size_t kInline = 4;
        const std::size_t count = args.size();
        if (count <= kInline) {
            ArgumentBuffer<kInline> values;
            for (std::size_t i = 0; i < count; ++i)
                values.push(args[i]->eval(in));
            return in.call_function(function, values.data(), count);
        }
        std::vector<Value> values;
        values.reserve(args.size());
        for (const ExprPtr& arg : args)
            values.push_back(arg->eval(in));
        return in.call_function(function, values.data(), values.size());
    }
    std::uint32_t name;
    std::vector<ExprPtr> args;
};

struct ArrayNode final : ExprNode {
    explicit ArrayNode(std::vector<ExprPtr> e) : elements(std::move(e)) {}
    Value eval(Interpreter& in) const override {
        if (in.stopping()) return Value();
        std::vector<Value> items;
        items.reserve(elements.size());
        for (const ExprPtr& e : elements)
            items.push_back(e->eval(in));
        return Value::array(std::move(items));
    }
    std::vector<ExprPtr> elements;
};

struct DictNode final : ExprNode {
    std::vector<std::pair<Symbol, ExprPtr>> entries;
    Value eval(Interpreter& in) const override {
        if (in.stopping()) return Value();
        // Every value is evaluated; a key written twice keeps the last one.
        DictMap map;
        for (const auto& [key, value] : entries)
            map.insert(key, value->eval(in));
        return Value::dict(std::move(map));
    }
};

Value index_value(const Value& object, const Value& key) {
    if (object.is(Value::Array) && key.is(Value::Number)) {
        // Compared as unsigned: every negative index is out of range.
        const auto i = static_cast<std::uint64_t>(key.as_number());
        const std::vector<Value>& items = object.items();
        return i < items.size() ? items[i] : Value();
    }
    if (object.is(Value::Dict) && key.is(Value::String)) {
        const Value* found = object.entries().find(std::string_view(key.text()));
        return found != nullptr ? *found : Value();
    }
    return Value();
}

struct IndexNode final : ExprNode {
    IndexNode(ExprPtr o, ExprPtr i) : object(std::move(o)), index(std::move(i)) {}
    Value eval(Interpreter& in) const override {
        if (in.stopping()) return Value();
        const Value o = object->eval(in);
        const Value i = index->eval(in);
        return index_value(o, i);
    }
    ExprPtr object, index;
};

// Indexing by a text literal, as in d.name or d["name"]: the key is known.
struct KeyNode final : ExprNode {
    KeyNode(ExprPtr o, Symbol k) : object(std::move(o)), key(k) {}
    Value eval(Interpreter& in) const override {
        if (in.stopping()) return Value();
        const Value o = object->eval(in);
        if (!o.is(Value::Dict)) return Value();
        const Value* found = o.entries().find(key);
        return found != nullptr ? *found : Value();
    }
    ExprPtr object;
    Symbol key;
};

// The number of elements of start..end (0 when it would count down).
std::uint64_t range_length(std::int64_t start, std::int64_t end) {
    if (start >= end) return 0;
    return static_cast<std::uint64_t>(end) - static_cast<std::uint64_t>(start);
}

// A range is built in full, so its length is limited by memory. One that
// cannot be built gives a message and null, and the run goes on.
bool range_fits(std::uint64_t length) {
    return length <= memory_ceiling() / sizeof(Value);
}

void report_range_too_large(std::uint64_t length) {
    write_diagnostic("Error: range too large: " + std::to_string(length) +
                     " elements do not fit in memory\n");
}

// Evaluates both bounds of a range, start first, and works out where it
// begins and how many numbers it holds. False when it is no range: a bound
// that is not a number, or one too large for memory (reported).
bool range_span(Interpreter& in, const ExprNode& start, const ExprNode& end, std::int64_t& from,
                std::uint64_t& length) {
    const Value start_value = start.eval(in);
    const Value end_value = end.eval(in);
    std::int64_t to = 0;
    // Bounds are read as integers (floats truncated toward zero).
    if (!as_integer(start_value, from) || !as_integer(end_value, to)) return false;
    length = range_length(from, to);
    if (!range_fits(length)) {
        report_range_too_large(length);
        return false;
    }
    return true;
}

struct RangeNode final : ExprNode {
    RangeNode(ExprPtr s, ExprPtr e) : start(std::move(s)), end(std::move(e)) {}
    Value eval(Interpreter& in) const override {
        if (in.stopping()) return Value();
        std::int64_t from = 0;
        std::uint64_t length = 0;
        if (!range_span(in, *start, *end, from, length)) return Value();
        if (in.spend_steps(length / Interpreter::kRangeStepNumbers)) return Value();
        std::vector<Value> items;
        try {
            items.reserve(static_cast<std::size_t>(length));
        } catch (const std::bad_alloc&) {
            report_range_too_large(length);
            return Value();
        }
        for (std::uint64_t i = 0; i < length; ++i) {
            items.push_back(Value::number(wrap(static_cast<std::uint64_t>(from) + i)));
        }
        return Value::array(std::move(items));
    }
    ExprPtr start, end;
};

// -------------------------------------------------------------- statements

// `let` and plain assignment run identically; only hoisting tells them
// apart.
struct AssignNode final : StmtNode {
    AssignNode(Kind k, Symbol n, ExprPtr v) : StmtNode(k), name(n.id()), value(std::move(v)) {}
    void exec(Interpreter& in) const override {
        Value v = value->eval(in);
        // A run being stopped changes no more variables.
        if (in.stopped()) return;
        in.environment().set(name, std::move(v));
    }
    std::uint32_t name;
    ExprPtr value;
};

struct CompoundAssignNode final : StmtNode {
    CompoundAssignNode(Symbol n, TokenKind o, ExprPtr v)
        : name(n.id()), op(o), value(std::move(v)) {}
    void exec(Interpreter& in) const override {
        // The old value is read before the operand is evaluated.
        Value old = in.environment().get(name);
        Value operand = value->eval(in);
        if (in.stopped()) return;
        Value result;
        switch (op) {
        case TokenKind::Plus:
            result = binary<TokenKind::Plus>(std::move(old), std::move(operand));
            break;
        case TokenKind::Minus:
            result = binary<TokenKind::Minus>(std::move(old), std::move(operand));
            break;
        case TokenKind::Star:
            result = binary<TokenKind::Star>(std::move(old), std::move(operand));
            break;
        default: result = apply_binary(std::move(old), op, std::move(operand)); break;
        }
        in.environment().set(name, std::move(result));
    }
    std::uint32_t name;
    TokenKind op;
    ExprPtr value;
};

// `x = x + e`, `x += e` and the like where e neither mentions x nor calls
// anything: e cannot read or change x, so it is evaluated first, which no
// program can tell apart from reading x first. The variable's own storage
// is then updated in place when the result goes back to where x was read
// from: a number is replaced there, and a text is extended there (copied
// first if another value shares it), so building a text piece by piece
// costs time in proportion to its length, not to its square.
template <TokenKind Op> struct UpdateNode final : StmtNode {
    UpdateNode(Kind k, Symbol n, ExprPtr e) : StmtNode(k), name(n.id()), operand(std::move(e)) {}
    void exec(Interpreter& in) const override {
        Value rhs = operand->eval(in);
        if (in.stopped()) return;
        Environment& env = in.environment();
        const Value& old = env.get(name);
        if (Value* slot = env.assignable(name); slot == &old) {
            if (old.is(Value::Number) && rhs.is(Value::Number)) {
                Value out;
                if (number_result<Op>(old.as_number(), rhs.as_number(), out)) {
                    *slot = out;
                    return;
                }
            } else if constexpr (Op == TokenKind::Plus) {
                if (old.is(Value::String) && rhs.is(Value::String)) {
                    slot->text_mut() += rhs.text();
                    return;
                }
            }
        }
        env.set(name, binary<Op>(old, std::move(rhs)));
    }
    std::uint32_t name;
    ExprPtr operand;
};

// Whether an expression can neither read the variable `name` nor run any
// code that might (a call).
bool independent_of(const Expr& expr, Symbol name) {
    return std::visit(
        [&](const auto& e) -> bool {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, Expr::Identifier>) {
                return !(e.name == name);
            } else if constexpr (std::is_same_v<T, Expr::Call>) {
                return false;
            } else if constexpr (std::is_same_v<T, Expr::Binary>) {
                return independent_of(*e.left, name) && independent_of(*e.right, name);
            } else if constexpr (std::is_same_v<T, Expr::Unary>) {
                return independent_of(*e.operand, name);
            } else if constexpr (std::is_same_v<T, Expr::Array>) {
                for (const Expr& x : e.elements) {
                    if (!independent_of(x, name)) return false;
                }
                return true;
            } else if constexpr (std::is_same_v<T, Expr::Dict>) {
                for (const DictEntry& x : e.entries) {
                    if (!independent_of(*x.value, name)) return false;
                }
                return true;
            } else if constexpr (std::is_same_v<T, Expr::Index>) {
                return independent_of(*e.object, name) && independent_of(*e.index, name);
            } else if constexpr (std::is_same_v<T, Expr::Range>) {
                return independent_of(*e.start, name) && independent_of(*e.end, name);
            } else {
                return true; // literals
            }
        },
        expr.node);
}

// The update node for `name op= operand`, or null when the shape does not
// allow one.
StmtPtr make_update(StmtNode::Kind kind, Symbol name, TokenKind op, const Expr& operand) {
    if (!independent_of(operand, name)) return nullptr;
    switch (op) {
    case TokenKind::Plus:
        return std::make_unique<UpdateNode<TokenKind::Plus>>(kind, name, compile_expr(operand));
    case TokenKind::Minus:
        return std::make_unique<UpdateNode<TokenKind::Minus>>(kind, name, compile_expr(operand));
    case TokenKind::Star:
        return std::make_unique<UpdateNode<TokenKind::Star>>(kind, name, compile_expr(operand));
    default: return nullptr;
    }
}

// `xs = push(xs, e)` where e neither mentions xs nor calls anything: the
// item is appended to the variable's own array (copied first only if
// another value shares it), so building an array item by item costs time
// in proportion to its length, not to its square. As with the call, e is
// evaluated only when xs holds an array, and after xs is read; e cannot
// change xs.
struct PushUpdateNode final : StmtNode {
    PushUpdateNode(Kind k, Symbol n, ExprPtr e) : StmtNode(k), name(n.id()), item(std::move(e)) {}
    void exec(Interpreter& in) const override {
        if (in.stopping()) return;
        Environment& env = in.environment();
        if (!env.get(name).is(Value::Array)) {
            env.set(name, Value());
            return;
        }
        Value v = item->eval(in);
        if (in.stopped()) return;
        const Value& array = env.get(name);
        if (Value* slot = env.assignable(name); slot == &array) {
            push_item(*slot, std::move(v));
            return;
        }
        // The array was read from a binding that the assignment does not
        // write (an outer function's variable): the result is a new array
        // in this scope.
        Value result = array;
        push_item(result, std::move(v));
        env.set(name, std::move(result));
    }
    std::uint32_t name;
    ExprPtr item;
};

// `let xs = push(xs, e)` or `xs = push(xs, e)`: the push update node when it
// applies.
StmtPtr make_push_update(StmtNode::Kind kind, Symbol name, const Expr& value) {
    const auto* call = std::get_if<Expr::Call>(&value.node);
    if (call == nullptr || call->args.size() < 2 || builtin_named(call->name) != Builtin::Push)
        return nullptr;
    const auto* array = std::get_if<Expr::Identifier>(&call->args[0].node);
    if (array == nullptr || !(array->name == name) || !independent_of(call->args[1], name))
        return nullptr;
    return std::make_unique<PushUpdateNode>(kind, name, compile_expr(call->args[1]));
}

// `let x = x op e` or `x = x op e`: the update node when it applies.
StmtPtr make_assign_update(StmtNode::Kind kind, Symbol name, const Expr& value) {
    const auto* binary = std::get_if<Expr::Binary>(&value.node);
    if (binary == nullptr) return nullptr;
    const auto* left = std::get_if<Expr::Identifier>(&binary->left->node);
    if (left == nullptr || !(left->name == name)) return nullptr;
    return make_update(kind, name, binary->op.kind, *binary->right);
}

struct FunctionDefNode final : StmtNode {
    FunctionDefNode(Symbol n, Value f)
        : StmtNode(Kind::FunctionDef), name(n.id()), function(std::move(f)) {}
    // Every execution stores a function value; all of them share the one
    // compiled body, which never changes.
    void exec(Interpreter& in) const override { in.environment().set(name, function); }
    std::uint32_t name;
    Value function;
};

struct IfNode final : StmtNode {
    void exec(Interpreter& in) const override {
        if (in.stopping()) return;
        if (condition->test(in)) {
            in.execute_block(then_body);
        } else if (has_else) {
            in.execute_block(else_body);
        }
    }
    ExprPtr condition;
    CodeBlock then_body;
    CodeBlock else_body;
    bool has_else = false;
};

struct WhileNode final : StmtNode {
    void exec(Interpreter& in) const override {
        if (in.stopping()) return;
        while (condition->test(in)) {
            in.execute_block(body);
            if (in.loop_turn_ends()) break;
        }
        in.loop_left();
    }
    ExprPtr condition;
    CodeBlock body;
};

struct ForNode final : StmtNode {
    void exec(Interpreter& in) const override {
        if (in.stopping()) return;
        // The loop runs over the array as it was evaluated here; changing
        // the variable it came from does not change the iteration.
        const Value array = iterable->eval(in);
        if (!array.is(Value::Array)) return;
        for (const Value& item : array.items()) {
            in.environment().set(variable, item);
            in.execute_block(body);
            if (in.loop_turn_ends()) break;
        }
        in.loop_left();
    }
    std::uint32_t variable;
    ExprPtr iterable;
    CodeBlock body;
};

// A `for` over a range written in the loop header counts through the range
// instead of building its array first; the loop sees the same numbers. A
// range that could not be built gives the same message, and no iteration,
// as building it would.
struct ForRangeNode final : StmtNode {
    void exec(Interpreter& in) const override {
        if (in.stopping()) return;
        std::int64_t from = 0;
        std::uint64_t length = 0;
        if (!range_span(in, *start, *end, from, length)) return;
        for (std::uint64_t i = 0; i < length; ++i) {
            in.environment().set(variable,
                                 Value::number(wrap(static_cast<std::uint64_t>(from) + i)));
            in.execute_block(body);
            if (in.loop_turn_ends()) break;
        }
        in.loop_left();
    }
    std::uint32_t variable;
    ExprPtr start, end;
    CodeBlock body;
};

struct MatchNode final : StmtNode {
    struct Arm {
        ExprPtr pattern; // null: the wildcard
        CodeBlock body;
    };
    void exec(Interpreter& in) const override {
        if (in.stopping()) return;
        const Value value = subject->eval(in);
        for (const Arm& arm : arms) {
            // Patterns are evaluated lazily, up to the first match.
            if (!arm.pattern || values_match(value, arm.pattern->eval(in))) {
                in.execute_block(arm.body);
                return;
            }
        }
    }
    ExprPtr subject;
    std::vector<Arm> arms;
};

// Nothing raises an error that a handler could catch: the body runs, the
// handler never does.
struct TryNode final : StmtNode {
    void exec(Interpreter& in) const override {
        if (in.stopping()) return;
        in.execute_block(body);
    }
    CodeBlock body;
};

struct ReturnNode final : StmtNode {
    explicit ReturnNode(ExprPtr v) : value(std::move(v)) {}
    void exec(Interpreter& in) const override {
        // Replaces any value already pending.
        in.signal_return(value ? value->eval(in) : Value());
    }
    ExprPtr value; // null: a bare return
};

struct BreakNode final : StmtNode {
    void exec(Interpreter& in) const override { in.signal_break(); }
};

struct ContinueNode final : StmtNode {
    void exec(Interpreter& in) const override { in.signal_continue(); }
};

struct GlobalNode final : StmtNode {
    explicit GlobalNode(Symbol n) : name(n) {}
    void exec(Interpreter& in) const override { in.environment().declare_global(name); }
    Symbol name;
};

struct ExpressionNode final : StmtNode {
    explicit ExpressionNode(ExprPtr e) : expr(std::move(e)) {}
    void exec(Interpreter& in) const override { expr->eval(in); }
    ExprPtr expr;
};

// ---------------------------------------------------------------- compiler

std::vector<ExprPtr> compile_list(const std::vector<Expr>& exprs) {
    std::vector<ExprPtr> out;
    out.reserve(exprs.size());
    for (const Expr& e : exprs)
        out.push_back(compile_expr(e));
    return out;
}

template <TokenKind Op> ExprPtr make_binary(ExprPtr left, const Expr& right) {
    if (const auto* n = std::get_if<Expr::Number>(&right.node)) {
        return std::make_unique<BinaryLiteralNode<Op>>(std::move(left), n->value);
    }
    return std::make_unique<BinaryNode<Op>>(std::move(left), compile_expr(right));
}

ExprPtr compile_binary(const Expr::Binary& e) {
    ExprPtr left = compile_expr(*e.left);
    switch (e.op.kind) {
    case TokenKind::Plus: return make_binary<TokenKind::Plus>(std::move(left), *e.right);
    case TokenKind::Minus: return make_binary<TokenKind::Minus>(std::move(left), *e.right);
    case TokenKind::Star: return make_binary<TokenKind::Star>(std::move(left), *e.right);
    case TokenKind::Slash: return make_binary<TokenKind::Slash>(std::move(left), *e.right);
    case TokenKind::Percent: return make_binary<TokenKind::Percent>(std::move(left), *e.right);
    case TokenKind::Less: return make_binary<TokenKind::Less>(std::move(left), *e.right);
    case TokenKind::Greater: return make_binary<TokenKind::Greater>(std::move(left), *e.right);
    case TokenKind::LessEqual: return make_binary<TokenKind::LessEqual>(std::move(left), *e.right);
    case TokenKind::GreaterEqual:
        return make_binary<TokenKind::GreaterEqual>(std::move(left), *e.right);
    case TokenKind::Equal: return make_binary<TokenKind::Equal>(std::move(left), *e.right);
    case TokenKind::NotEqual: return make_binary<TokenKind::NotEqual>(std::move(left), *e.right);
    default:
        return std::make_unique<GenericBinaryNode>(std::move(left), e.op.kind,
                                                   compile_expr(*e.right));
    }
}

} // namespace

ExprPtr compile_expr(const Expr& expr) {
    return std::visit(
        [](const auto& e) -> ExprPtr {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, Expr::Number>) {
                return std::make_unique<ConstNode>(Value::number(e.value));
            } else if constexpr (std::is_same_v<T, Expr::Float>) {
                return std::make_unique<ConstNode>(Value::floating(e.value));
            } else if constexpr (std::is_same_v<T, Expr::String>) {
                return std::make_unique<ConstNode>(Value::string(e.text.text()));
            } else if constexpr (std::is_same_v<T, Expr::Boolean>) {
                return std::make_unique<ConstNode>(Value::boolean(e.value));
            } else if constexpr (std::is_same_v<T, Expr::Identifier>) {
                return std::make_unique<VariableNode>(e.name);
            } else if constexpr (std::is_same_v<T, Expr::Binary>) {
                return compile_binary(e);
            } else if constexpr (std::is_same_v<T, Expr::Unary>) {
                if (e.op.kind == TokenKind::Not) {
                    return std::make_unique<NotNode>(compile_expr(*e.operand));
                }
                return std::make_unique<NegateNode>(compile_expr(*e.operand));
            } else if constexpr (std::is_same_v<T, Expr::Call>) {
                // A built-in of that name always wins; this is decided by
                // the name alone, once.
                const Builtin builtin = builtin_named(e.name);
                if (builtin != Builtin::None) {
                    return std::make_unique<BuiltinCallNode>(builtin, compile_list(e.args));
                }
                return std::make_unique<UserCallNode>(e.name, compile_list(e.args));
            } else if constexpr (std::is_same_v<T, Expr::Array>) {
                return std::make_unique<ArrayNode>(compile_list(e.elements));
            } else if constexpr (std::is_same_v<T, Expr::Dict>) {
                auto node = std::make_unique<DictNode>();
                node->entries.reserve(e.entries.size());
                for (const DictEntry& entry : e.entries) {
                    node->entries.emplace_back(entry.key, compile_expr(*entry.value));
                }
                return node;
            } else if constexpr (std::is_same_v<T, Expr::Index>) {
                if (const auto* key = std::get_if<Expr::String>(&e.index->node)) {
                    return std::make_unique<KeyNode>(compile_expr(*e.object), key->text);
                }
                return std::make_unique<IndexNode>(compile_expr(*e.object), compile_expr(*e.index));
            } else {
                static_assert(std::is_same_v<T, Expr::Range>);
                return std::make_unique<RangeNode>(compile_expr(*e.start), compile_expr(*e.end));
            }
        },
        expr.node);
}

StmtPtr compile_stmt(const Stmt& stmt) {
    return std::visit(
        [](const auto& s) -> StmtPtr {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, Stmt::Let> || std::is_same_v<T, Stmt::Assign>) {
                const StmtNode::Kind kind =
                    std::is_same_v<T, Stmt::Let> ? StmtNode::Kind::Let : StmtNode::Kind::Other;
                if (StmtPtr update = make_assign_update(kind, s.name, s.value)) return update;
                if (StmtPtr update = make_push_update(kind, s.name, s.value)) return update;
                return std::make_unique<AssignNode>(kind, s.name, compile_expr(s.value));
            } else if constexpr (std::is_same_v<T, Stmt::CompoundAssign>) {
                if (StmtPtr update = make_update(StmtNode::Kind::Other, s.name,
                                                 compound_operator(s.op.kind), s.value)) {
                    return update;
                }
                return std::make_unique<CompoundAssignNode>(s.name, compound_operator(s.op.kind),
                                                            compile_expr(s.value));
            } else if constexpr (std::is_same_v<T, Stmt::FunctionDef>) {
                return std::make_unique<FunctionDefNode>(s.name,
                                                         Value::function(compile_function(s.code)));
            } else if constexpr (std::is_same_v<T, Stmt::If>) {
                auto node = std::make_unique<IfNode>();
                node->condition = compile_expr(s.condition);
                node->then_body = compile_block(s.then_body);
                if (s.else_body) {
                    node->has_else = true;
                    node->else_body = compile_block(*s.else_body);
                }
                return node;
            } else if constexpr (std::is_same_v<T, Stmt::While>) {
                auto node = std::make_unique<WhileNode>();
                node->condition = compile_expr(s.condition);
                node->body = compile_block(s.body);
                return node;
            } else if constexpr (std::is_same_v<T, Stmt::For>) {
                if (const auto* range = std::get_if<Expr::Range>(&s.iterable.node)) {
                    auto node = std::make_unique<ForRangeNode>();
                    node->variable = s.variable.id();
                    node->start = compile_expr(*range->start);
                    node->end = compile_expr(*range->end);
                    node->body = compile_block(s.body);
                    return node;
                }
                auto node = std::make_unique<ForNode>();
                node->variable = s.variable.id();
                node->iterable = compile_expr(s.iterable);
                node->body = compile_block(s.body);
                return node;
            } else if constexpr (std::is_same_v<T, Stmt::Match>) {
                auto node = std::make_unique<MatchNode>();
                node->subject = compile_expr(s.subject);
                for (const MatchArm& arm : s.arms) {
                    node->arms.push_back(
                        MatchNode::Arm{arm.pattern ? compile_expr(*arm.pattern) : nullptr,
                                       compile_block(arm.body)});
                }
                return node;
            } else if constexpr (std::is_same_v<T, Stmt::TryCatch>) {
                auto node = std::make_unique<TryNode>();
                node->body = compile_block(s.body);
                return node;
            } else if constexpr (std::is_same_v<T, Stmt::Return>) {
                return std::make_unique<ReturnNode>(s.value ? compile_expr(*s.value) : nullptr);
            } else if constexpr (std::is_same_v<T, Stmt::Break>) {
                return std::make_unique<BreakNode>();
            } else if constexpr (std::is_same_v<T, Stmt::Continue>) {
                return std::make_unique<ContinueNode>();
            } else if constexpr (std::is_same_v<T, Stmt::Global>) {
                return std::make_unique<GlobalNode>(s.name);
            } else {
                static_assert(std::is_same_v<T, Stmt::Expression>);
                return std::make_unique<ExpressionNode>(compile_expr(s.expr));
            }
        },
        stmt.node);
}

CodeBlock compile_block(const Block& block) {
    CodeBlock out;
    out.reserve(block.size());
    for (const Stmt& s : block)
        out.push_back(compile_stmt(s));
    return out;
}

std::shared_ptr<const CompiledFunction> compile_function(std::shared_ptr<const FunctionCode> code) {
    auto compiled = std::make_shared<CompiledFunction>();
    compiled->body = compile_block(code->body);
    compiled->param_ids.reserve(code->params.size());
    for (Symbol p : code->params)
        compiled->param_ids.push_back(p.id());
    compiled->source = std::move(code);
    return compiled;
}

} // namespace quillo
