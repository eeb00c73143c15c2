#include "teskenc/dsp/FftRadix2.h"

#include <utility>

#include "teskenc/dsp/BasicOps.h"
#include "teskenc/dsp/Radix2Tables.h"

namespace tesk {

namespace {

int bitReverse6(int index) {
    int reversed = 0;
    for (int bit = 0; bit < 6; ++bit) reversed |= ((index >> bit) & 1) << (5 - bit);
    return reversed;
}

}  // namespace

void fft64Radix2(int16_t* re, int16_t* im) {
    const Radix2Tables& tables = radix2Tables();
    for (int stage = 0; stage < 6; ++stage) {
        const int half = 32 >> stage;
        for (int j = 0; j < half; ++j) {
            const Word16 g = tables.fftCos[j << stage];
            const Word16 h = tables.fftSin[j << stage];
            for (int group = 0; group < 64; group += 2 * half) {
                const int a = group + j;
                const int b = a + half;
                const Word16 m = sub(re[a], re[b]);
                const Word16 o = sub(im[a], im[b]);
                re[a] = add(re[a], re[b]);
                im[a] = add(im[a], im[b]);
                re[b] = round(L_sub(L_mult(m, g), L_mult(o, h)));
                im[b] = round(L_add(L_mult(m, h), L_mult(o, g)));
            }
        }
    }
    for (int index = 0; index < 64; ++index) {
        const int reversed = bitReverse6(index);
        if (reversed > index) {
            std::swap(re[index], re[reversed]);
            std::swap(im[index], im[reversed]);
        }
    }
}

}  // namespace tesk
