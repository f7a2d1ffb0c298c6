#include "interpreter/environment.h"

namespace quillo {

void Environment::set_variable(Symbol name, Value value) {
    const std::uint32_t id = name.id();
    NameState& s = state(id);
    if (frames_.empty() || s.declared_global) {
        s.global = std::move(value);
        return;
    }
    const auto depth = static_cast<std::uint32_t>(frames_.size());
    if (s.head != kNone && bindings_[s.head].depth == depth) {
        bindings_[s.head].value = std::move(value);
        return;
    }
    bindings_.push_back(Binding{std::move(value), id, depth, s.head});
    s.head = static_cast<std::uint32_t>(bindings_.size() - 1);
}

void Environment::declare_global(Symbol name) {
    state(name.id()).declared_global = true;
}

bool Environment::is_declared_global(Symbol name) const {
    return name.id() < names_.size() && names_[name.id()].declared_global;
}

void Environment::pop_scope() {
    const std::uint32_t base = frames_.back();
    frames_.pop_back();
    while (bindings_.size() > base) {
        Binding& b = bindings_.back();
        names_[b.name].head = b.previous;
        // Moving the value out first keeps the stack consistent if its
        // release runs other code.
        Value dropped = std::move(b.value);
        bindings_.pop_back();
    }
}

} // namespace quillo
