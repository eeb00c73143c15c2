#include "teskenc/dsp/Radix4Twiddles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tesk {

namespace {

int16_t roundToQ15(double value) {
    return static_cast<int16_t>(std::clamp(std::floor(value + 0.5), -32768.0, 32767.0));
}

}  // namespace

FftTwiddles buildFftTwiddles() {
    constexpr double kPi = std::numbers::pi;
    FftTwiddles twiddles;
    for (int i = 0; i < 64; ++i) {
        twiddles.fft4Twiddles[i] = {roundToQ15(32768.0 * std::cos(i * kPi / 64.0)),
                                    roundToQ15(-32768.0 * std::sin(i * kPi / 64.0))};
    }
    for (int n = 0; n < 5; ++n) {
        const int e = 33 + 3 * n;
        twiddles.fft4Extra[n] = {roundToQ15(32768.0 * std::cos(-e * kPi / 32.0)),
                                 roundToQ15(32768.0 * std::sin(-e * kPi / 32.0))};
    }
    return twiddles;
}

const FftTwiddles& fftTwiddles() {
    static const FftTwiddles twiddles = buildFftTwiddles();
    return twiddles;
}

}  // namespace tesk
