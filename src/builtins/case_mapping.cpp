// upper and lower, on ICU's case mapping.
#include "builtins/case_mapping.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include <unicode/ucasemap.h>

#include "builtins/library.h"
#include "interpreter/interpreter.h"

namespace quillo {

namespace {

using CaseFunction = std::int32_t (*)(const UCaseMap*, char*, std::int32_t, const char*,
                                      std::int32_t, UErrorCode*);

// The case map of the language-neutral (root) locale, whatever the
// process's environment says: "" names the root locale.
const UCaseMap* case_map() {
    static const UCaseMap* map = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCaseMap* m = ucasemap_open("", 0, &status);
        return U_SUCCESS(status) ? m : nullptr;
    }();
    return map;
}

// Maps one piece (below 2^31 bytes, ICU's limit) and appends the result.
void map_piece(CaseFunction fn, std::string_view piece, std::string& out) {
    const UCaseMap* map = case_map();
    if (map == nullptr) {
        out += piece;
        return;
    }
    const std::size_t base = out.size();
    // Most texts keep or nearly keep their length; a text that grows more
    // is mapped again into the exact size ICU reports.
    std::size_t room = piece.size() + piece.size() / 4 + 16;
    for (int attempt = 0; attempt < 2; ++attempt) {
        room = std::min<std::size_t>(room, INT32_MAX);
        out.resize(base + room);
        UErrorCode status = U_ZERO_ERROR;
        const std::int32_t n = fn(map, out.data() + base, static_cast<std::int32_t>(room),
                                  piece.data(), static_cast<std::int32_t>(piece.size()), &status);
        if (U_SUCCESS(status)) {
            out.resize(base + static_cast<std::size_t>(n));
            return;
        }
        if (status != U_BUFFER_OVERFLOW_ERROR || n <= 0) break;
        room = static_cast<std::size_t>(n);
    }
    // ICU could not map the piece (never expected): keep it unchanged.
    out.resize(base);
    out += piece;
}

// Texts beyond ICU's size limit are mapped in pieces cut just after a
// blank or line feed. Those are neither letters nor ignored by the
// final-sigma rule, so the rule sees the same context in a piece as in the
// whole text.
std::string map_text(CaseFunction fn, std::string_view text, std::size_t piece_bytes) {
    std::string out;
    out.reserve(text.size());
    const auto continuation = [&](std::size_t i) {
        return (static_cast<unsigned char>(text[i]) & 0xC0u) == 0x80u;
    };
    while (text.size() > piece_bytes) {
        std::size_t cut = text.find_last_of(" \n", piece_bytes - 1);
        if (cut != std::string_view::npos) {
            ++cut;
        } else {
            // No blank in the piece (a word of 256 MiB): cut at a character
            // boundary, backwards if there is one in the piece, else
            // forwards.
            cut = piece_bytes;
            while (cut > 0 && continuation(cut))
                --cut;
            if (cut == 0) {
                cut = piece_bytes;
                while (cut < text.size() && continuation(cut))
                    ++cut;
            }
        }
        map_piece(fn, text.substr(0, cut), out);
        text.remove_prefix(cut);
    }
    map_piece(fn, text, out);
    return out;
}

} // namespace

std::string to_upper_text(std::string_view text, std::size_t piece_bytes) {
    return map_text(&ucasemap_utf8ToUpper, text, piece_bytes);
}

std::string to_lower_text(std::string_view text, std::size_t piece_bytes) {
    return map_text(&ucasemap_utf8ToLower, text, piece_bytes);
}

Value builtin_upper(Interpreter& in, ArgList args) {
    const Value v = args[0]->eval(in);
    if (!v.is(Value::String)) return Value();
    return Value::string(to_upper_text(v.text()));
}

Value builtin_lower(Interpreter& in, ArgList args) {
    const Value v = args[0]->eval(in);
    if (!v.is(Value::String)) return Value();
    return Value::string(to_lower_text(v.text()));
}

} // namespace quillo
