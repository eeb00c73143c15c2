#pragma once

#include <array>
#include <cstdint>

namespace finch {

// Tables of the analysis and synthesis filter banks, computed once from the integer analysis window.
struct FilterBankTables {
    // Analysis window w[k] = analysisWindow[k] / 799980, with the odd blocks' sign restored.
    std::array<double, 512> window;
    // cosine[i][k] = cos(k (2i + 1) pi / 64), the analysis matrixing after folding.
    std::array<std::array<double, 32>, 32> cosine;
    // synthesisMatrix[j][k] = 32767 cos(j (2k + 1) pi / 64), truncated, with the stored exceptions.
    std::array<std::array<std::int16_t, 32>, 32> synthesisMatrix;
    // Synthesis window rows W_0..W_31 in units of 1/16384; row 16 uses its first 8 entries.
    std::array<std::array<std::int16_t, 16>, 32> synthesisWindow;
};

const FilterBankTables& filterBankTables();

}  // namespace finch
