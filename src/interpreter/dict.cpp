#include "interpreter/dict.h"

#include <sys/random.h>

#include <ctime>
#include <unistd.h>

namespace quillo {

namespace {

std::uint64_t mix(std::uint64_t x) {
    // The splitmix64 finaliser: every input bit affects every output bit.
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 31;
    return x;
}

// A fresh hash key for each new map: a per-process random start, stepped
// for every map.
std::uint64_t next_seed() {
    static std::uint64_t state = [] {
        std::uint64_t s = 0;
        if (getrandom(&s, sizeof s, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof s)) {
            timespec ts{};
            clock_gettime(CLOCK_REALTIME, &ts);
            s = static_cast<std::uint64_t>(ts.tv_nsec) ^
                (static_cast<std::uint64_t>(ts.tv_sec) << 20) ^
                static_cast<std::uint64_t>(getpid());
        }
        return s;
    }();
    state += 0x9E3779B97F4A7C15ull;
    return mix(state);
}

constexpr std::size_t kInitialSlots = 8;

} // namespace

DictMap::DictMap() : seed_(next_seed()) {}

std::size_t DictMap::slot_of(Symbol key) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = mix(key.id() ^ seed_) & mask;
    while (slots_[i].used && !(slots_[i].key == key))
        i = (i + 1) & mask;
    return i;
}

void DictMap::insert(Symbol key, Value value) {
    if (slots_.empty()) slots_.resize(kInitialSlots);
    std::size_t i = slot_of(key);
    if (slots_[i].used) {
        slots_[i].value = std::move(value);
        return;
    }
    if (2 * (size_ + 1) > slots_.size()) {
        grow();
        i = slot_of(key);
    }
    slots_[i].key = key;
    slots_[i].value = std::move(value);
    slots_[i].used = true;
    ++size_;
}

const Value* DictMap::find(Symbol key) const {
    if (size_ == 0) return nullptr;
    const Slot& s = slots_[slot_of(key)];
    return s.used ? &s.value : nullptr;
}

const Value* DictMap::find(std::string_view key) const {
    if (size_ == 0) return nullptr;
    Symbol sym;
    if (!Symbol::find(key, sym)) return nullptr;
    return find(sym);
}

void DictMap::grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    for (Slot& s : old) {
        if (s.used) {
            Slot& target = slots_[slot_of(s.key)];
            target.key = s.key;
            target.value = std::move(s.value);
            target.used = true;
        }
    }
}

} // namespace quillo
