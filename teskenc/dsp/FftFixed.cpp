#include "teskenc/dsp/FftFixed.h"

#include <array>

#include "teskenc/dsp/Radix4Twiddles.h"

namespace tesk {

namespace {

int16_t sat(int64_t value) {
    if (value > 32767) return 32767;
    if (value < -32768) return -32768;
    return static_cast<int16_t>(value);
}

// W^e for the exponents the three stages use: 0..30 from the half-step table, 33..45 in steps of 3 beyond it.
Complex16 power(const FftTwiddles& twiddles, int e) {
    return e <= 30 ? twiddles.fft4Twiddles[2 * e] : twiddles.fft4Extra[(e - 33) / 3];
}

}  // namespace

void fft4Butterfly(const Complex16* x, Complex16* y) {
    const Complex16 a{sat(int32_t{x[0].re} + x[2].re), sat(int32_t{x[0].im} + x[2].im)};
    const Complex16 b{sat(int32_t{x[1].re} + x[3].re), sat(int32_t{x[1].im} + x[3].im)};
    const Complex16 c{sat(int32_t{x[0].re} - x[2].re), sat(int32_t{x[0].im} - x[2].im)};
    const Complex16 d{sat(int32_t{x[1].re} - x[3].re), sat(int32_t{x[1].im} - x[3].im)};
    y[0] = {sat(int32_t{a.re} + b.re), sat(int32_t{a.im} + b.im)};
    y[1] = {sat(int32_t{c.re} + d.im), sat(int32_t{c.im} - d.re)};
    y[2] = {sat(int32_t{a.re} - b.re), sat(int32_t{a.im} - b.im)};
    y[3] = {sat(int32_t{c.re} - d.im), sat(int32_t{c.im} + d.re)};
}

Complex16 fft4Rotate(Complex16 z, Complex16 w) {
    const int64_t re = int64_t{z.re} * w.re - int64_t{z.im} * w.im;
    const int64_t im = int64_t{z.re} * w.im + int64_t{z.im} * w.re;
    return {sat((re + 16384) >> 15), sat((im + 16384) >> 15)};
}

void fft64Fixed(const Complex16* x, Complex16* y) {
    const FftTwiddles& twiddles = fftTwiddles();

    for (int i = 0; i < 16; ++i) {
        const Complex16 column[4] = {x[i], x[i + 16], x[i + 32], x[i + 48]};
        fft4Butterfly(column, &y[4 * i]);
    }
    for (int k = 1; k < 16; ++k) {
        for (int r = 1; r < 4; ++r) y[4 * k + r] = fft4Rotate(y[4 * k + r], power(twiddles, k * r));
    }

    for (int i = 0; i < 4; ++i) {
        std::array<Complex16, 16> z;
        for (int g = 0; g < 4; ++g) {
            const Complex16 column[4] = {y[i + 4 * g], y[i + 4 * g + 16], y[i + 4 * g + 32], y[i + 4 * g + 48]};
            Complex16 out[4];
            fft4Butterfly(column, out);
            for (int r = 0; r < 4; ++r) z[g + 4 * r] = out[r];
        }
        for (int g = 1; g < 4; ++g) {
            for (int r = 1; r < 4; ++r) {
                Complex16& value = z[g + 4 * r];
                if (g == 2 && r == 2) {
                    // W^16 is -j: applied exactly, with the 16-bit two's-complement negation (-32768 stays -32768).
                    value = {value.im, static_cast<int16_t>(-value.re)};
                } else {
                    value = fft4Rotate(value, power(twiddles, 4 * g * r));
                }
            }
        }
        for (int m = 0; m < 4; ++m) {
            Complex16 out[4];
            fft4Butterfly(&z[4 * m], out);
            for (int q = 0; q < 4; ++q) y[i + 4 * m + 16 * q] = out[q];
        }
    }
}

}  // namespace tesk
