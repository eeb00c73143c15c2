#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "teskenc/dsp/BasicOps.h"
#include "teskenc/dsp/ForwardTransformTables.h"
#include "teskenc/dsp/InverseTransformTables.h"
#include "teskenc/dsp/LappedTransform.h"

namespace tesk {
namespace {

std::vector<int16_t> twoTones(int length) {
    std::vector<int16_t> samples(length);
    for (int t = 0; t < length; ++t) {
        const double phase = 2.0 * std::numbers::pi * t / 8000.0;
        samples[t] =
            static_cast<int16_t>(std::lround(6000 * std::sin(440 * phase) + 5000 * std::sin(1730 * phase + 1)));
    }
    return samples;
}

// Runs the signal through forward transform, doubling and inverse transform, hop by hop; the output lags the
// input by one hop.
std::vector<int16_t> reconstruct(const std::vector<int16_t>& input) {
    const int hops = static_cast<int>(input.size()) / kTransformHop;
    std::vector<int16_t> output(input.size());
    std::array<int16_t, kTransformHop> history;
    transformInit(history.data());
    std::array<int16_t, kTransformWindow> window{};
    for (int hop = 0; hop < hops; ++hop) {
        std::copy(window.begin() + kTransformHop, window.end(), window.begin());
        std::copy_n(input.begin() + hop * kTransformHop, kTransformHop, window.begin() + kTransformHop);
        std::array<int16_t, kTransformHop> coefficients;
        forwardTransform(window.data(), coefficients.data());
        for (int16_t& c : coefficients) c = shl(c, 1);
        inverseTransform(coefficients.data(), coefficients.data(), history.data());
        std::copy(coefficients.begin(), coefficients.end(), output.begin() + hop * kTransformHop);
    }
    return output;
}

TEST(TransformTables, ForwardTablesFollowTheirRule) {
    const ForwardTransformTables& t = forwardTransformTables();
    EXPECT_EQ(t.fwdWindow[0], 35);
    EXPECT_EQ(t.fwdWindow[1], 106);
    EXPECT_EQ(t.fwdWindow[2], 177);
    EXPECT_EQ(t.fwdWindow[127], 5792);
    EXPECT_EQ(t.fwdPostCos[0], 5792);
    EXPECT_EQ(t.fwdPostCos[32], 4095);  // the stored pi is a hair above pi
    EXPECT_EQ(t.fwdPostSin[0], 0);
    EXPECT_EQ(t.fwdPostSin[32], -4096);
    EXPECT_EQ(t.fwdPreCos[0], 16383);  // cos(pi/512) = 0.99998
    EXPECT_EQ(t.fwdPreSin[0], -100);   // 16384 * sin(pi/512) = 100.53
}

TEST(TransformTables, InverseTablesAreRoundedToNearest) {
    const InverseTransformTables& t = inverseTransformTables();
    EXPECT_EQ(t.invWindow[0], 142);      // 23170.48 * 0.0061359 = 142.17
    EXPECT_EQ(t.invWindow[127], 23170);  // 23170.48 * 0.99998
    EXPECT_EQ(t.invPreCos[0], 32767);    // 32767.38
    EXPECT_EQ(t.invPreSin[0], -201);     // 201.06
    EXPECT_EQ(t.invPostCos[0], 23170);
    EXPECT_EQ(t.invPostCos[32], 16384);
    EXPECT_EQ(t.invPostSin[32], -16384);
    EXPECT_EQ(buildTransformTables().invPostSin, t.invPostSin);
}

TEST(LappedTransform, SilenceStaysSilent) {
    std::array<int16_t, kTransformWindow> window{};
    std::array<int16_t, kTransformHop> coefficients;
    coefficients.fill(7);
    forwardTransform(window.data(), coefficients.data());
    EXPECT_TRUE(std::all_of(coefficients.begin(), coefficients.end(), [](int16_t c) { return c == 0; }));

    std::array<int16_t, kTransformHop> history;
    history.fill(99);
    transformInit(history.data());
    std::array<int16_t, kTransformHop> samples;
    inverseTransform(coefficients.data(), samples.data(), history.data());
    EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](int16_t s) { return s == 0; }));
    EXPECT_TRUE(std::all_of(history.begin(), history.end(), [](int16_t h) { return h == 0; }));
}

TEST(LappedTransform, ReconstructsTwoTonesOneHopLate) {
    const std::vector<int16_t> input = twoTones(128 * 40);
    const std::vector<int16_t> output = reconstruct(input);
    int largest = 0;
    for (std::size_t t = 0; t < input.size(); ++t) {
        const int expected = t < kTransformHop ? 0 : input[t - kTransformHop];
        largest = std::max(largest, std::abs(output[t] - expected));
    }
    EXPECT_LT(largest, 120);
}

TEST(LappedTransform, CoefficientsRunFromLowToHighFrequency) {
    // Coefficient k stands for about (k + 0.5) * 31.25 Hz at 8000 Hz.
    for (const int bin : {3, 40, 100}) {
        std::array<int16_t, kTransformWindow> window;
        for (int t = 0; t < kTransformWindow; ++t) {
            window[t] = static_cast<int16_t>(std::lround(8000 * std::cos(std::numbers::pi * (bin + 0.5) * t / 128.0)));
        }
        std::array<int16_t, kTransformHop> coefficients;
        forwardTransform(window.data(), coefficients.data());
        const auto peak = std::max_element(coefficients.begin(), coefficients.end(),
                                           [](int16_t a, int16_t b) { return std::abs(a) < std::abs(b); });
        EXPECT_NEAR(peak - coefficients.begin(), bin, 1) << bin;
    }
}

TEST(LappedTransform, OutputMayShareTheCoefficientBuffer) {
    const std::vector<int16_t> input = twoTones(256);
    std::array<int16_t, kTransformHop> coefficients;
    forwardTransform(input.data(), coefficients.data());
    for (int16_t& c : coefficients) c = shl(c, 1);

    std::array<int16_t, kTransformHop> historyA{};
    std::array<int16_t, kTransformHop> historyB{};
    std::array<int16_t, kTransformHop> separate;
    inverseTransform(coefficients.data(), separate.data(), historyA.data());
    inverseTransform(coefficients.data(), coefficients.data(), historyB.data());
    EXPECT_EQ(coefficients, separate);
    EXPECT_EQ(historyA, historyB);
}

}  // namespace
}  // namespace tesk
