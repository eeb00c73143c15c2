#include "teskenc/codec/TeskaBands.h"

#include <array>

#include "teskenc/codec/TeskaTables.h"

namespace tesk {

int teskaGainBits(int rateId) {
    int rowSum = 0;
    for (int16_t units : teskaAllocRows[rateId]) rowSum += units;
    return (teskaFrameBits[rateId] - 4 * rowSum) / kTeskaBands;
}

const int16_t* teskaGainLevels(int gainBits) { return gainBits == 5 ? teskaGain5.data() : teskaGain6.data(); }

void teskaAllocateBits(const int16_t* gains, int rateId, int* bandBits) {
    // Bands by falling gain; the insertion keeps equal gains in band order.
    std::array<int, kTeskaBands> ranked;
    for (int band = 0; band < kTeskaBands; ++band) {
        int place = band;
        for (; place > 0 && gains[ranked[place - 1]] < gains[band]; --place) ranked[place] = ranked[place - 1];
        ranked[place] = band;
    }
    for (int rank = 0; rank < kTeskaBands; ++rank) bandBits[ranked[rank]] = 4 * teskaAllocRows[rateId][rank];
}

TeskaBandShape teskaBandShape(int bandBits) {
    switch (bandBits) {
        case 4:
            return {8, 4, teskaShape8x16.data(), 16};
        case 8:
            return {8, 8, teskaShape8x256.data(), 256};
        case 16:
            return {4, 8, teskaShape4x256.data(), 256};
        case 24:
            return {2, 6, teskaShape2x64.data(), 64};
        case 32:
            return {2, 8, teskaShape2x256.data(), 256};
        default:
            return {1, 5, teskaScalar32.data(), 32};
    }
}

}  // namespace tesk
