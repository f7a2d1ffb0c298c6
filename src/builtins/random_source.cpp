#include "builtins/random_source.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <ctime>

#include <fcntl.h>
#include <unistd.h>
#if __has_include(<sys/random.h>)
#include <sys/random.h>
#define QUILLO_HAVE_GETRANDOM 1
#endif

namespace quillo {

namespace {

void quarter_round(std::array<std::uint32_t, 16>& s, int a, int b, int c, int d) {
    s[a] += s[b], s[d] = std::rotl(s[d] ^ s[a], 16);
    s[c] += s[d], s[b] = std::rotl(s[b] ^ s[c], 12);
    s[a] += s[b], s[d] = std::rotl(s[d] ^ s[a], 8);
    s[c] += s[d], s[b] = std::rotl(s[b] ^ s[c], 7);
}

// Fills [p, p + n) from getrandom, or says it could not.
bool from_getrandom([[maybe_unused]] std::uint8_t* p, [[maybe_unused]] std::size_t n) {
#ifdef QUILLO_HAVE_GETRANDOM
    while (n > 0) {
        const ssize_t got = getrandom(p, n, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += got, n -= static_cast<std::size_t>(got);
    }
    return true;
#else
    return false;
#endif
}

// Fills [p, p + n) from /dev/urandom, or says it could not.
bool from_urandom(std::uint8_t* p, std::size_t n) {
    const int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    while (n > 0) {
        const ssize_t got = ::read(fd, p, n);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        p += got, n -= static_cast<std::size_t>(got);
    }
    ::close(fd);
    return n == 0;
}

// The last resort when the system offers no random bytes at all, which is
// never expected to happen: the clocks, the process id and a few addresses
// (which differ between runs where the address space is randomized), mixed
// by one 20-round ChaCha block. Far weaker than real randomness, but it
// still varies between runs.
void from_clocks(RandomSource::Key& key) {
    timespec real{}, mono{};
    clock_gettime(CLOCK_REALTIME, &real);
    clock_gettime(CLOCK_MONOTONIC, &mono);
    const std::uint64_t parts[] = {
        static_cast<std::uint64_t>(real.tv_sec), static_cast<std::uint64_t>(real.tv_nsec),
        static_cast<std::uint64_t>(mono.tv_sec), static_cast<std::uint64_t>(mono.tv_nsec),
        static_cast<std::uint64_t>(::getpid()),  reinterpret_cast<std::uintptr_t>(&real),
        reinterpret_cast<std::uintptr_t>(&key),  reinterpret_cast<std::uintptr_t>(&from_clocks),
    };
    std::array<std::uint32_t, 8> seed{};
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        seed[i] ^= static_cast<std::uint32_t>(parts[i]);
        seed[(i + 4) % 8] ^= static_cast<std::uint32_t>(parts[i] >> 32);
    }
    std::array<std::uint32_t, 16> mixed;
    chacha_block(seed, 0, {}, 20, mixed);
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<std::uint8_t>(mixed[i / 4] >> (8 * (i % 4)));
}

} // namespace

void chacha_block(const std::array<std::uint32_t, 8>& key, std::uint32_t counter,
                  const std::array<std::uint32_t, 3>& nonce, int rounds,
                  std::array<std::uint32_t, 16>& out) {
    // The constants spell "expand 32-byte k" in little-endian words.
    const std::array<std::uint32_t, 16> in = {
        0x61707865, 0x3320646e, 0x79622d32, 0x6b206574, key[0],  key[1],   key[2],   key[3],
        key[4],     key[5],     key[6],     key[7],     counter, nonce[0], nonce[1], nonce[2],
    };
    out = in;
    for (int i = 0; i < rounds; i += 2) {
        quarter_round(out, 0, 4, 8, 12); // columns
        quarter_round(out, 1, 5, 9, 13);
        quarter_round(out, 2, 6, 10, 14);
        quarter_round(out, 3, 7, 11, 15);
        quarter_round(out, 0, 5, 10, 15); // diagonals
        quarter_round(out, 1, 6, 11, 12);
        quarter_round(out, 2, 7, 8, 13);
        quarter_round(out, 3, 4, 9, 14);
    }
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] += in[i];
}

void RandomSource::system_key(Key& key) {
    if (from_getrandom(key.data(), key.size())) return;
    if (from_urandom(key.data(), key.size())) return;
    from_clocks(key);
}

RandomSource::RandomSource(KeySource keys) : keys_(keys) {
    rekey();
}

RandomSource& RandomSource::process() {
    // Never destroyed, so code running during exit can still draw numbers.
    static RandomSource* source = new RandomSource;
    return *source;
}

void RandomSource::rekey() {
    Key bytes{};
    keys_(bytes);
    for (std::size_t i = 0; i < key_.size(); ++i) {
        key_[i] = std::uint32_t{bytes[4 * i]} | std::uint32_t{bytes[4 * i + 1]} << 8 |
                  std::uint32_t{bytes[4 * i + 2]} << 16 | std::uint32_t{bytes[4 * i + 3]} << 24;
    }
    counter_ = 0;
    bytes_made_ = 0;
}

void RandomSource::refill() {
    if (bytes_made_ >= kBytesPerKey) rekey();
    std::array<std::uint32_t, 16> block;
    for (std::size_t b = 0; b < kBlocks; ++b) {
        chacha_block(key_, counter_++, {}, kRounds, block);
        for (std::size_t i = 0; i < block.size(); ++i)
            buffer_[16 * b + i] = block[i];
    }
    bytes_made_ += sizeof(buffer_);
    index_ = 0;
}

} // namespace quillo
