// Variable storage: the global scope, one local scope per active call of a
// user function, and the names declared `global`.
//
// Reading a name searches the local scopes from the innermost call outward,
// then the globals (dynamic scoping). To make that independent of how deeply
// calls nest, the scopes are not separate maps: every name (by its symbol's
// dense id) has the head of a chain of its local bindings, innermost first,
// and a global slot. A read looks at the chain's head, else the global slot.
// A local binding records the call depth that made it; a write in the
// current call replaces the head when the head belongs to this call and
// otherwise pushes a new binding. Bindings live on one stack in the order
// they were made, so returning from a call pops exactly its own bindings and
// restores each name's previous head. No call allocates a map.
#pragma once

#include <cstdint>
#include <vector>

#include "interpreter/value.h"
#include "lexer/symbol.h"

namespace quillo {

class Environment {
  public:
    // The value a name reads as: the innermost local binding, else the
    // global, else null. The reference stays valid until the next write or
    // scope change.
    const Value& get_variable(Symbol name) { return get(name.id()); }

    // Stores into the globals when the name was declared global or no call
    // is active, otherwise into the current call's scope.
    void set_variable(Symbol name, Value value) { set(name.id(), std::move(value)); }

    // The same by a symbol's id (see Symbol::id), as compiled code keeps
    // names.
    QUILLO_INLINE const Value& get(std::uint32_t id) {
        if (id < names_.size()) {
            const NameState& s = names_[id];
            if (s.head != kNone) return bindings_[s.head].value;
            return s.global;
        }
        return null_;
    }

    QUILLO_INLINE void set(std::uint32_t id, Value value) {
        if (id >= names_.size()) grow(id);
        NameState& s = names_[id];
        if (depth_ == 0 || s.declared_global) {
            s.global = std::move(value);
        } else if (s.head != kNone && bindings_[s.head].depth == depth_) {
            bindings_[s.head].value = std::move(value);
        } else {
            bindings_.push_back(Binding{std::move(value), id, depth_, s.head});
            s.head = static_cast<std::uint32_t>(bindings_.size() - 1);
        }
    }

    // The slot that set(id, ...) would overwrite, if it exists already (the
    // global, or a binding made by the current call); null when a write
    // would make a new binding.
    Value* assignable(std::uint32_t id) {
        if (id >= names_.size()) return nullptr;
        NameState& s = names_[id];
        if (depth_ == 0 || s.declared_global) return &s.global;
        if (s.head != kNone && bindings_[s.head].depth == depth_) return &bindings_[s.head].value;
        return nullptr;
    }

    // Adds the name to the set of global names (it never leaves it).
    void declare_global(Symbol name);
    bool is_declared_global(Symbol name) const;

    // Opens the local scope of one call, returning what closing it needs.
    std::size_t push_scope() {
        ++depth_;
        return bindings_.size();
    }
    // Closes the innermost scope, which push_scope returned `base` for.
    void pop_scope(std::size_t base) {
        --depth_;
        while (bindings_.size() > base) {
            Binding& b = bindings_.back();
            names_[b.name].head = b.previous;
            // Moved out first, so the stack is consistent while it is
            // released.
            Value dropped = std::move(b.value);
            bindings_.pop_back();
        }
    }

    // The number of active calls (0 at top level).
    std::size_t depth() const { return depth_; }

  private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    // Thirty-two bytes, so that indexing by id is a shift.
    struct alignas(32) NameState {
        Value global;
        std::uint32_t head = kNone; // innermost local binding, or kNone
        bool declared_global = false;
    };
    struct Binding {
        Value value;
        std::uint32_t name;  // symbol id
        std::uint32_t depth; // call depth that made it
        std::uint32_t previous;
    };

    void grow(std::uint32_t id) { names_.resize(static_cast<std::size_t>(id) + 1 + id / 2); }

    std::vector<NameState> names_;
    std::vector<Binding> bindings_;
    std::uint32_t depth_ = 0; // the number of active calls
    Value null_;
};

} // namespace quillo
