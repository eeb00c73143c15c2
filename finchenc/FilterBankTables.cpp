#include "finchenc/FilterBankTables.h"

#include <cmath>
#include <numbers>

#include "finchenc/AnalysisWindow.h"

namespace finch {

namespace {

// The encoder's matrixing uses this rounded value of pi; the stream was defined with it.
constexpr double kEncoderPi = 3.14159265359;

struct MatrixException {
    int row;
    int column;
    std::int16_t value;
};

// Entries of the decoder's fixed matrix that differ from the truncated cosine; streams decode with them.
constexpr MatrixException kSynthesisMatrixExceptions[] = {
    {17, 5, -31784}, {17, 28, -29620}, {19, 25, -29620}, {19, 28, -31784}, {21, 18, 29620},  {23, 20, -22005},
    {23, 30, 31784}, {25, 25, 31784},  {27, 16, 31784},  {27, 21, 29620},  {29, 29, -22005}, {29, 31, -4808},
};

bool inOddBlock(int k) { return (k / 64) % 2 == 1; }

std::int16_t truncated(double value) { return static_cast<std::int16_t>(std::trunc(value)); }

FilterBankTables buildTables() {
    FilterBankTables tables{};
    for (int k = 0; k < 512; ++k) {
        const double w = analysisWindow[k] / 799980.0;
        tables.window[k] = inOddBlock(k) ? -w : w;
    }
    for (int i = 0; i < 32; ++i) {
        for (int k = 0; k < 32; ++k) {
            tables.cosine[i][k] = std::cos(k * (2 * i + 1) * kEncoderPi / 64);
        }
    }
    for (int j = 0; j < 32; ++j) {
        for (int k = 0; k < 32; ++k) {
            tables.synthesisMatrix[j][k] = truncated(32767 * std::cos(j * (2 * k + 1) * std::numbers::pi / 64));
        }
    }
    for (const auto& entry : kSynthesisMatrixExceptions) {
        tables.synthesisMatrix[entry.row][entry.column] = entry.value;
    }
    const auto& w = tables.window;
    for (int j = 0; j < 16; ++j) {
        for (int k = 0; k < 16; ++k) {
            const double sign = k % 2 == 0 ? 1.0 : -1.0;
            tables.synthesisWindow[j][k] = truncated(524288 * sign * w[32 * k + j]);
        }
    }
    for (int k = 0; k < 8; ++k) {
        tables.synthesisWindow[16][k] = truncated(-524288 * w[64 * k + 48]);
    }
    for (int j = 17; j < 32; ++j) {
        for (int k = 0; k < 16; ++k) {
            tables.synthesisWindow[j][k] = truncated(-524288 * w[32 * k + j]);
        }
    }
    tables.synthesisWindow[2][7] = 10294;
    tables.synthesisWindow[30][8] = -10294;
    return tables;
}

}  // namespace

const FilterBankTables& filterBankTables() {
    static const FilterBankTables tables = buildTables();
    return tables;
}

}  // namespace finch
