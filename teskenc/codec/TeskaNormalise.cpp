#include "teskenc/codec/TeskaNormalise.h"

#include "teskenc/codec/TeskaTables.h"
#include "teskenc/dsp/BasicOps.h"

namespace tesk {

void teskaNormaliseBands(const int16_t* coefficients, int16_t* normalised, int16_t* gains) {
    for (int band = 0; band < kTeskaBands; ++band) {
        const int16_t* c = coefficients + band * kTeskaBandValues;
        Word32 energy = 0;
        for (int k = 0; k < kTeskaBandValues; ++k) energy = L_mac(energy, c[k], c[k]);
        const Word32 inverseRoot = energy != 0 ? Inv_sqrt(energy) : 2147483647;
        Word32 root = 1073741824 / inverseRoot;
        // Loud bands (energy above 2^30) give a root above 16 bits: clamp it rather than let it wrap negative.
        if (root > 32767) root = 32767;
        if (root == 0) root = 1;
        const Word16 q = static_cast<Word16>(root);
        for (int k = 0; k < kTeskaBandValues; ++k) {
            normalised[band * kTeskaBandValues + k] = static_cast<Word16>(L_shl(c[k], 12) / q);
        }
        gains[band] = shl(q, 1);
    }
}

}  // namespace tesk
