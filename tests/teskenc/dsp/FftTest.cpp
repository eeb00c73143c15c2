#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <cstdio>
#include <numbers>
#include <random>

#include "teskenc/dsp/FftFixed.h"
#include "teskenc/dsp/FftRadix2.h"
#include "teskenc/dsp/Radix2Tables.h"
#include "teskenc/dsp/Radix4Twiddles.h"

namespace tesk {
namespace {

using Spectrum = std::array<std::complex<double>, 64>;

Spectrum referenceDft(const std::array<Complex16, 64>& x) {
    Spectrum result;
    for (int k = 0; k < 64; ++k) {
        std::complex<double> sum = 0;
        for (int n = 0; n < 64; ++n) {
            sum += std::complex<double>(x[n].re, x[n].im) * std::polar(1.0, -2.0 * std::numbers::pi * n * k / 64.0);
        }
        result[k] = sum;
    }
    return result;
}

std::array<Complex16, 64> runRadix2(const std::array<Complex16, 64>& x) {
    std::array<int16_t, 64> re;
    std::array<int16_t, 64> im;
    for (int n = 0; n < 64; ++n) {
        re[n] = x[n].re;
        im[n] = x[n].im;
    }
    fft64Radix2(re.data(), im.data());
    std::array<Complex16, 64> y;
    for (int k = 0; k < 64; ++k) y[k] = {re[k], im[k]};
    return y;
}

std::array<Complex16, 64> runFixed(const std::array<Complex16, 64>& x) {
    std::array<Complex16, 64> y;
    fft64Fixed(x.data(), y.data());
    return y;
}

std::array<Complex16, 64> randomInput(std::mt19937& random, int amplitude) {
    std::uniform_int_distribution<int> value(-amplitude, amplitude);
    std::array<Complex16, 64> x;
    for (Complex16& c : x) c = {static_cast<int16_t>(value(random)), static_cast<int16_t>(value(random))};
    return x;
}

struct ErrorStats {
    double largest = 0;
    double squares = 0;
    int count = 0;

    void add(const std::array<Complex16, 64>& y, const Spectrum& exact) {
        for (int k = 0; k < 64; ++k) {
            for (const double error : {y[k].re - exact[k].real(), y[k].im - exact[k].imag()}) {
                largest = std::max(largest, std::abs(error));
                squares += error * error;
                ++count;
            }
        }
    }
    double rms() const { return std::sqrt(squares / count); }
};

TEST(FftTables, Radix2TwiddlesFollowTheirRule) {
    const Radix2Tables& t = radix2Tables();
    EXPECT_EQ(t.fftCos[0], 32767);
    EXPECT_EQ(t.fftCos[1], 32609);
    EXPECT_EQ(t.fftCos[2], 32137);
    EXPECT_EQ(t.fftSin[0], 0);
    EXPECT_EQ(t.fftSin[16], -32766);  // pi taken as 3.14159 leaves sin just below 1
    EXPECT_EQ(t.fftCos[16], 0);
    EXPECT_EQ(t.fftSin[8], -23169);
}

TEST(FftTables, Radix4TwiddlesFollowTheirRule) {
    const FftTwiddles& t = fftTwiddles();
    EXPECT_EQ(t.fft4Twiddles[0], (Complex16{32767, 0}));
    EXPECT_EQ(t.fft4Twiddles[32], (Complex16{0, -32768}));
    EXPECT_EQ(t.fft4Twiddles[16], (Complex16{23170, -23170}));  // 32768 / sqrt(2) = 23170.48
    // W^33 = exp(-j 33 pi / 32), just past the negative real axis.
    EXPECT_EQ(t.fft4Extra[0], (Complex16{-32610, 3212}));
    EXPECT_EQ(t.fft4Extra[3], (Complex16{-18205, 27246}));  // W^42: 236.25 degrees clockwise
    EXPECT_EQ(t.fft4Extra[4], (Complex16{-9512, 31357}));
}

TEST(FftFixedSteps, RotationRoundsAndSaturates) {
    EXPECT_EQ(fft4Rotate({-32768, 5}, fftTwiddles().fft4Twiddles[32]), (Complex16{5, 32767}));
    EXPECT_EQ(fft4Rotate({5, -32768}, fftTwiddles().fft4Twiddles[32]), (Complex16{-32768, -5}));
    EXPECT_EQ(fft4Rotate({100, -200}, {32767, 0}), (Complex16{100, -200}));

    const Complex16 in[4] = {{32767, 0}, {32767, 0}, {32767, 0}, {32767, 0}};
    Complex16 out[4];
    fft4Butterfly(in, out);
    EXPECT_EQ(out[0], (Complex16{32767, 0}));  // saturated
    EXPECT_EQ(out[1], (Complex16{0, 0}));
    EXPECT_EQ(out[2], (Complex16{0, 0}));
}

TEST(FftFixedSteps, MinusJOfTheLastStageIsAnExactExchange) {
    // x[2] = v alone reaches output 8 through the exact -j step only: Y[8] = -j v with a 16-bit negation, so
    // the imaginary part wraps to -32768 where a table rotation would saturate to 32767.
    std::array<Complex16, 64> x{};
    x[2] = {-32768, 5};
    const auto y = runFixed(x);
    EXPECT_EQ(y[8], (Complex16{5, -32768}));
    EXPECT_EQ(y[24], (Complex16{-5, 32767}));  // its negation, saturated in the last butterfly
}

TEST(Fft, ImpulseGivesAFlatSpectrum) {
    std::array<Complex16, 64> impulse{};
    impulse[0] = {1000, 0};
    for (const auto& y : {runRadix2(impulse), runFixed(impulse)}) {
        for (int k = 0; k < 64; ++k) EXPECT_EQ(y[k], (Complex16{1000, 0})) << k;
    }
}

TEST(Fft, ConstantSaturatesAtDcInTheRadix4Fft) {
    std::array<Complex16, 64> constant;
    constant.fill({1000, 0});
    const auto y = runFixed(constant);
    EXPECT_EQ(y[0], (Complex16{32767, 0}));
    for (int k = 1; k < 64; ++k) EXPECT_EQ(y[k], (Complex16{0, 0})) << k;
}

TEST(Fft, MatchesADoublePrecisionDft) {
    std::mt19937 random(64);
    ErrorStats radix2;
    ErrorStats fixed;
    for (int trial = 0; trial < 500; ++trial) {
        const auto x = randomInput(random, 300);
        const Spectrum exact = referenceDft(x);
        radix2.add(runRadix2(x), exact);
        fixed.add(runFixed(x), exact);
    }
    // Each stage rounds once and the later stages add the rounded values up unscaled.
    std::printf("radix-2: largest %.2f rms %.2f; radix-4: largest %.2f rms %.2f\n", radix2.largest, radix2.rms(),
                fixed.largest, fixed.rms());
    EXPECT_LT(radix2.largest, 10.0);
    EXPECT_LT(radix2.rms(), 2.0);
    EXPECT_LT(fixed.largest, 6.0);
    EXPECT_LT(fixed.rms(), 2.0);
}

}  // namespace
}  // namespace tesk
