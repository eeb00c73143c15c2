#include <gtest/gtest.h>

#include <cstdlib>

#include "finchenc/AnalysisWindow.h"
#include "finchenc/FilterBankTables.h"

namespace finch {
namespace {

TEST(AnalysisWindow, HoldsTheKnownSampleValues) {
    EXPECT_EQ(analysisWindow[32], -11);
    EXPECT_EQ(analysisWindow[64], -81);
    EXPECT_EQ(analysisWindow[192], -2507);
    EXPECT_EQ(analysisWindow[256], 28624);
}

TEST(AnalysisWindow, IsMirroredInMagnitudeAboutItsCentre) {
    for (int k = 1; k < 256; ++k) {
        EXPECT_EQ(std::abs(analysisWindow[256 + k]), std::abs(analysisWindow[256 - k])) << "k = " << k;
    }
}

TEST(FilterBankTables, SynthesisWindowCentreTapIsTheAnalysisCentreInUnitsOf16384) {
    // Row 0, tap 8 reads w[256]: trunc(524288 x 28624 / 799980) = trunc(18759.49) = 18759.
    EXPECT_EQ(filterBankTables().synthesisWindow[0][8], 18759);
    EXPECT_EQ(filterBankTables().synthesisWindow[2][7], 10294);
    EXPECT_EQ(filterBankTables().synthesisWindow[30][8], -10294);
}

TEST(FilterBankTables, SynthesisMatrixIsTheTruncatedCosine) {
    const auto& m = filterBankTables().synthesisMatrix;
    EXPECT_EQ(m[0][0], 32767);
    EXPECT_EQ(m[0][31], 32767);
    EXPECT_EQ(m[16][0], 23169);  // 32767 cos(pi/4) = 23169.77
    EXPECT_EQ(m[31][0], 1607);   // 32767 cos(31 pi/64) = 1607.8
    EXPECT_EQ(m[29][31], -4808);
}

}  // namespace
}  // namespace finch
