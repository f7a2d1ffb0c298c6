// typeof and the type tests.
#include "builtins/library.h"
#include "interpreter/interpreter.h"

namespace quillo {

Value builtin_typeof(Interpreter& in, ArgList args) {
    const Value v = args[0]->eval(in);
    return in.type_name_value(v.kind());
}

namespace {

// A type test: true when the one argument it reads is of the kind; false
// with no argument at all.
template <Value::Kind K> Value is_kind(Interpreter& in, ArgList args) {
    if (args.empty()) return Value::boolean(false);
    return Value::boolean(args[0]->eval(in).is(K));
}

} // namespace

Value builtin_is_number(Interpreter& in, ArgList args) {
    if (args.empty()) return Value::boolean(false);
    const Value v = args[0]->eval(in);
    return Value::boolean(v.is(Value::Number) || v.is(Value::Float));
}

Value builtin_is_string(Interpreter& in, ArgList args) {
    return is_kind<Value::String>(in, args);
}

Value builtin_is_array(Interpreter& in, ArgList args) {
    return is_kind<Value::Array>(in, args);
}

Value builtin_is_dict(Interpreter& in, ArgList args) {
    return is_kind<Value::Dict>(in, args);
}

} // namespace quillo
