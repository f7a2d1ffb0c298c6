#include "interpreter/environment.h"

namespace quillo {

void Environment::declare_global(Symbol name) {
    if (name.id() >= names_.size()) grow(name.id());
    names_[name.id()].declared_global = true;
}

bool Environment::is_declared_global(Symbol name) const {
    return name.id() < names_.size() && names_[name.id()].declared_global;
}

} // namespace quillo
