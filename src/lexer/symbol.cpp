#include "lexer/symbol.h"

#include <cstring>
#include <deque>
#include <vector>

namespace quillo {

namespace {

// Hashes a text eight bytes at a time; good enough to spread names over an
// open-addressing table, and fast for the short texts that dominate.
std::uint64_t hash_text(std::string_view s) {
    constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
    std::uint64_t h = 0x243F6A8885A308D3ull ^ (s.size() * kMul);
    const char* p = s.data();
    std::size_t n = s.size();
    while (n >= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * kMul;
        h ^= h >> 29;
        p += 8;
        n -= 8;
    }
    if (n > 0) {
        std::uint64_t w = 0;
        std::memcpy(&w, p, n);
        h = (h ^ w) * kMul;
    }
    h ^= h >> 32;
    h *= kMul;
    h ^= h >> 29;
    return h;
}

// The interned texts. Entries live in a deque, whose elements never move, so
// handles stay valid as the table grows; the index is an open-addressing
// hash table (linear probing, at most half full) of entry pointers with their
// hashes.
class SymbolTable {
  public:
    SymbolTable() : slots_(1024) { intern(""); }

    const detail::SymbolEntry* intern(std::string_view text) {
        const std::uint64_t h = hash_text(text);
        std::size_t mask = slots_.size() - 1;
        for (std::size_t i = h & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (slot.entry == nullptr) break;
            if (slot.hash == h && slot.entry->text.size() == text.size() &&
                std::memcmp(slot.entry->text.data(), text.data(), text.size()) == 0) {
                return slot.entry;
            }
        }
        entries_.push_back(
            detail::SymbolEntry{std::string(text), static_cast<std::uint32_t>(entries_.size())});
        const detail::SymbolEntry* e = &entries_.back();
        if (2 * entries_.size() > slots_.size()) grow();
        insert(Slot{h, e});
        return e;
    }

    const detail::SymbolEntry* find(std::string_view text) const {
        const std::uint64_t h = hash_text(text);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = h & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.entry == nullptr) return nullptr;
            if (slot.hash == h && slot.entry->text.size() == text.size() &&
                std::memcmp(slot.entry->text.data(), text.data(), text.size()) == 0) {
                return slot.entry;
            }
        }
    }

    void forget_since(std::size_t mark) {
        if (mark == 0 || mark >= entries_.size()) return;
        entries_.resize(mark);
        // The index is made afresh, at the size the remaining entries need.
        std::size_t slots = 1024;
        while (slots < 2 * entries_.size())
            slots *= 2;
        slots_.assign(slots, Slot{});
        for (const detail::SymbolEntry& e : entries_)
            insert(Slot{hash_text(e.text), &e});
    }

    const detail::SymbolEntry* empty() const { return &entries_.front(); }
    std::size_t size() const { return entries_.size(); }

  private:
    struct Slot {
        std::uint64_t hash = 0;
        const detail::SymbolEntry* entry = nullptr;
    };

    void insert(Slot s) {
        const std::size_t mask = slots_.size() - 1;
        std::size_t i = s.hash & mask;
        while (slots_[i].entry != nullptr)
            i = (i + 1) & mask;
        slots_[i] = s;
    }

    void grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& s : old) {
            if (s.entry != nullptr) insert(s);
        }
    }

    std::deque<detail::SymbolEntry> entries_;
    std::vector<Slot> slots_;
};

SymbolTable& table() {
    // Never destroyed: symbols may be used by other objects' destructors
    // during exit.
    static SymbolTable* t = new SymbolTable;
    return *t;
}

} // namespace

Symbol::Symbol() : entry_(table().empty()) {}

Symbol::Symbol(std::string_view text) : entry_(table().intern(text)) {}

bool Symbol::find(std::string_view text, Symbol& out) {
    const detail::SymbolEntry* e = table().find(text);
    if (e == nullptr) return false;
    out.entry_ = e;
    return true;
}

std::size_t Symbol::count() {
    return table().size();
}

void Symbol::forget_since(std::size_t mark) {
    table().forget_since(mark);
}

} // namespace quillo
