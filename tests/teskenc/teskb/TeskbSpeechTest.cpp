#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "teskenc/dsp/BasicOps.h"
#include "teskenc/dsp/LappedTransform.h"
#include "teskenc/teskb/TeskbCodec.h"
#include "tests/support/WavFixture.h"

namespace tesk {
namespace {

// Codes the speech at one rate through the transform pair and returns the SNR in dB against the input
// (the output lags one hop).
double speechSnr(const std::vector<int16_t>& speech, int rate) {
    const int hops = static_cast<int>(speech.size()) / kTransformHop;
    std::array<int16_t, kTransformWindow> window{};
    std::array<int16_t, kTransformHop> history;
    transformInit(history.data());
    std::array<uint16_t, 24> words{};
    double signal = 0;
    double noise = 0;
    for (int hop = 0; hop < hops; ++hop) {
        std::copy(window.begin() + kTransformHop, window.end(), window.begin());
        std::copy_n(speech.begin() + hop * kTransformHop, kTransformHop, window.begin() + kTransformHop);
        std::array<int16_t, kTransformHop> coefficients;
        forwardTransform(window.data(), coefficients.data());
        for (int16_t& c : coefficients) c = shl(c, 1);
        teskbEncodeFrame(coefficients.data(), words, rate);
        teskbDecodeFrame(coefficients.data(), words, rate);
        inverseTransform(coefficients.data(), coefficients.data(), history.data());
        if (hop == 0) continue;
        for (int t = 0; t < kTransformHop; ++t) {
            const double original = speech[(hop - 1) * kTransformHop + t];
            signal += original * original;
            noise += (coefficients[t] - original) * (coefficients[t] - original);
        }
    }
    return 10.0 * std::log10(signal / noise);
}

TEST(TeskbSpeech, QualityRisesWithTheRate) {
    const std::vector<int16_t> speech = testsupport::speechFixtureSamples();
    ASSERT_GT(speech.size(), 8000u * 6);

    std::array<double, 10> snr{};
    for (int rate = 4; rate <= 9; ++rate) {
        snr[rate] = speechSnr(speech, rate);
        std::printf("rate %d: SNR %.2f dB\n", rate, snr[rate]);
    }
    EXPECT_LT(snr[4], snr[5]);
    EXPECT_LT(snr[5], snr[6]);
    EXPECT_LT(snr[6], snr[7]);
    EXPECT_LT(snr[7], snr[8]);
    EXPECT_LE(snr[8], snr[9]);

    // About 3 dB below what the coder measures on this fixture.
    const std::array<double, 6> floor = {3.9, 5.7, 7.4, 8.1, 8.9, 9.3};
    for (int rate = 4; rate <= 9; ++rate) EXPECT_GT(snr[rate], floor[rate - 4]) << "rate " << rate;
}

}  // namespace
}  // namespace tesk
