// len, push, pop and reverse.
//
// Arguments arrive as values that may share their payload with a variable;
// these built-ins read them in place and copy an array at most once, and
// not at all when nothing else holds it.
#include <algorithm>
#include <vector>

#include "builtins/library.h"
#include "interpreter/dict.h"
#include "interpreter/interpreter.h"

namespace quillo {

Value builtin_len(Interpreter& in, ArgList args) {
    const Value v = args[0]->eval(in);
    switch (v.kind()) {
    // A text's length is its number of UTF-8 bytes.
    case Value::String: return Value::number(static_cast<std::int64_t>(v.text().size()));
    case Value::Array: return Value::number(static_cast<std::int64_t>(v.items().size()));
    case Value::Dict: return Value::number(static_cast<std::int64_t>(v.entries().size()));
    default: return Value();
    }
}

Value builtin_push(Interpreter& in, ArgList args) {
    Value array = args[0]->eval(in);
    // The value is evaluated only when there is an array to push onto.
    if (!array.is(Value::Array) || in.stopped()) return Value();
    Value item = args[1]->eval(in);
    if (in.stopped()) return Value();
    push_item(array, std::move(item));
    return array;
}

Value builtin_pop(Interpreter& in, ArgList args) {
    Value array = args[0]->eval(in);
    // Only the last element is read; the array itself is not changed.
    if (!array.is(Value::Array) || array.items().empty()) return Value();
    if (array.unshared()) return std::move(array.items_mut().back());
    return array.items().back();
}

Value builtin_reverse(Interpreter& in, ArgList args) {
    Value array = args[0]->eval(in);
    if (!array.is(Value::Array)) return Value();
    if (array.unshared()) {
        std::vector<Value>& items = array.items_mut();
        std::reverse(items.begin(), items.end());
        return array;
    }
    const std::vector<Value>& old = array.items();
    return Value::array(std::vector<Value>(old.rbegin(), old.rend()));
}

} // namespace quillo
