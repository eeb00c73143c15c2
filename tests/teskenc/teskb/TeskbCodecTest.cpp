#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <stdexcept>
#include <vector>

#include "teskenc/teskb/TeskbCodec.h"

namespace tesk {
namespace {

using Coefficients = std::array<int16_t, 128>;

Coefficients randomCoefficients(std::mt19937& random) {
    std::normal_distribution<double> value(0.0, 1.0);
    Coefficients c;
    for (int k = 0; k < 128; ++k) {
        // Falling with frequency, as speech spectra do, so that the bands get different scale indices.
        c[k] = static_cast<int16_t>(std::clamp(value(random) * 3000.0 / (1 + k / 8), -32768.0, 32767.0));
    }
    return c;
}

TEST(TeskbCodec, FrameFillsItsWordsExactly) {
    // 64 bits of scale indices plus 4 bits per class unit of the rate's row.
    const std::array<std::pair<int, std::size_t>, 6> wordsByRate = {
        {{4, 10}, {5, 12}, {6, 14}, {7, 16}, {8, 20}, {9, 24}}};
    std::mt19937 random(4);
    for (const auto& [rate, words] : wordsByRate) {
        for (int trial = 0; trial < 20; ++trial) {
            Coefficients c = randomCoefficients(random);
            std::vector<uint16_t> buffer(32, 0xAAAA);
            teskbEncodeFrame(c.data(), buffer, rate);
            // The last field ends on a word boundary, so the packer has just cleared the next word and gone no
            // further.
            EXPECT_EQ(buffer[words], 0) << "rate " << rate;
            EXPECT_EQ(buffer[words + 1], 0xAAAA) << "rate " << rate;
        }
    }
}

TEST(TeskbCodec, SilentFrameBitsAndDecoding) {
    Coefficients c{};
    std::array<uint16_t, 10> words;
    words.fill(0x1234);
    teskbEncodeFrame(c.data(), words, 4);
    // Scale indices all 0; equal indices rank by band, so bands 0-1 get class 4, 2-3 class 2, the rest class 1.
    // Every peak is at 0 with sign bit 1 (zero is non-positive); every other code is level 0 with sign 1.
    // Class 4 band: peak 000, sign 1, six 2-bit codes 01 -> 0x5558. Class 2: 000, 1, 01, 01 -> 0x58.
    // Class 1: 000, 1 -> 0x8.
    const std::array<uint16_t, 10> expected = {0, 0, 0, 0, 0x5558, 0x5558, 0x5858, 0x8888, 0x8888, 0x8888};
    EXPECT_EQ(words, expected);

    Coefficients decoded;
    decoded.fill(99);
    teskbDecodeFrame(decoded.data(), words, 4);
    for (int k = 0; k < 128; ++k) EXPECT_EQ(decoded[k], k % 8 == 0 ? -1 : 0) << k;
}

TEST(TeskbCodec, LoudBandKeepsTheTopScaleAndEqualDistancesTakeTheLowerLevel) {
    // Root-mean-square 16432: 2.5 times that exceeds 16 bits. The size is held at 32767 (scale index 15,
    // scale 6066) rather than wrapped to a negative number that would make the band vanish.
    Coefficients c{};
    c[0] = 32767;
    c[1] = 32767;
    c[2] = 3582;  // normalised: trunc(3582 * 6066 / 32767) = 663, halfway between levels 9 and 5 (853, 473)
    std::array<uint16_t, 16> words{};
    teskbEncodeFrame(c.data(), words, 7);
    EXPECT_EQ(words[0] & 0xF, 15);

    Coefficients decoded;
    teskbDecodeFrame(decoded.data(), words, 7);
    EXPECT_EQ(decoded[0], 6066);  // the peak decodes to the full scale
    EXPECT_EQ(decoded[1], 4454);  // (47 * 6066) >> 6
    EXPECT_EQ(decoded[2], 473);   // (5 * 6066) >> 6, the lower of the two level indices
    EXPECT_EQ(decoded[3], -94);   // zero takes level 1 with the non-positive sign
}

TEST(TeskbCodec, NegativeFullScaleBandKeepsItsSign) {
    Coefficients c{};
    std::fill_n(c.begin() + 40, 8, int16_t{-20000});
    std::array<uint16_t, 10> words{};
    teskbEncodeFrame(c.data(), words, 4);
    Coefficients decoded;
    teskbDecodeFrame(decoded.data(), words, 4);
    EXPECT_EQ(decoded[40], -6066);
    for (int k = 41; k < 47; ++k) EXPECT_LT(decoded[k], -1000) << k;  // the band ranks first: class 4
}

TEST(TeskbCodec, RateIdsOutsideFourToNineAreRejected) {
    Coefficients c{};
    std::array<uint16_t, 24> words{};
    for (const int rate : {-1, 0, 3, 10, 255}) {
        try {
            teskbSetRate(rate);
            ADD_FAILURE() << rate;
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), "change teskb data rate error\n");
        }
        EXPECT_THROW(teskbEncodeFrame(c.data(), words, rate), std::invalid_argument);
        EXPECT_THROW(teskbDecodeFrame(c.data(), words, rate), std::invalid_argument);
    }
    EXPECT_EQ(teskbSetRate(9)[15], 2);
}

TEST(TeskbCodec, ShortWordBufferKeepsTheFramesHead) {
    // A caller that keeps fewer words than the frame fills loses the tail, and nothing else.
    std::mt19937 random(9);
    Coefficients c = randomCoefficients(random);
    Coefficients copy = c;
    std::vector<uint16_t> full(24);
    teskbEncodeFrame(copy.data(), full, 9);
    std::vector<uint16_t> cut(22);
    teskbEncodeFrame(c.data(), cut, 9);
    EXPECT_TRUE(std::equal(cut.begin(), cut.end(), full.begin()));
}

TEST(TeskbCodec, BandsWhoseBitsAreMissingDecodeAsSilence) {
    // The silent rate-4 frame holds bands 8-11 in word 8 and bands 12-15 in word 9 (4 bits each). Read as
    // zero bits they would decode to a positive full-scale peak; missing, they decode to nothing.
    Coefficients c{};
    std::array<uint16_t, 10> words{};
    teskbEncodeFrame(c.data(), words, 4);
    Coefficients decoded;
    decoded.fill(99);
    teskbDecodeFrame(decoded.data(), std::span<const uint16_t>(words).first(8), 4);
    for (int k = 0; k < 128; ++k) EXPECT_EQ(decoded[k], k % 8 == 0 && k < 64 ? -1 : 0) << k;
}

}  // namespace
}  // namespace tesk
