// Interned names: every distinct text is stored once for the life of the
// process, and a Symbol is a small handle to it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillo {

namespace detail {
struct SymbolEntry {
    std::string text;
    std::uint32_t id;
};
} // namespace detail

// A handle to an interned text. Two symbols are equal exactly when their
// texts are equal (byte for byte), and comparing them compares one pointer.
// Each distinct text also has a dense number, id(), in the order the texts
// were first seen, which lets later stages index tables by name.
//
// The lexer interns every identifier and string literal it reads, so tokens
// and tree nodes hold eight-byte handles instead of owning copies of their
// texts. Interned texts are never released: the table grows with the
// distinct texts a process reads, not with how often they occur. The table
// is not synchronised; the interpreter is single-threaded.
class Symbol {
  public:
    // The empty text.
    Symbol();
    // Interns the text (which may contain any bytes).
    Symbol(std::string_view text);
    Symbol(const std::string& text) : Symbol(std::string_view(text)) {}
    Symbol(const char* text) : Symbol(std::string_view(text)) {}

    const std::string& text() const { return entry_->text; }
    std::uint32_t id() const { return entry_->id; }
    std::size_t size() const { return entry_->text.size(); }

    bool operator==(const Symbol& other) const { return entry_ == other.entry_; }
    bool operator==(std::string_view other) const { return entry_->text == other; }
    bool operator==(const char* other) const { return entry_->text == other; }

    // The number of distinct texts interned so far.
    static std::size_t count();

    // Forgets every text interned since count() was `mark`, so that their
    // ids are given out again. Only for harnesses that run many programs in
    // one process (the fuzzer): the table, and the per-name tables that
    // the interpreter sizes by the largest id, would otherwise grow with
    // every new name of every program. No symbol made since the mark may
    // be used afterwards.
    static void forget_since(std::size_t mark);

    // The symbol of an already interned text, without interning it: false
    // when the text has never been interned (so no name or literal has it).
    static bool find(std::string_view text, Symbol& out);

  private:
    const detail::SymbolEntry* entry_;
};

} // namespace quillo

template <> struct std::hash<quillo::Symbol> {
    std::size_t operator()(const quillo::Symbol& s) const noexcept { return s.id(); }
};
