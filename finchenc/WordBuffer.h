#pragma once

#include <array>
#include <cstdint>

namespace finch {

// The packer's output: whole words of the frame being built, and the bits of the word being filled.
struct WordBuffer {
    static constexpr int kCapacity = 100;

    std::array<std::uint16_t, kCapacity> words{};
    int count = 0;
    std::uint16_t accumulator = 0;
    int filled = 0;
};

// Appends the low n bits of value (n = 1..16, value < 2^n), most significant bit first.
void putBits(WordBuffer& buffer, std::uint16_t value, int n);

}  // namespace finch
