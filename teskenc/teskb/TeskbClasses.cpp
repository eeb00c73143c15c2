#include "teskenc/teskb/TeskbClasses.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace tesk {

const TeskbClassRow& teskbSetRate(int32_t rateId) {
    if (rateId < 4 || rateId > 9) throw std::invalid_argument("change teskb data rate error\n");
    return teskbClassRows[rateId - 4];
}

std::array<int, kTeskbBands> teskbAllocateClasses(const std::array<int, kTeskbBands>& scaleIndices,
                                                  const TeskbClassRow& row) {
    std::array<int, kTeskbBands> byRank;
    std::iota(byRank.begin(), byRank.end(), 0);
    std::stable_sort(byRank.begin(), byRank.end(), [&](int a, int b) { return scaleIndices[a] > scaleIndices[b]; });
    std::array<int, kTeskbBands> classes{};
    for (int rank = 0; rank < kTeskbBands; ++rank) classes[byRank[rank]] = row[rank];
    return classes;
}

}  // namespace tesk
