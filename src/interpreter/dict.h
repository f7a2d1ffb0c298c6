// The hash map behind dict values: text keys (interned symbols) to values.
//
// Open addressing with linear probing, at most half full. Every map draws
// its own random hash key when it is created, so the order in which a map
// yields its entries (its slot order) is neither sorted nor insertion
// order, and differs between maps and between runs. A copy keeps its
// original's key and order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "interpreter/value.h"
#include "lexer/symbol.h"

namespace quillo {

class DictMap {
  public:
    DictMap();
    DictMap(const DictMap&) = default;
    DictMap& operator=(const DictMap&) = default;
    // A moved-from map is empty (and keeps its hash key).
    DictMap(DictMap&& other) noexcept
        : slots_(std::move(other.slots_)), size_(std::exchange(other.size_, 0)),
          seed_(other.seed_) {}
    DictMap& operator=(DictMap&& other) noexcept {
        slots_ = std::move(other.slots_);
        size_ = std::exchange(other.size_, 0);
        seed_ = other.seed_;
        return *this;
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Inserts key or replaces the value stored under it.
    void insert(Symbol key, Value value);
    // The value stored under key, or nullptr.
    const Value* find(Symbol key) const;
    // The same for a key given as text (a text that was never interned is
    // no key of any map).
    const Value* find(std::string_view key) const;

    // Calls f(key, value) for every entry, in slot order.
    template <typename F> void for_each(F&& f) const {
        for (const Slot& s : slots_) {
            if (s.used) f(s.key, s.value);
        }
    }

  private:
    struct Slot {
        Symbol key;
        Value value;
        bool used = false;
    };

    std::size_t slot_of(Symbol key) const;
    void grow();

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
    std::uint64_t seed_;
};

} // namespace quillo
