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
    const Value& get_variable(Symbol name) {
        const std::uint32_t id = name.id();
        if (id < names_.size()) {
            const NameState& s = names_[id];
            if (s.head != kNone) return bindings_[s.head].value;
            return s.global;
        }
        return null_;
    }

    // Stores into the globals when the name was declared global or no call
    // is active, otherwise into the current call's scope.
    void set_variable(Symbol name, Value value);

    // Adds the name to the set of global names (it never leaves it).
    void declare_global(Symbol name);
    bool is_declared_global(Symbol name) const;

    // Opens and closes the local scope of one call.
    void push_scope() { frames_.push_back(static_cast<std::uint32_t>(bindings_.size())); }
    void pop_scope();

    // The number of active calls (0 at top level).
    std::size_t depth() const { return frames_.size(); }

  private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    struct NameState {
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

    NameState& state(std::uint32_t id) {
        if (id >= names_.size()) names_.resize(static_cast<std::size_t>(id) + 1 + id / 2);
        return names_[id];
    }

    std::vector<NameState> names_;
    std::vector<Binding> bindings_;
    std::vector<std::uint32_t> frames_; // where each call's bindings begin
    Value null_;
};

} // namespace quillo
