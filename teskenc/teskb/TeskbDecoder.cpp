#include <algorithm>

#include "teskenc/dsp/BitReader.h"
#include "teskenc/teskb/TeskbClasses.h"
#include "teskenc/teskb/TeskbCodec.h"

namespace tesk {

namespace {

std::array<int, kTeskbBands> teskbReadScales(BitReader& reader) {
    std::array<int, kTeskbBands> scaleIndices;
    for (int& scaleIndex : scaleIndices) scaleIndex = static_cast<int>(reader.unpackBits16(4));
    return scaleIndices;
}

int16_t teskbDecodeValue(BitReader& reader, int position, int peak, int bits, int32_t scale) {
    if (reader.bitsRemaining() < static_cast<std::size_t>(position == peak ? 1 : bits)) return 0;
    if (position == peak) return static_cast<int16_t>(reader.unpackBits16(1) != 0 ? -scale : scale);
    if (bits == 0) return 0;
    const uint32_t code = reader.unpackBits16(bits);
    const int32_t level = bits == 4 ? teskbLevels4[code >> 1] : teskbLevels2[code >> 1];
    const int32_t magnitude = teskbLevelScale(level, scale);
    return static_cast<int16_t>((code & 1) != 0 ? -magnitude : magnitude);
}

}  // namespace

void teskbDecodeFrame(int16_t* coefficients, std::span<const uint16_t> words, int32_t rateId) {
    const TeskbClassRow& row = teskbSetRate(rateId);
    BitReader reader(words);
    const std::array<int, kTeskbBands> scaleIndices = teskbReadScales(reader);
    const std::array<int, kTeskbBands> classes = teskbAllocateClasses(scaleIndices, row);

    for (int b = 0; b < kTeskbBands; ++b) {
        int16_t* band = coefficients + kTeskbBandSize * b;
        if (reader.bitsRemaining() < 3) {
            std::fill_n(band, kTeskbBandSize, int16_t{0});
            continue;
        }
        const int32_t scale = teskbScales[scaleIndices[b]];
        const int peak = static_cast<int>(reader.unpackBits16(3));
        const auto& pattern = teskbPatternsOfClass(classes[b])[peak];
        for (int i = 0; i < kTeskbBandSize; ++i) {
            band[i] = teskbDecodeValue(reader, i, peak, pattern[i], scale);
        }
    }
}

}  // namespace tesk
