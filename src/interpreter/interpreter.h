// The interpreter: all run-time state of one script run or of one
// interactive session, and the running of code.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "graphics/graphics_state.h"
#include "interpreter/code.h"
#include "interpreter/environment.h"
#include "interpreter/stack_guard.h"
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

    // Executes one statement against the current state; control transfer
    // is left in the signals.
    void execute(const Stmt& stmt);
    // Evaluates one expression.
    Value evaluate(const Expr& expr);

    // ---- Running compiled code (used by the code tree and the built-ins).

    // Executes statements in order, stopping after any that leaves a
    // signal pending. Never clears a signal.
    void execute_block(const CodeBlock& block) {
        for (const StmtPtr& stmt : block) {
            stmt->exec(*this);
            if (signals_ != 0) return;
        }
    }

    // Calls a user function with argument values (which the call moves
    // from).
    Value call_function(const Value& function, Value* args, std::size_t count);
    // Calls a user function with no arguments.
    Value call_function(const Value& function) { return call_function(function, nullptr, 0); }

    // Evaluates every argument expression in order onto the argument stack;
    // returns how many were pushed.
    std::size_t push_arguments(ArgList args) {
        for (const ExprPtr& arg : args) {
            // Evaluated before it is pushed: the evaluation may use the stack.
            Value v = arg->eval(*this);
            arg_stack_.push_back(std::move(v));
        }
        return args.size();
    }
    // The top `count` values of the argument stack, and their removal.
    std::span<Value> top_arguments(std::size_t count) {
        return {arg_stack_.data() + arg_stack_.size() - count, count};
    }
    void drop_arguments(std::size_t count) { arg_stack_.resize(arg_stack_.size() - count); }

    // The text value of a type name, made once and then shared.
    Value type_name_value(Value::Kind kind);

    Environment& environment() { return env_; }

    // The window and its events; nothing graphical exists until the
    // `window` built-in opens it. Released when the interpreter is.
    GraphicsState& graphics() { return graphics_; }

    // ---- Signals.
    static constexpr std::uint8_t kReturn = 1;
    static constexpr std::uint8_t kBreak = 2;
    static constexpr std::uint8_t kContinue = 4;
    // The run is being stopped (see stack_guard.h): everything returns.
    static constexpr std::uint8_t kStop = 8;

    bool return_pending() const { return (signals_ & kReturn) != 0; }
    bool break_pending() const { return (signals_ & kBreak) != 0; }
    bool continue_pending() const { return (signals_ & kContinue) != 0; }
    const Value& return_value() const { return return_value_; }
    std::uint8_t signals() const { return signals_; }

    void signal_return(Value value) {
        return_value_ = std::move(value);
        signals_ |= kReturn;
    }
    void signal_break() { signals_ |= kBreak; }
    void signal_continue() { signals_ |= kContinue; }
    // What a loop does after each turn of its body: true when the loop
    // must end (a pending return, break or stop), otherwise a pending
    // continue is consumed.
    bool loop_turn_ends() {
        if ((signals_ & (kReturn | kBreak | kStop)) != 0) return true;
        signals_ &= static_cast<std::uint8_t>(~kContinue);
        if (spend_step()) return true;
        // A stop recorded from outside the run (an interruption) ends even
        // a loop whose body calls nothing.
        return stopping();
    }
    // What a loop does when it is left, by any path: a pending break is
    // consumed.
    void loop_left() { signals_ &= static_cast<std::uint8_t>(~kBreak); }

    // True once the run is being stopped (the stack or memory ran out):
    // every statement and expression then returns at once.
    bool stopped() const { return (signals_ & kStop) != 0; }
    // Checks the stack guard; true (and the run marked as stopping) when
    // the caller must return at once.
    bool stopping() {
        if (!must_stop()) return false;
        signals_ |= kStop;
        return true;
    }
    // Clears every pending signal and a recorded stop, after a run was
    // stopped midway.
    void clear_signals();

    // Limits the loop turns and calls the run may take from now on; when
    // they are spent the run stops ("Error: step budget spent"). Without a
    // budget a run takes as many as it needs. A harness that runs many
    // programs (the fuzzer) bounds each by steps rather than by a clock, so
    // that the bound costs no timer and ends the same program the same way
    // every time.
    void set_step_budget(std::uint64_t steps) { steps_left_ = steps == 0 ? 1 : steps; }
    // Counts one loop turn or call; true (and the run stopped) when that
    // spends the budget.
    bool spend_step() { return --steps_left_ == 0 && budget_spent(); }
    // Counts bulk work as that many steps at once (a range spends one step
    // per kRangeStepNumbers numbers it makes); true (and the run stopped)
    // when that spends the budget.
    bool spend_steps(std::uint64_t steps) {
        if (steps < steps_left_) {
            steps_left_ -= steps;
            return false;
        }
        steps_left_ = 0;
        return budget_spent();
    }
    static constexpr std::uint64_t kRangeStepNumbers = 4096;

  private:
    bool budget_spent();

    Environment env_;
    Value return_value_;
    std::uint8_t signals_ = 0;
    // Practically endless unless a harness sets a budget.
    std::uint64_t steps_left_ = UINT64_MAX;
    // Argument values of calls being set up, innermost last.
    std::vector<Value> arg_stack_;
    std::array<Value, Value::Null + 1> type_names_;
    GraphicsState graphics_;
};

// Runs body (a run or one interactive input) and reports a stop: the
// message goes to standard error (after standard output is flushed) and the
// interpreter's signals are cleared. Returns false when the run stopped.
template <typename F> bool run_guarded(Interpreter& interpreter, F&& body);

void report_abort(const char* message);

} // namespace quillo

#include "interpreter/run_guard.h"
