// The interpreter: all run-time state of one script run or of one
// interactive session, and the execution of statements and expressions.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "interpreter/environment.h"
#include "interpreter/value.h"
#include "parser/ast.h"

namespace quillo {

// How deeply calls of user functions may nest. A deeper call stops the run
// with "Error: recursion too deep". (The stack guard stops it earlier if
// the stack runs out first.)
inline constexpr std::size_t kMaxCallDepth = 1'000'000;

class Interpreter {
  public:
    Interpreter();
    ~Interpreter();
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    // Runs a whole program: binds every top-level `let` and `def` first,
    // then calls `main` if there is one, else executes every top-level
    // statement in order until a `return`. When the run cannot go on it
    // stops (see stopped()), or std::bad_alloc escapes; run_guarded handles
    // both.
    void run(const Program& program);

    // Executes one statement. Control transfer is left in the signals.
    void execute(const Stmt& stmt);
    // Executes statements in order, stopping after any that leaves a
    // signal pending. Never clears a signal.
    void execute_block(const Block& block);

    Value evaluate(const Expr& expr);

    // Calls a user function with `count` argument values taken (moved) from
    // the top of the argument stack, which the call pops.
    Value call_function(const Value& function, std::size_t count);
    // Calls a user function with no arguments.
    Value call_function(const Value& function) { return call_function(function, 0); }

    // Evaluates every argument expression in order onto the argument stack;
    // returns how many were pushed.
    std::size_t push_arguments(const std::vector<Expr>& args);
    // The top `count` values of the argument stack, and their removal.
    std::span<Value> top_arguments(std::size_t count) {
        return {arg_stack_.data() + arg_stack_.size() - count, count};
    }
    void drop_arguments(std::size_t count) { arg_stack_.resize(arg_stack_.size() - count); }

    // The text value of a type name, shared like a literal.
    Value type_name_value(Value::Kind kind);

    Environment& environment() { return env_; }

    // The signals: a pending return (with its value), break and continue.
    bool return_pending() const { return (signals_ & kReturn) != 0; }
    bool break_pending() const { return (signals_ & kBreak) != 0; }
    bool continue_pending() const { return (signals_ & kContinue) != 0; }
    const Value& return_value() const { return return_value_; }
    // True once the run is being stopped (the stack or memory ran out):
    // every statement and expression then returns at once.
    bool stopped() const { return (signals_ & kStop) != 0; }
    // Checks the stack guard; true (and the run marked as stopping) when
    // the caller must return at once.
    bool stopping();
    // Clears every pending signal and a recorded stop, after a run was
    // stopped midway.
    void clear_signals();

  private:
    static constexpr std::uint8_t kReturn = 1;
    static constexpr std::uint8_t kBreak = 2;
    static constexpr std::uint8_t kContinue = 4;
    // The run is being stopped (see stack_guard.h): everything returns.
    static constexpr std::uint8_t kStop = 8;

    void hoist(const Program& program);
    Value string_literal(Symbol text);
    // Out-of-line parts of evaluate (see there).
    [[gnu::noinline]] Value evaluate_binary(const Expr::Binary& e);
    [[gnu::noinline]] Value evaluate_unary(const Expr::Unary& e);
    [[gnu::noinline]] Value evaluate_array(const Expr::Array& e);
    [[gnu::noinline]] Value evaluate_dict(const Expr::Dict& e);
    [[gnu::noinline]] Value evaluate_index(const Expr::Index& index);
    [[gnu::noinline]] Value evaluate_range(const Expr::Range& range);
    [[gnu::noinline]] void execute_compound(const Stmt::CompoundAssign& s);
    [[gnu::noinline]] void execute_while(const Stmt::While& s);
    [[gnu::noinline]] void execute_for(const Stmt::For& loop);
    [[gnu::noinline]] void execute_match(const Stmt::Match& s);

    Environment env_;
    Value return_value_;
    std::uint8_t signals_ = 0;
    // Argument values of calls being set up, innermost last.
    std::vector<Value> arg_stack_;
    // One shared text value per string literal (by symbol id), so that
    // evaluating a literal copies nothing.
    std::vector<Value> literals_;
    std::array<Value, Value::Null + 1> type_names_;
};

// Runs body (a run or one interactive input) and reports a stop: the
// message goes to standard error (after standard output is flushed) and the
// interpreter's signals are cleared. Returns false when the run stopped.
template <typename F> bool run_guarded(Interpreter& interpreter, F&& body);

void report_abort(const char* message);

} // namespace quillo

#include "interpreter/run_guard.h"
