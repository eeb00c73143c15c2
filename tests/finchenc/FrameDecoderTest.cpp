#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "FieldBits.h"
#include "FinchFrameFixtures.h"
#include "finchenc/DecoderArithmetic.h"
#include "finchenc/FilterBankTables.h"
#include "finchenc/FinchCodec.h"
#include "finchenc/FrameDecoder.h"
#include "finchenc/SubbandSynthesis.h"
#include "tests/support/LittleEndian.h"

namespace finch {
namespace {

using Samples = std::array<std::int16_t, kSamplesPerFrame>;

std::vector<std::uint16_t> wordsOf(const std::vector<unsigned char>& bytes) {
    std::vector<std::uint16_t> words;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        words.push_back(testsupport::le16At(bytes, i));
    }
    return words;
}

// A 24 kbit/s frame with bands 0-3 at one bit, every scale factor index 0 and every code 0 (positive).
std::vector<std::uint16_t> loudFrame(int firstAllocation = 1) {
    test::FieldWriter writer;
    for (int b = 0; b < 32; ++b) {
        writer.write(b == 0 ? firstAllocation : b < 4 ? 1 : 0, 3);
    }
    for (int b = 0; b < 32; ++b) {
        writer.write(1, 1);
    }
    for (int b = 0; b < 32; ++b) {
        writer.write(0, 5);
    }
    while (writer.bitCount() < 1152) {
        writer.write(0, 1);
    }
    return wordsOf(writer.bytes());
}

TEST(DecoderArithmetic, MulQ16TakesTheFirstOperandUnsigned) {
    EXPECT_EQ(mulQ16(22936, 8192), 2867);  // 22936 x 8192 / 65536 = 2867
    EXPECT_EQ(mulQ16(-1, 16384), 16383);   // 65535 x 16384 >> 16
    EXPECT_EQ(mulQ16(32768, -3), -2);      // -98304 >> 16 rounds toward minus infinity
    EXPECT_EQ(mulShort(-32768, -32768), 1073741824);
}

TEST(DequantizeSample, ScalesTheLevelAndAppliesTheSign) {
    FinchCodec codec;
    // n = 1: 2 x (22936 x 8192 >> 16) = 5734.
    EXPECT_EQ(dequantizeSample(codec, 0, 0, 1), 5734);
    EXPECT_EQ(dequantizeSample(codec, 1, 0, 1), -5734);
    // n = 2, level 43252 at scale 1024 (index 9): 2 x (43252 x 1024 >> 16) = 2 x 675 = 1350.
    EXPECT_EQ(dequantizeSample(codec, 0b01, 9, 2), 1350);
    // n = 5, level index 15 (63488), sign set, scale 8192: -2 x 7936.
    EXPECT_EQ(dequantizeSample(codec, 0b11111, 0, 5), -15872);
    EXPECT_EQ(codec.noise.state, 21845) << "coded bands draw no noise";
}

TEST(DequantizeSample, FillsBandsWithoutBitsWithScaledNoise) {
    FinchCodec codec;
    // e = 22936 x 8192 >> 16 = 2867; the first noise value 3242 gives 2 x (2867 x 3242 >> 16) = 2 x 141.
    EXPECT_EQ(dequantizeSample(codec, 0, 0, 0), 282);
    EXPECT_NE(codec.noise.state, 21845);
}

TEST(DecodeFrame, SilenceDecodesToExactZeros) {
    const auto words = wordsOf(test::silentFrame(6));
    FinchCodec codec;
    initCodec(codec, "24");
    for (int i = 0; i < 3; ++i) {
        Samples out;
        out.fill(77);
        ASSERT_EQ(decodeFrame(codec, words, 1152, out), FrameDecodeResult::Decoded);
        for (const std::int16_t s : out) {
            ASSERT_EQ(s, 0);
        }
    }
}

TEST(DecodeFrame, RejectsAllocationsSixAndSevenAndLeavesTheStateAlone) {
    for (const int allocation : {6, 7}) {
        FinchCodec codec;
        initCodec(codec, "24");
        Samples out;
        out.fill(77);
        EXPECT_EQ(decodeFrame(codec, loudFrame(allocation), 1152, out), FrameDecodeResult::InvalidAllocation);
        EXPECT_EQ(out[0], 77);
        EXPECT_EQ(codec.noise.state, 21845);
    }
}

TEST(DecodeFrame, RejectsAFrameAskingForMoreBitsThanItHolds) {
    // Every band at 5 bits and none shared: 288 + 160 + 12 x 160 bits, far beyond 768.
    test::FieldWriter writer;
    for (int b = 0; b < 32; ++b) {
        writer.write(5, 3);
    }
    while (writer.bitCount() < 768) {
        writer.write(0, 1);
    }
    FinchCodec codec;
    initCodec(codec, "16");
    Samples out;
    EXPECT_EQ(decodeFrame(codec, wordsOf(writer.bytes()), 768, out), FrameDecodeResult::OverBudget);
}

TEST(DecodeFrame, TheSameFrameTwiceGivesDifferentSamplesButTwoDecodersAgree) {
    const auto frame = loudFrame();
    FinchCodec first;
    FinchCodec second;
    initCodec(first, "24");
    initCodec(second, "24");
    Samples a1, a2, b1, b2;
    ASSERT_EQ(decodeFrame(first, frame, 1152, a1), FrameDecodeResult::Decoded);
    ASSERT_EQ(decodeFrame(first, frame, 1152, a2), FrameDecodeResult::Decoded);
    ASSERT_EQ(decodeFrame(second, frame, 1152, b1), FrameDecodeResult::Decoded);
    ASSERT_EQ(decodeFrame(second, frame, 1152, b2), FrameDecodeResult::Decoded);
    EXPECT_NE(a1, a2);
    EXPECT_EQ(a1, b1);
    EXPECT_EQ(a2, b2);
}

TEST(SynthesizeFrame, ClipsLoudOutputTo32764) {
    FinchCodec codec;
    initCodec(codec, "24");
    // Every band at full scale, the sign flipping from block to block: far louder than 16 bits hold.
    SubbandValues values{};
    for (int t = 0; t < kBlocksPerFrame; ++t) {
        values[t].fill(t % 2 == 0 ? 15872 : -15872);
    }
    Samples out;
    synthesizeFrame(codec, values, out);
    synthesizeFrame(codec, values, out);
    int clipped = 0;
    for (const std::int16_t s : out) {
        ASSERT_GE(s, -32764);
        ASSERT_LE(s, 32764);
        ASSERT_EQ(s % 4, 0);
        clipped += s == 32764 || s == -32764;
    }
    EXPECT_GT(clipped, 0);
}

TEST(SynthesizeFrame, SaturatesMatrixSumsThatOverflow32Bits) {
    // Every band at +15872: row 0 of the matrix is all 32767, so U[0] = 32 x 15872 x 32767 >> 15,
    // about 507888, which saturates to 32767 (32-bit sums would have wrapped to a negative value).
    // U[0] alone feeds the middle output through the 8 extra places; once they are full, that output is
    // (32767 x sum of W_16) >> 15, clipped and scaled by 4.
    FinchCodec codec;
    initCodec(codec, "24");
    SubbandValues values{};
    for (auto& block : values) {
        block.fill(15872);
    }
    Samples out;
    synthesizeFrame(codec, values, out);
    synthesizeFrame(codec, values, out);
    std::int64_t windowSum = 0;
    for (int k = 0; k < 8; ++k) {
        windowSum += filterBankTables().synthesisWindow[16][k];
    }
    const std::int64_t middle = std::clamp<std::int64_t>((32767 * windowSum) >> 15, -8191, 8191) * 4;
    EXPECT_EQ(out[32 * 11 + 16], middle);
}

}  // namespace
}  // namespace finch
