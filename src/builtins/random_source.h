// The process's random-number generator: the ChaCha keystream with 12 rounds,
// keyed from the operating system and rekeyed every 64 KiB.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillo {

// One ChaCha block with the given number of rounds (even): 16 words of keystream.
// Words 0..3 hold the constants, 4..11 the key, 12 the block counter and
// 13..15 the nonce; the output is the state after the rounds plus the input.
void chacha_block(const std::array<std::uint32_t, 8>& key, std::uint32_t counter,
                  const std::array<std::uint32_t, 3>& nonce, int rounds,
                  std::array<std::uint32_t, 16>& out);

// Random 64-bit values from ChaCha with 12 rounds under a 32-byte key, nonce 0
// and block counter from 0. The keystream is made four blocks at a time and
// taken word by word; after 64 KiB under one key, the next refill takes a
// fresh key and starts the stream over.
class RandomSource {
  public:
    using Key = std::array<std::uint8_t, 32>;
    using KeySource = void (*)(Key&); // fills a fresh key

    // The operating system's random bytes.
    static void system_key(Key& key);

    // Takes the first key from `keys` right away.
    explicit RandomSource(KeySource keys = &system_key);

    // The next two words of keystream, the first as the low half.
    std::uint64_t next_u64() {
        if (index_ == kWords) refill();
        const std::uint64_t low = buffer_[index_];
        const std::uint64_t high = buffer_[index_ + 1];
        index_ += 2;
        return low | high << 32;
    }

    // The process's one generator, created on first use and kept until exit.
    static RandomSource& process();

  private:
    static constexpr int kRounds = 12;
    static constexpr std::size_t kBlocks = 4;
    static constexpr std::size_t kWords = kBlocks * 16;
    static constexpr std::uint64_t kBytesPerKey = 64 * 1024;

    // Takes a fresh key and restarts the stream at block 0.
    void rekey();
    // Fills the buffer with the next four blocks, rekeying first when due.
    void refill();

    KeySource keys_;
    std::array<std::uint32_t, 8> key_{};
    std::uint32_t counter_ = 0;    // the next block to make
    std::uint64_t bytes_made_ = 0; // keystream made under the current key
    std::array<std::uint32_t, kWords> buffer_{};
    std::size_t index_ = kWords; // the next unread word; kWords when empty
};

} // namespace quillo
