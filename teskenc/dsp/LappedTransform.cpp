#include "teskenc/dsp/LappedTransform.h"

#include <algorithm>
#include <array>

#include "teskenc/dsp/BasicOps.h"
#include "teskenc/dsp/Complex16.h"
#include "teskenc/dsp/FftFixed.h"
#include "teskenc/dsp/FftRadix2.h"
#include "teskenc/dsp/ForwardTransformTables.h"
#include "teskenc/dsp/InverseTransformTables.h"

namespace tesk {

namespace {

// 16-bit two's-complement negation: -32768 stays -32768.
Word16 negate(Word16 value) { return static_cast<Word16>(-Word32{value}); }

}  // namespace

void transformInit(int16_t* history) { std::fill_n(history, kTransformHop, int16_t{0}); }

void forwardTransform(const int16_t* x, int16_t* X) {
    const ForwardTransformTables& t = forwardTransformTables();
    const auto& W = t.fwdWindow;

    std::array<Word16, 128> u;
    for (int m = 0; m < 32; ++m) {
        u[64 + 2 * m] = round(L_sub(L_mult(W[127 - 2 * m], x[127 - 2 * m]), L_mult(W[2 * m], x[2 * m])));
        u[65 + 2 * m] = round(L_add(L_mult(W[127 - 2 * m], x[128 + 2 * m]), L_mult(W[2 * m], x[255 - 2 * m])));
        u[63 - 2 * m] = round(L_sub(L_mult(W[126 - 2 * m], x[126 - 2 * m]), L_mult(W[2 * m + 1], x[2 * m + 1])));
        u[62 - 2 * m] = round(L_add(L_mult(W[126 - 2 * m], x[129 + 2 * m]), L_mult(W[2 * m + 1], x[254 - 2 * m])));
    }

    std::array<Word16, 64> re;
    std::array<Word16, 64> im;
    for (int n = 0; n < 64; ++n) {
        const Word16 a = t.fwdPreCos[n];
        const Word16 b = t.fwdPreSin[n];
        const Word16 r = u[2 * n];
        const Word16 i = u[2 * n + 1];
        // Quartered before the FFT, which does not scale its sums, so that they rarely saturate.
        re[n] = static_cast<Word16>(round(L_sub(L_mult(r, a), L_mult(i, b))) / 4);
        im[n] = static_cast<Word16>(round(L_add(L_mult(i, a), L_mult(r, b))) / 4);
    }

    fft64Radix2(re.data(), im.data());

    for (int n = 0; n < 64; ++n) {
        const Word16 c = t.fwdPostCos[n];
        const Word16 d = t.fwdPostSin[n];
        const Word16 minusIm = negate(im[n]);
        X[2 * n] = round(L_add(L_mult(re[n], c), L_mult(minusIm, d)));
        X[127 - 2 * n] = round(L_sub(L_mult(minusIm, c), L_mult(re[n], d)));
    }
}

void inverseTransform(const int16_t* X, int16_t* y, int16_t* history) {
    const InverseTransformTables& t = inverseTransformTables();
    const auto& W2 = t.invWindow;

    // Pair n is (X[2n], X[127 - 2n]); rotating it here reads all of X before y, which may share its buffer.
    std::array<Complex16, 64> rotated;
    for (int n = 0; n < 64; ++n) {
        const Word16 re = X[2 * n];
        const Word16 im = X[127 - 2 * n];
        rotated[n] = {round(L_sub(L_mult0(re, t.invPreCos[n]), L_mult0(im, t.invPreSin[n]))),
                      round(L_add(L_mult0(im, t.invPreCos[n]), L_mult0(re, t.invPreSin[n])))};
    }

    std::array<Complex16, 64> spectrum;
    fft64Fixed(rotated.data(), spectrum.data());

    std::array<Word16, 128> u;
    for (int n = 0; n < 64; ++n) {
        const Word16 re = spectrum[n].re;
        const Word16 minusIm = negate(spectrum[n].im);
        u[2 * n] = round(L_add(L_mult0(re, t.invPostCos[n]), L_mult0(minusIm, t.invPostSin[n])));
        u[127 - 2 * n] = round(L_sub(L_mult0(minusIm, t.invPostCos[n]), L_mult0(re, t.invPostSin[n])));
    }

    for (int k = 0; k < 64; ++k) {
        const Word16 previous = history[63 - k];
        const Word16 current = u[64 + k];
        y[k] = shl(round(L_shl(L_sub(L_mult0(previous, W2[127 - k]), L_mult0(current, W2[k])), 4)), 1);
        y[127 - k] = shl(round(L_shl(L_add(L_mult0(previous, W2[k]), L_mult0(current, W2[127 - k])), 4)), 1);
    }

    std::copy(u.begin(), u.end(), history);
}

}  // namespace tesk
