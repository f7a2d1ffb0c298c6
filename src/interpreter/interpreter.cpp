#include "interpreter/interpreter.h"

#include <cstdio>
#include <limits>
#include <string>

#include "builtins/builtins.h"
#include "interpreter/console.h"
#include "interpreter/dict.h"
#include "interpreter/memory.h"
#include "interpreter/operators.h"
#include "interpreter/stack_guard.h"

namespace quillo {

Interpreter::Interpreter() {
    init_stack_guard();
}

bool Interpreter::stopping() {
    if (!must_stop()) return false;
    signals_ |= kStop;
    return true;
}

Interpreter::~Interpreter() = default;

void Interpreter::clear_signals() {
    signals_ = 0;
    return_value_ = Value();
    arg_stack_.clear();
    init_stack_guard();
}

void report_abort(const char* message) {
    std::string line = message;
    line += '\n';
    write_diagnostic(line);
}

// ---------------------------------------------------------------- programs

void Interpreter::hoist(const Program& program) {
    for (const Stmt& stmt : program.statements) {
        if (const auto* let = std::get_if<Stmt::Let>(&stmt.node)) {
            env_.set_variable(let->name, evaluate(let->value));
        } else if (std::holds_alternative<Stmt::FunctionDef>(stmt.node)) {
            execute(stmt);
        }
    }
}

void Interpreter::run(const Program& program) {
    hoist(program);
    if (stopped()) return;
    static const Symbol kMain("main");
    const Value main = env_.get_variable(kMain);
    if (main.is(Value::Function)) {
        call_function(main);
        return;
    }
    // Without `main`, every statement runs in order, the hoisted ones
    // included (so each top-level `let` is evaluated a second time). Only a
    // pending return ends the run early.
    for (const Stmt& stmt : program.statements) {
        execute(stmt);
        if ((signals_ & (kReturn | kStop)) != 0) return;
    }
}

// -------------------------------------------------------------- statements

void Interpreter::execute_block(const Block& block) {
    for (const Stmt& stmt : block) {
        execute(stmt);
        if (signals_ != 0) return;
    }
}

void Interpreter::execute(const Stmt& stmt) {
    if (stopping()) return;
    // As in evaluate, the bulkier statements run in functions of their own
    // to keep this frame small.
    switch (stmt.node.index()) {
    case 0: { // Let
        const auto& s = *std::get_if<Stmt::Let>(&stmt.node);
        env_.set_variable(s.name, evaluate(s.value));
        return;
    }
    case 1: { // Assign: the same as let
        const auto& s = *std::get_if<Stmt::Assign>(&stmt.node);
        env_.set_variable(s.name, evaluate(s.value));
        return;
    }
    case 2: execute_compound(*std::get_if<Stmt::CompoundAssign>(&stmt.node)); return;
    case 3: { // FunctionDef: the value shares the definition's code
        const auto& s = *std::get_if<Stmt::FunctionDef>(&stmt.node);
        env_.set_variable(s.name, Value::function(s.code));
        return;
    }
    case 4: { // If
        const auto& s = *std::get_if<Stmt::If>(&stmt.node);
        if (is_truthy(evaluate(s.condition))) {
            execute_block(s.then_body);
        } else if (s.else_body) {
            execute_block(*s.else_body);
        }
        return;
    }
    case 5: execute_while(*std::get_if<Stmt::While>(&stmt.node)); return;
    case 6: execute_for(*std::get_if<Stmt::For>(&stmt.node)); return;
    case 7: execute_match(*std::get_if<Stmt::Match>(&stmt.node)); return;
    case 8: // TryCatch: nothing raises an error a handler could catch.
        execute_block(std::get_if<Stmt::TryCatch>(&stmt.node)->body);
        return;
    case 9: { // Return: replaces any value already pending
        const auto& s = *std::get_if<Stmt::Return>(&stmt.node);
        return_value_ = s.value ? evaluate(*s.value) : Value();
        signals_ |= kReturn;
        return;
    }
    case 10: signals_ |= kBreak; return;
    case 11: signals_ |= kContinue; return;
    case 12: env_.declare_global(std::get_if<Stmt::Global>(&stmt.node)->name); return;
    case 13: evaluate(std::get_if<Stmt::Expression>(&stmt.node)->expr); return;
    default: return;
    }
}

void Interpreter::execute_compound(const Stmt::CompoundAssign& s) {
    // The old value is read before the operand is evaluated.
    Value old = env_.get_variable(s.name);
    Value operand = evaluate(s.value);
    env_.set_variable(
        s.name, apply_binary(std::move(old), compound_operator(s.op.kind), std::move(operand)));
}

void Interpreter::execute_while(const Stmt::While& s) {
    while (is_truthy(evaluate(s.condition))) {
        execute_block(s.body);
        if ((signals_ & (kReturn | kBreak | kStop)) != 0) break;
        signals_ &= static_cast<std::uint8_t>(~kContinue);
    }
    // Leaving the loop by any path consumes a pending break.
    signals_ &= static_cast<std::uint8_t>(~kBreak);
}

void Interpreter::execute_match(const Stmt::Match& s) {
    const Value subject = evaluate(s.subject);
    for (const MatchArm& arm : s.arms) {
        // Patterns are evaluated lazily, up to the first match.
        if (!arm.pattern || values_match(subject, evaluate(*arm.pattern))) {
            execute_block(arm.body);
            return;
        }
    }
}

namespace {

// A range's bound as an integer: numbers as they are, floats truncated
// toward zero (saturating); false for every other kind.
bool range_bound(const Value& v, std::int64_t& out) {
    if (v.is(Value::Number)) {
        out = v.as_number();
        return true;
    }
    if (v.is(Value::Float)) {
        out = to_integer(v.as_float());
        return true;
    }
    return false;
}

// The number of elements of start..end (0 when it would count down).
std::uint64_t range_length(std::int64_t start, std::int64_t end) {
    if (start >= end) return 0;
    return static_cast<std::uint64_t>(end) - static_cast<std::uint64_t>(start);
}

// Whether a range of that many elements may be built in memory at all.
bool range_fits(std::uint64_t length) {
    return length <= memory_ceiling() / sizeof(Value);
}

void report_range_too_large(std::uint64_t length) {
    write_diagnostic("Error: range too large: " + std::to_string(length) +
                     " elements do not fit in memory\n");
}

} // namespace

void Interpreter::execute_for(const Stmt::For& loop) {
    // A range written in the loop header is counted through instead of
    // being built as an array first; the loop sees the same numbers. A
    // range that could not be built gives the same message, and no
    // iteration, as building it would.
    if (const auto* range = std::get_if<Expr::Range>(&loop.iterable.node)) {
        const Value start_value = evaluate(*range->start);
        const Value end_value = evaluate(*range->end);
        std::int64_t start = 0;
        std::int64_t end = 0;
        if (!range_bound(start_value, start) || !range_bound(end_value, end)) return;
        const std::uint64_t length = range_length(start, end);
        if (!range_fits(length)) {
            report_range_too_large(length);
            return;
        }
        for (std::uint64_t i = 0; i < length; ++i) {
            env_.set_variable(loop.variable, Value::number(static_cast<std::int64_t>(
                                                 static_cast<std::uint64_t>(start) + i)));
            execute_block(loop.body);
            if ((signals_ & (kReturn | kBreak | kStop)) != 0) break;
            signals_ &= static_cast<std::uint8_t>(~kContinue);
        }
        signals_ &= static_cast<std::uint8_t>(~kBreak);
        return;
    }
    const Value iterable = evaluate(loop.iterable);
    if (!iterable.is(Value::Array)) return;
    // `iterable` holds the array as it was evaluated; assignments in the
    // body cannot change it.
    const std::vector<Value>& items = iterable.items();
    for (const Value& item : items) {
        env_.set_variable(loop.variable, item);
        execute_block(loop.body);
        if ((signals_ & (kReturn | kBreak | kStop)) != 0) break;
        signals_ &= static_cast<std::uint8_t>(~kContinue);
    }
    signals_ &= static_cast<std::uint8_t>(~kBreak);
}

// ------------------------------------------------------------- expressions

Value Interpreter::string_literal(Symbol text) {
    const std::uint32_t id = text.id();
    if (id >= literals_.size()) literals_.resize(static_cast<std::size_t>(id) + 1 + id / 2);
    Value& cached = literals_[id];
    if (cached.is_null()) cached = Value::string(text.text());
    return cached;
}

Value Interpreter::type_name_value(Value::Kind kind) {
    Value& cached = type_names_[kind];
    if (cached.is_null()) cached = Value::string(type_name(kind));
    return cached;
}

Value Interpreter::evaluate(const Expr& expr) {
    if (stopping()) return Value();
    // The frequent, simple cases are handled here; the others live in
    // functions of their own, so that this frame, which every level of a
    // script's recursion passes through, stays small.
    switch (expr.node.index()) {
    case 0: return Value::number(std::get_if<Expr::Number>(&expr.node)->value);
    case 1: return Value::floating(std::get_if<Expr::Float>(&expr.node)->value);
    case 2: return string_literal(std::get_if<Expr::String>(&expr.node)->text);
    case 3: return Value::boolean(std::get_if<Expr::Boolean>(&expr.node)->value);
    case 4: return env_.get_variable(std::get_if<Expr::Identifier>(&expr.node)->name);
    case 5: return evaluate_binary(*std::get_if<Expr::Binary>(&expr.node));
    case 6: return evaluate_unary(*std::get_if<Expr::Unary>(&expr.node));
    case 7: return call_by_name(*this, *std::get_if<Expr::Call>(&expr.node));
    case 8: return evaluate_array(*std::get_if<Expr::Array>(&expr.node));
    case 9: return evaluate_dict(*std::get_if<Expr::Dict>(&expr.node));
    case 10: return evaluate_index(*std::get_if<Expr::Index>(&expr.node));
    case 11: return evaluate_range(*std::get_if<Expr::Range>(&expr.node));
    default: return Value();
    }
}

Value Interpreter::evaluate_binary(const Expr::Binary& e) {
    // Both operands, always, left first: there is no short-circuit.
    Value left = evaluate(*e.left);
    Value right = evaluate(*e.right);
    return apply_binary(std::move(left), e.op.kind, std::move(right));
}

Value Interpreter::evaluate_unary(const Expr::Unary& e) {
    const Value operand = evaluate(*e.operand);
    if (e.op.kind == TokenKind::Not) return Value::boolean(!is_truthy(operand));
    if (operand.is(Value::Number)) {
        // Wraps: the negation of the smallest integer is itself.
        return Value::number(
            static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(operand.as_number())));
    }
    if (operand.is(Value::Float)) return Value::floating(-operand.as_float());
    return Value();
}

Value Interpreter::evaluate_array(const Expr::Array& e) {
    std::vector<Value> items;
    items.reserve(e.elements.size());
    for (const Expr& element : e.elements)
        items.push_back(evaluate(element));
    return Value::array(std::move(items));
}

Value Interpreter::evaluate_dict(const Expr::Dict& e) {
    // Every value is evaluated; a key written twice keeps the last one.
    DictMap map;
    for (const DictEntry& entry : e.entries)
        map.insert(entry.key, evaluate(*entry.value));
    return Value::dict(std::move(map));
}

Value Interpreter::evaluate_index(const Expr::Index& index) {
    const Value object = evaluate(*index.object);
    const Value key = evaluate(*index.index);
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

Value Interpreter::evaluate_range(const Expr::Range& range) {
    const Value start_value = evaluate(*range.start);
    const Value end_value = evaluate(*range.end);
    std::int64_t start = 0;
    std::int64_t end = 0;
    if (!range_bound(start_value, start) || !range_bound(end_value, end)) return Value();
    const std::uint64_t length = range_length(start, end);
    if (!range_fits(length)) {
        report_range_too_large(length);
        return Value();
    }
    std::vector<Value> items;
    try {
        items.reserve(static_cast<std::size_t>(length));
    } catch (const std::bad_alloc&) {
        report_range_too_large(length);
        return Value();
    }
    for (std::uint64_t i = 0; i < length; ++i) {
        items.push_back(
            Value::number(static_cast<std::int64_t>(static_cast<std::uint64_t>(start) + i)));
    }
    return Value::array(std::move(items));
}

// ------------------------------------------------------------------- calls

std::size_t Interpreter::push_arguments(const std::vector<Expr>& args) {
    for (const Expr& arg : args) {
        // Evaluated before it is pushed: the evaluation may use the stack.
        Value v = evaluate(arg);
        arg_stack_.push_back(std::move(v));
    }
    return args.size();
}

namespace {

// Closes a call's scope however the call ends (also when a run is aborted
// midway).
class ScopeGuard {
  public:
    explicit ScopeGuard(Environment& env) : env_(env) { env_.push_scope(); }
    ~ScopeGuard() { env_.pop_scope(); }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

  private:
    Environment& env_;
};

} // namespace

Value Interpreter::call_function(const Value& function, std::size_t count) {
    if (env_.depth() >= kMaxCallDepth) stop_run(kRecursionMessage);
    if (stopping()) {
        drop_arguments(count);
        return Value();
    }
    const FunctionCode& code = *function.code();
    Value result;
    {
        ScopeGuard scope(env_);
        // Parameters are bound in order with the ordinary assignment rule;
        // surplus arguments are dropped, parameters without an argument
        // stay unbound.
        const std::size_t base = arg_stack_.size() - count;
        const std::size_t bound = std::min(count, code.params.size());
        for (std::size_t i = 0; i < bound; ++i) {
            env_.set_variable(code.params[i], std::move(arg_stack_[base + i]));
        }
        arg_stack_.resize(base);
        execute_block(code.body);
        if (return_pending()) {
            result = std::move(return_value_);
            return_value_ = Value();
            signals_ &= static_cast<std::uint8_t>(~kReturn);
        }
    }
    // A break or continue that ended the body stays pending for the
    // caller's loop.
    return result;
}

} // namespace quillo
