#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <string>

#include "teskenc/codec/CodecError.h"
#include "teskenc/codec/Teska.h"
#include "teskenc/codec/TeskaBands.h"
#include "teskenc/codec/TeskaNormalise.h"
#include "teskenc/codec/TeskaTables.h"
#include "teskenc/dsp/BasicOps.h"
#include "teskenc/dsp/BitReader.h"

namespace tesk {
namespace {

using Coefficients = std::array<int16_t, 128>;

void fillBand(Coefficients& c, int band, int16_t value) {
    for (int k = 0; k < 8; ++k) c[band * 8 + k] = value;
}

TEST(TeskaAllocation, LargerGainsRankFirstAndLowerBandsWinTies) {
    std::array<int16_t, 16> gains{};
    gains.fill(100);
    std::array<int, 16> bits{};
    teskaAllocateBits(gains.data(), 2, bits.data());
    EXPECT_EQ(bits, (std::array<int, 16>{24, 16, 16, 8, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}));

    gains[15] = 5000;
    gains[3] = 900;
    gains[9] = 0;
    teskaAllocateBits(gains.data(), 0, bits.data());
    // Ranks: 15, 3, then bands 0, 1, 2, 4, ... in order, band 9 last.
    EXPECT_EQ(bits[15], 40);
    EXPECT_EQ(bits[3], 32);
    EXPECT_EQ(bits[0], 32);
    EXPECT_EQ(bits[1], 24);
    EXPECT_EQ(bits[2], 16);
    EXPECT_EQ(bits[12], 8);
    EXPECT_EQ(bits[13], 8);
    EXPECT_EQ(bits[14], 8);
    EXPECT_EQ(bits[9], 8);
    EXPECT_EQ(bits[11], 16);
}

TEST(TeskaAllocation, RowFollowsTheGainOrderOfAnyFrame) {
    // Gains drawn from the 6-bit levels, whose first entries repeat, so many bands tie.
    uint32_t seed = 3;
    for (int trial = 0; trial < 500; ++trial) {
        const int32_t rateId = trial % 3;
        std::array<int16_t, 16> gains{};
        for (int16_t& gain : gains) {
            seed = seed * 1664525u + 1013904223u;
            gain = teskaGain6[(seed >> 8) % (trial % 2 ? 8 : 64)];
        }
        std::array<int, 16> bits{};
        teskaAllocateBits(gains.data(), rateId, bits.data());
        for (int a = 0; a < 16; ++a) {
            for (int b = a + 1; b < 16; ++b) {
                // A louder band never gets fewer bits, and of equal bands the lower one never gets fewer.
                if (gains[a] >= gains[b]) {
                    EXPECT_GE(bits[a], bits[b]) << "bands " << a << ", " << b;
                } else {
                    EXPECT_GE(bits[b], bits[a]) << "bands " << b << ", " << a;
                }
            }
        }
        std::array<int, 16> spent = bits;
        std::sort(spent.begin(), spent.end(), std::greater<>());
        for (int rank = 0; rank < 16; ++rank) EXPECT_EQ(spent[rank], 4 * teskaAllocRows[rateId][rank]);
    }
}

TEST(TeskaTrainedCodebooks, KeepTheGivenRowsAndTheRange) {
    EXPECT_EQ(teskaShape8x256[0], -1911);
    EXPECT_EQ(teskaShape8x256[7], -100);
    EXPECT_EQ(teskaShape4x256[1], 2218);
    EXPECT_EQ(teskaShape2x64[2], 1850);
    EXPECT_EQ(teskaShape2x256[3], 2031);
    auto inRange = [](const auto& table, int low, int high) {
        for (int16_t v : table) {
            if (v < low || v > high) return false;
        }
        return true;
    };
    EXPECT_TRUE(inRange(teskaShape8x256, -2733, 2714));
    EXPECT_TRUE(inRange(teskaShape4x256, -2660, 2677));
    EXPECT_TRUE(inRange(teskaShape2x64, -2582, 2600));
    EXPECT_TRUE(inRange(teskaShape2x256, -2761, 2774));
}

TEST(TeskaNormalise, BandsBecomeUnitShapesAndGains) {
    Coefficients c{};
    fillBand(c, 1, 128);
    fillBand(c, 2, -128);
    Coefficients normalised{};
    std::array<int16_t, 16> gains{};
    teskaNormaliseBands(c.data(), normalised.data(), gains.data());
    // Silence: energy 0 gives the smallest divisor 1 and a gain of 2.
    EXPECT_EQ(gains[0], 2);
    EXPECT_EQ(normalised[0], 0);
    // Energy 8 * 2 * 128^2 = 2^18; Inv_sqrt gives 32767 * 64, the root 512, shape 128 * 4096 / 512.
    EXPECT_EQ(gains[1], 1024);
    EXPECT_EQ(normalised[8], 1024);
    EXPECT_EQ(normalised[15], 1024);
    EXPECT_EQ(gains[2], 1024);
    EXPECT_EQ(normalised[16], -1024);
}

TEST(TeskaNormalise, LoudBandsClampInsteadOfTurningNegative) {
    Coefficients c{};
    fillBand(c, 4, 20000);
    fillBand(c, 5, -20000);
    Coefficients normalised{};
    std::array<int16_t, 16> gains{};
    teskaNormaliseBands(c.data(), normalised.data(), gains.data());
    // The energy saturates; its root 46341 is held at 32767, so signs and gain stay right.
    EXPECT_EQ(gains[4], 32767);
    EXPECT_EQ(normalised[32], 20000 * 4096 / 32767);
    EXPECT_EQ(normalised[40], -(20000 * 4096 / 32767));
}

TEST(TeskaFrame, GainIndicesComeFirstInLowBits) {
    Coefficients c{};
    fillBand(c, 0, 128);  // gain 1024: level 1060 (index 17) of the 5-bit table, 956 (index 53) of the 6-bit one
    std::array<uint16_t, 16> words{};
    teskaEncodeFrame(c.data(), words.data(), 1);
    // Sixteen 5-bit gain indices fill words 0..4; silent bands take index 0 (level 1).
    EXPECT_EQ(words[0], 17);
    for (int w = 1; w < 5; ++w) EXPECT_EQ(words[w], 0) << w;

    std::array<uint16_t, 24> words0{};
    teskaEncodeFrame(c.data(), words0.data(), 0);
    // 6-bit indices: band 0 = 53, every silent band 5 (the first level 2).
    EXPECT_EQ(words0[0], 53 | 5 << 6 | (5 & 0xF) << 12);
    EXPECT_EQ(words0[1], 5 >> 4 | 5 << 2 | 5 << 8 | (5 & 0x3) << 14);
}

TEST(TeskaFrame, DecodesAtTwiceTheInputScale) {
    Coefficients c{};
    fillBand(c, 0, 128);
    for (int32_t rateId = 0; rateId < 3; ++rateId) {
        std::array<uint16_t, 24> words{};
        teskaEncodeFrame(c.data(), words.data(), rateId);
        Coefficients decoded{};
        teskaDecodeFrame(decoded.data(), words.data(), rateId);
        for (int k = 0; k < 8; ++k) EXPECT_NEAR(decoded[k], 256, 128) << "rate " << rateId << " value " << k;
        for (int k = 8; k < 128; ++k) EXPECT_LE(std::abs(decoded[k]), 1) << "rate " << rateId << " value " << k;
    }
}

TEST(TeskaFrame, WritesAndReadsExactlyTheFrameWords) {
    Coefficients c{};
    for (int k = 0; k < 128; ++k) c[k] = static_cast<int16_t>((k * 7919 % 4001) - 2000);
    const std::array<int, 3> expectedWords{24, 16, 12};
    for (int32_t rateId = 0; rateId < 3; ++rateId) {
        std::array<uint16_t, 32> words{};
        words.fill(0xBEEF);
        teskaEncodeFrame(c.data(), words.data(), rateId);
        for (int w = expectedWords[rateId]; w < 32; ++w) EXPECT_EQ(words[w], 0xBEEF) << "rate " << rateId;
        // The frame decodes the same whatever follows it.
        Coefficients decoded{};
        teskaDecodeFrame(decoded.data(), words.data(), rateId);
        words.fill(0);
        teskaEncodeFrame(c.data(), words.data(), rateId);
        Coefficients again{};
        teskaDecodeFrame(again.data(), words.data(), rateId);
        EXPECT_EQ(decoded, again);
    }
}

// Decoding as the operators define it: each shape value scaled by its band's gain level through L_mult,
// L_shl and round.
Coefficients referenceDecode(const uint16_t* words, int32_t rateId) {
    BitReader reader({words, static_cast<size_t>(teskaFrameBits[rateId] / 16)});
    const int gainBits = teskaGainBits(rateId);
    std::array<int16_t, 16> gains{};
    for (int16_t& gain : gains) gain = teskaGainLevels(gainBits)[reader.unpackBits16(gainBits)];
    std::array<int, 16> bits{};
    teskaAllocateBits(gains.data(), rateId, bits.data());
    Coefficients c{};
    for (int band = 0; band < 16; ++band) {
        const TeskaBandShape shape = teskaBandShape(bits[band]);
        for (int first = 0; first < 8; first += shape.partValues) {
            const int16_t* row = shape.codebook + reader.unpackBits16(shape.indexBits) * shape.partValues;
            for (int k = 0; k < shape.partValues; ++k) {
                c[band * 8 + first + k] = round(L_shl(L_mult(row[k], gains[band]), 3));
            }
        }
    }
    return c;
}

TEST(TeskaFrame, DecodesAsTheOperatorSequenceForAnyWords) {
    uint32_t seed = 5;
    for (int trial = 0; trial < 3000; ++trial) {
        const int32_t rateId = trial % 3;
        std::array<uint16_t, 24> words{};
        for (uint16_t& word : words) {
            seed = seed * 1664525u + 1013904223u;
            word = static_cast<uint16_t>(seed >> 16);
        }
        // The loudest gain levels now and then, so that the largest products are reached.
        if (trial % 4 == 0) words[0] |= 0x3F;
        Coefficients decoded{};
        teskaDecodeFrame(decoded.data(), words.data(), rateId);
        ASSERT_EQ(decoded, referenceDecode(words.data(), rateId)) << "trial " << trial;
    }
}

TEST(TeskaFrame, RejectsRateIdsOutsideItsRange) {
    Coefficients c{};
    std::array<uint16_t, 32> words{};
    for (int32_t rateId : {3, -1, 4, 255}) {
        try {
            teskaEncodeFrame(c.data(), words.data(), rateId);
            ADD_FAILURE() << "encoded at rate " << rateId;
        } catch (const CodecError& error) {
            EXPECT_EQ(std::string(error.what()), "rate_id error for teska (0 ~ 2)\n");
        }
        EXPECT_THROW(teskaDecodeFrame(c.data(), words.data(), rateId), CodecError);
    }
}

}  // namespace
}  // namespace tesk
