#pragma once

#include <array>
#include <cstdint>

namespace tesk {

// Twiddles of the radix-2 FFT: cos and -sin of 2*pi*k/64 in Q15, truncated toward zero, with pi taken as
// 3.14159 so that the stored values come out exactly as the codec has always used them.
struct Radix2Tables {
    std::array<int16_t, 32> fftCos{};
    std::array<int16_t, 32> fftSin{};
};

Radix2Tables buildRadix2Tables();
// Built once per process on first use.
const Radix2Tables& radix2Tables();

}  // namespace tesk
