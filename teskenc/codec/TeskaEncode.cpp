#include <algorithm>
#include <array>

#include "teskenc/codec/CodecError.h"
#include "teskenc/codec/ShapeSearch.h"
#include "teskenc/codec/Teska.h"
#include "teskenc/codec/TeskaBands.h"
#include "teskenc/codec/TeskaNormalise.h"
#include "teskenc/codec/TeskaTables.h"
#include "teskenc/codec/VqSearch.h"
#include "teskenc/dsp/BitPacker.h"

namespace tesk {

namespace {

// Every band bit budget the allocation rows can give (4 bits per unit); teskaBandShape codes any other budget
// like the last one.
constexpr std::array<int, 6> kBandBudgets = {4, 8, 16, 24, 32, 40};

ShapeSearch prepareSearch(int bandBits) {
    const TeskaBandShape shape = teskaBandShape(bandBits);
    return ShapeSearch(shape.codebook, shape.partValues, shape.rows);
}

// Prepared once per process, at the first frame.
const ShapeSearch& shapeSearch(int bandBits) {
    static const std::array<ShapeSearch, kBandBudgets.size()> searches = {
        prepareSearch(kBandBudgets[0]), prepareSearch(kBandBudgets[1]), prepareSearch(kBandBudgets[2]),
        prepareSearch(kBandBudgets[3]), prepareSearch(kBandBudgets[4]), prepareSearch(kBandBudgets[5])};
    const auto* budget = std::find(kBandBudgets.begin(), kBandBudgets.end(), bandBits);
    return budget == kBandBudgets.end() ? searches.back()
                                        : searches[static_cast<size_t>(budget - kBandBudgets.begin())];
}

}  // namespace

void teskaEncodeFrame(const int16_t* coefficients, uint16_t* words, int32_t rateId) {
    if (rateId < 0 || rateId >= kTeskaRates) throw CodecError(kTeskaRateMessage);
    std::array<int16_t, kTeskaBands * kTeskaBandValues> normalised{};
    std::array<int16_t, kTeskaBands> gains{};
    teskaNormaliseBands(coefficients, normalised.data(), gains.data());

    BitPacker packer({words, static_cast<size_t>(teskaFrameBits[rateId] / 16)});
    const int gainBits = teskaGainBits(rateId);
    const int16_t* levels = teskaGainLevels(gainBits);
    for (int band = 0; band < kTeskaBands; ++band) {
        const int index = vqSearchAscending(gains[band], levels, 1 << gainBits);
        packer.packBits16(static_cast<uint32_t>(index), gainBits);
        gains[band] = levels[index];
    }

    std::array<int, kTeskaBands> bandBits{};
    teskaAllocateBits(gains.data(), rateId, bandBits.data());
    for (int band = 0; band < kTeskaBands; ++band) {
        const TeskaBandShape shape = teskaBandShape(bandBits[band]);
        const ShapeSearch& search = shapeSearch(bandBits[band]);
        for (int first = 0; first < kTeskaBandValues; first += shape.partValues) {
            const int index = search.nearest(&normalised[band * kTeskaBandValues + first]);
            packer.packBits16(static_cast<uint32_t>(index), shape.indexBits);
        }
    }
}

}  // namespace tesk
