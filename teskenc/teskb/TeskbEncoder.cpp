#include <cmath>
#include <cstdlib>

#include "teskenc/dsp/BitPacker.h"
#include "teskenc/teskb/TeskbClasses.h"
#include "teskenc/teskb/TeskbCodec.h"

namespace tesk {

namespace {

struct BandHeader {
    int scaleIndex = 0;
    int peak = 0;
};

// Index of the largest magnitude, the first one on ties.
int teskbPeak(const int16_t* band) {
    int peak = 0;
    for (int i = 1; i < kTeskbBandSize; ++i) {
        if (std::abs(int32_t{band[i]}) > std::abs(int32_t{band[peak]})) peak = i;
    }
    return peak;
}

// Picks each band's scale index from its root-mean-square size and scales its values so that the scale value
// stands for that size.
std::array<BandHeader, kTeskbBands> teskbNormaliseBands(int16_t* coefficients) {
    std::array<BandHeader, kTeskbBands> headers;
    for (int b = 0; b < kTeskbBands; ++b) {
        int16_t* band = coefficients + kTeskbBandSize * b;
        headers[b].peak = teskbPeak(band);

        long double energy = 0;
        for (int i = 0; i < kTeskbBandSize; ++i) energy += int32_t{band[i]} * int32_t{band[i]};
        // Bands of full-scale doubled coefficients exceed 16 bits here; clamping keeps the largest scale index and a
        // positive divisor where a wrapped value would turn negative.
        const long double size = std::trunc(std::sqrt(energy * 0.125L) * 2.5L);
        int32_t a = size > 32767 ? 32767 : static_cast<int32_t>(size);

        int scaleIndex = 15;
        for (int j = 0; j < 15; ++j) {
            if (a < teskbThresholds[j]) {
                scaleIndex = j;
                break;
            }
        }
        headers[b].scaleIndex = scaleIndex;

        const double scale = teskbScales[scaleIndex];
        if (a < 1) a = 1;
        for (int i = 0; i < kTeskbBandSize; ++i) band[i] = static_cast<int16_t>(std::trunc(band[i] * scale / a));
    }
    return headers;
}

struct Code {
    uint32_t value = 0;
    int bits = 0;
};

Code teskbQuantiseValue(int16_t value, int position, int peak, int bits, int32_t scale) {
    const uint32_t sign = value <= 0 ? 1 : 0;
    if (position == peak) return {sign, 1};
    if (bits == 0) return {};

    const int32_t* levels = bits == 4 ? teskbLevels4.data() : teskbLevels2.data();
    const int levelCount = bits == 4 ? 8 : 2;
    const int32_t magnitude = std::abs(int32_t{value});
    int best = 0;
    for (int l = 1; l < levelCount; ++l) {
        if (std::abs(teskbLevelScale(levels[l], scale) - magnitude) <
            std::abs(teskbLevelScale(levels[best], scale) - magnitude)) {
            best = l;
        }
    }
    return {(static_cast<uint32_t>(best) << 1) | sign, bits};
}

void teskbQuantiseBands(const int16_t* coefficients, const std::array<BandHeader, kTeskbBands>& headers,
                        const std::array<int, kTeskbBands>& classes, BitPacker& packer) {
    for (int b = 0; b < kTeskbBands; ++b) {
        const BandHeader& header = headers[b];
        const auto& pattern = teskbPatternsOfClass(classes[b])[header.peak];
        const int32_t scale = teskbScales[header.scaleIndex];
        packer.packBits16(static_cast<uint32_t>(header.peak), 3);
        for (int i = 0; i < kTeskbBandSize; ++i) {
            const Code code =
                teskbQuantiseValue(coefficients[kTeskbBandSize * b + i], i, header.peak, pattern[i], scale);
            if (code.bits > 0) packer.packBits16(code.value, code.bits);
        }
    }
}

}  // namespace

void teskbEncodeFrame(int16_t* coefficients, std::span<uint16_t> words, int32_t rateId) {
    const TeskbClassRow& row = teskbSetRate(rateId);
    const std::array<BandHeader, kTeskbBands> headers = teskbNormaliseBands(coefficients);

    std::array<int, kTeskbBands> scaleIndices;
    for (int b = 0; b < kTeskbBands; ++b) scaleIndices[b] = headers[b].scaleIndex;
    const std::array<int, kTeskbBands> classes = teskbAllocateClasses(scaleIndices, row);

    BitPacker packer(words);
    for (int scaleIndex : scaleIndices) packer.packBits16(static_cast<uint32_t>(scaleIndex), 4);
    teskbQuantiseBands(coefficients, headers, classes, packer);
}

}  // namespace tesk
