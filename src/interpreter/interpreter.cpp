#include "interpreter/interpreter.h"

#include <algorithm>
#include <string>

#include "interpreter/console.h"

namespace quillo {

Interpreter::Interpreter() {
    init_stack_guard();
}

Interpreter::~Interpreter() = default;

void Interpreter::clear_signals() {
    signals_ = 0;
    return_value_ = Value();
    arg_stack_.clear();
    init_stack_guard();
}

void report_abort(const char* message) {
    if (*message == '\0') return;
    std::string line = message;
    line += '\n';
    write_diagnostic(line);
}

Value Interpreter::type_name_value(Value::Kind kind) {
    Value& cached = type_names_[kind];
    if (cached.is_null()) cached = Value::string(type_name(kind));
    return cached;
}

void Interpreter::run(const Program& program) {
    const CodeBlock code = compile_block(program.statements);
    // The hoisting pass: every top-level `let` and `def`, in order, and
    // nothing else.
    for (const StmtPtr& stmt : code) {
        if (stmt->kind != StmtNode::Kind::Other) stmt->exec(*this);
        if (stopped()) return;
    }
    static const Symbol kMain("main");
    const Value main = env_.get_variable(kMain);
    if (main.is(Value::Function)) {
        call_function(main);
        return;
    }
    // Without `main`, every statement runs in order, the hoisted ones
    // included (so each top-level `let` is evaluated a second time). Only a
    // pending return ends the run early; a pending break or continue stays
    // pending.
    for (const StmtPtr& stmt : code) {
        stmt->exec(*this);
        if ((signals_ & (kReturn | kStop)) != 0) return;
    }
}

void Interpreter::execute(const Stmt& stmt) {
    compile_stmt(stmt)->exec(*this);
}

Value Interpreter::evaluate(const Expr& expr) {
    return compile_expr(expr)->eval(*this);
}

namespace {

// Closes a call's scope however the call ends (also when an allocation
// failure unwinds it).
class ScopeGuard {
  public:
    explicit ScopeGuard(Environment& env) : env_(env), base_(env.push_scope()) {}
    ~ScopeGuard() { env_.pop_scope(base_); }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

  private:
    Environment& env_;
    std::size_t base_;
};

} // namespace

bool Interpreter::budget_spent() {
    stop_run(kStepBudgetMessage);
    signals_ |= kStop;
    return true;
}

Value Interpreter::call_function(const Value& function, Value* args, std::size_t count) {
    if (env_.depth() >= kMaxCallDepth) stop_run(kRecursionMessage);
    if (stopping() || spend_step()) return Value();
    const CompiledFunction& code = function.compiled();
    Value result;
    {
        ScopeGuard scope(env_);
        // Parameters are bound in order with the ordinary assignment rule;
        // surplus arguments are dropped, parameters without an argument
        // stay unbound.
        const std::size_t bound = std::min(count, code.param_ids.size());
        for (std::size_t i = 0; i < bound; ++i)
            env_.set(code.param_ids[i], std::move(args[i]));
        execute_block(code.body);
        if (return_pending()) {
            result = std::move(return_value_);
            signals_ &= static_cast<std::uint8_t>(~kReturn);
        }
    }
    // A break or continue that ended the body stays pending for the
    // caller's loop.
    return result;
}

} // namespace quillo
