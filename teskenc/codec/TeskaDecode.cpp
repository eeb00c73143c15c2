#include <algorithm>
#include <array>

#include "teskenc/codec/CodecError.h"
#include "teskenc/codec/Teska.h"
#include "teskenc/codec/TeskaBands.h"
#include "teskenc/codec/TeskaTables.h"
#include "teskenc/dsp/BitReader.h"

namespace tesk {

void teskaDecodeFrame(int16_t* coefficients, const uint16_t* words, int32_t rateId) {
    if (rateId < 0 || rateId >= kTeskaRates) throw CodecError(kTeskaRateMessage);
    BitReader reader({words, static_cast<size_t>(teskaFrameBits[rateId] / 16)});
    const int gainBits = teskaGainBits(rateId);
    const int16_t* levels = teskaGainLevels(gainBits);
    std::array<int16_t, kTeskaBands> gains{};
    for (int band = 0; band < kTeskaBands; ++band) {
        gains[band] = levels[reader.unpackBits16(gainBits)];
    }

    std::array<int, kTeskaBands> bandBits{};
    teskaAllocateBits(gains.data(), rateId, bandBits.data());
    for (int band = 0; band < kTeskaBands; ++band) {
        const TeskaBandShape shape = teskaBandShape(bandBits[band]);
        int16_t* values = coefficients + band * kTeskaBandValues;
        for (int first = 0; first < kTeskaBandValues; first += shape.partValues) {
            const int16_t* row = shape.codebook + reader.unpackBits16(shape.indexBits) * shape.partValues;
            std::copy(row, row + shape.partValues, values + first);
        }
        // round(L_shl(L_mult(v, gain), 3)) without a step that could saturate: codebook values lie within +-2800
        // and levels within 0..20963, so 16 * v * gain + 0x8000 stays below 2^30.
        const int32_t gain = gains[band];
        for (int k = 0; k < kTeskaBandValues; ++k) {
            values[k] = static_cast<int16_t>((16 * values[k] * gain + 0x8000) >> 16);
        }
    }
}

}  // namespace tesk
