// contains, concat, split and slice: built-ins that work on the display
// text of their arguments, or on a text's characters.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "builtins/arguments.h"
#include "builtins/library.h"
#include "interpreter/display.h"
#include "interpreter/interpreter.h"
#include "lexer/utf8.h"

namespace quillo {

namespace {

// The first occurrence of `part` in `text` at or after `from`, or npos.
std::size_t find_bytes(std::string_view text, std::string_view part, std::size_t from) {
    if (part.empty()) return from;
    const void* hit = memmem(text.data() + from, text.size() - from, part.data(), part.size());
    if (hit == nullptr) return std::string_view::npos;
    return static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
}

// Steps `count` characters forward from `pos` (or to the end of the text),
// taking eight ASCII characters at a time where it can. Decrements count by
// the characters stepped over.
std::size_t step_characters(std::string_view text, std::size_t pos, std::uint64_t& count) {
    while (count > 0 && pos < text.size()) {
        if (count >= 8 && pos + 8 <= text.size()) {
            std::uint64_t w;
            std::memcpy(&w, text.data() + pos, 8);
            if ((w & 0x8080808080808080ull) == 0) {
                pos += 8;
                count -= 8;
                continue;
            }
        }
        pos = next_char_end(text, pos);
        --count;
    }
    return pos;
}

} // namespace

Value builtin_contains(Interpreter& in, ArgList args) {
    const Value a = args[0]->eval(in);
    const Value b = args[1]->eval(in);
    if (in.stopped()) return Value();
    const DisplayText text(a);
    const DisplayText part(b);
    return Value::boolean(find_bytes(text.view(), part.view(), 0) != std::string_view::npos);
}

Value builtin_concat(Interpreter& in, ArgList args) {
    if (args.empty()) return Value::string(std::string());
    // The first value's text is the start of the result; a text that
    // nothing else holds is extended where it is.
    Value result = args[0]->eval(in);
    if (!result.is(Value::String)) result = Value::string(to_display_string(result));
    for (std::size_t i = 1; i < args.size(); ++i) {
        const Value v = args[i]->eval(in);
        if (in.stopped()) return Value();
        if (v.is(Value::String)) {
            result.text_mut() += v.text();
        } else {
            append_display(result.text_mut(), v);
        }
    }
    return result;
}

Value builtin_split(Interpreter& in, ArgList args) {
    const Value a = args[0]->eval(in);
    const Value b = args[1]->eval(in);
    if (in.stopped()) return Value();
    const DisplayText text_holder(a);
    const DisplayText separator_holder(b);
    const std::string_view text = text_holder.view();
    const std::string_view separator = separator_holder.view();
    std::vector<Value> pieces;
    if (separator.empty()) {
        // An empty separator matches before every character and at the
        // end: "", then each character, then "".
        pieces.push_back(Value::string(std::string()));
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t end = next_char_end(text, i);
            pieces.push_back(Value::string(text.substr(i, end - i)));
            i = end;
        }
        pieces.push_back(Value::string(std::string()));
        return Value::array(std::move(pieces));
    }
    // Occurrences are taken from the left and never overlap.
    std::size_t start = 0;
    for (;;) {
        const std::size_t hit = find_bytes(text, separator, start);
        if (hit == std::string_view::npos) break;
        pieces.push_back(Value::string(text.substr(start, hit - start)));
        start = hit + separator.size();
    }
    pieces.push_back(Value::string(text.substr(start)));
    return Value::array(std::move(pieces));
}

Value builtin_slice(Interpreter& in, ArgList args) {
    const Value a = args[0]->eval(in);
    const Value b = args[1]->eval(in);
    const Value c = args[2]->eval(in);
    if (in.stopped()) return Value();
    std::int64_t start = 0;
    std::int64_t end = 0;
    if (!a.is(Value::String) || !as_integer(b, start) || !as_integer(c, end)) return Value();
    // Both positions count characters and are read as unsigned numbers, the
    // count with wrap-around: a negative start skips everything, and an end
    // before the start takes everything after the start.
    std::uint64_t skip = static_cast<std::uint64_t>(start);
    std::uint64_t take = static_cast<std::uint64_t>(end) - static_cast<std::uint64_t>(start);
    const std::string_view text = a.text();
    const std::size_t from = step_characters(text, 0, skip);
    const std::size_t to = step_characters(text, from, take);
    if (from == 0 && to == text.size()) return a;
    return Value::string(text.substr(from, to - from));
}

} // namespace quillo
