#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "FinchFrameFixtures.h"
#include "finchenc/FinchCodec.h"
#include "finchenc/FrameEncoder.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/WavFixture.h"

namespace finch {
namespace {

using test::frameKeepsBudget;
using test::silentFrame;

std::vector<unsigned char> bytesOf(std::span<const std::uint16_t> words) {
    std::vector<unsigned char> bytes;
    for (const std::uint16_t w : words) {
        bytes.push_back(static_cast<unsigned char>(w & 0xFF));
        bytes.push_back(static_cast<unsigned char>(w >> 8));
    }
    return bytes;
}

std::vector<unsigned char> encodeSilence(const char* rate, int frameCount) {
    FinchCodec codec;
    initCodec(codec, rate);
    const std::array<std::int16_t, kSamplesPerFrame> zeros{};
    std::vector<unsigned char> file;
    for (int i = 0; i < frameCount; ++i) {
        const auto bytes = bytesOf(encodeFrame(codec, zeros));
        file.insert(file.end(), bytes.begin(), bytes.end());
    }
    return file;
}

TEST(NoiseGenerator, StartsFrom21845AndRunsOn) {
    NoiseGenerator noise;
    EXPECT_EQ(noise.next(), 3242);  // (21845 x 31821 + 13849) mod 65536
    // (3242 x 31821 + 13849) mod 65536 = 103,177,531 mod 65536 = 23,867 -> as s16 23867
    EXPECT_EQ(noise.next(), 23867);
}

TEST(NoiseGenerator, IsNotResetByInitCodec) {
    FinchCodec codec;
    codec.noise.next();
    initCodec(codec, "24");
    EXPECT_EQ(codec.noise.next(), 23867);
}

TEST(ScaleFactorIndex, TakesTheSmallestFactorCoveringHalfThePeak) {
    EXPECT_EQ(scaleFactorIndex(0.0), 31);
    EXPECT_EQ(scaleFactorIndex(2.0), 31);
    EXPECT_EQ(scaleFactorIndex(2.5), 30);
    EXPECT_EQ(scaleFactorIndex(3.0), 30);
    EXPECT_EQ(scaleFactorIndex(10.0), 30);
    EXPECT_EQ(scaleFactorIndex(10.5), 29);
    EXPECT_EQ(scaleFactorIndex(13004.0), 1);
    EXPECT_EQ(scaleFactorIndex(13005.0), 0);
    EXPECT_EQ(scaleFactorIndex(40000.0), 0);
}

TEST(AllocateBits, GivesBandsZeroToThreeABitAndFillsTiesFromTheTop) {
    BandValues rms{};
    const BandAllocation at24 = allocateBits(rms, 72, 5);
    const BandAllocation at20 = allocateBits(rms, 56, 4);
    for (int b = 0; b < 32; ++b) {
        const int expected24 = b < 4 ? 1 : b < 18 ? 0 : b == 18 ? 3 : 5;
        const int expected20 = b < 4 ? 1 : b < 19 ? 0 : 4;
        EXPECT_EQ(at24[b], expected24) << "band " << b;
        EXPECT_EQ(at20[b], expected20) << "band " << b;
    }
}

TEST(AllocateBits, QuartersTheEnergyOfEachBandItServes) {
    BandValues rms{};
    rms[10] = 100.0;  // 100 -> 25 -> 6.25 -> 1.5625 -> capped
    rms[20] = 30.0;   // 30 -> 7.5 -> 1.875
    const BandAllocation allocation = allocateBits(rms, 4 + 6, 4);
    // Six units: 10 (100), 20 (30), 10 (25), 20 (7.5), 10 (6.25), 20 (1.875 beats 1.5625).
    EXPECT_EQ(allocation[10], 3);
    EXPECT_EQ(allocation[20], 3);
    EXPECT_EQ(allocation[0], 1);
    EXPECT_EQ(allocation[31], 0);
}

TEST(QuantizeSample, CodesTheSignAboveTheNearestCentre) {
    EXPECT_EQ(quantizeSample(0.0, 2.0, 1), 1);  // zero counts as negative
    EXPECT_EQ(quantizeSample(5.0, 2.0, 1), 0);
    EXPECT_EQ(quantizeSample(-5.0, 2.0, 1), 1);
    // x = 0.5 lies nearer to 0.66 than to 0.33 (0.16 against 0.17).
    EXPECT_EQ(quantizeSample(50.0, 100.0, 2), 0b01);
    EXPECT_EQ(quantizeSample(-40.0, 100.0, 2), 0b10);
    // Three bits: centres 1/8, 3/8, 5/8, 7/8; x = 0.5 is halfway between 3/8 and 5/8: the lower wins.
    EXPECT_EQ(quantizeSample(64.0, 128.0, 3), 0b001);
    EXPECT_EQ(quantizeSample(-127.0, 128.0, 3), 0b111);
    // Beyond the scale the largest centre is taken.
    EXPECT_EQ(quantizeSample(1000.0, 128.0, 5), 0b01111);
    EXPECT_EQ(quantizeSample(0.0, 128.0, 5), 0b10000);
}

TEST(EncodeFrame, SilenceAt24kbpsGivesTheDerivedFrameAfterTheRateWord) {
    const auto file = encodeSilence("24", 1);
    std::vector<unsigned char> expected = {0x06, 0x00};
    const auto frame = silentFrame(6);
    expected.insert(expected.end(), frame.begin(), frame.end());
    ASSERT_EQ(file.size(), 2u + 144u);
    EXPECT_EQ(file, expected);
    const std::vector<unsigned char> head(file.begin(), file.begin() + 16);
    EXPECT_EQ(head, (std::vector<unsigned char>{0x06, 0x00, 0x90, 0x24, 0x00, 0x00, 0x00, 0x00, 0xDB, 0x01, 0xB6, 0x6D,
                                                0x6D, 0xDB, 0xFF, 0xFF}));
}

TEST(EncodeFrame, SilenceAt16kbpsStartsWithTheDerivedWords) {
    const auto file = encodeSilence("16", 1);
    ASSERT_EQ(file.size(), 2u + 96u);
    const std::vector<std::uint16_t> expected = {0x2490, 0x0000, 0x0000, 0x0000, 0x0492, 0x4924, 0xFFFF, 0xFFFF};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(testsupport::le16At(file, 2 + 2 * i), expected[i]) << "word " << i;
    }
    std::vector<unsigned char> frame(file.begin() + 2, file.end());
    EXPECT_EQ(frame, silentFrame(2));
}

TEST(EncodeFrame, OnlyTheFirstFrameCarriesTheRateWord) {
    const auto file = encodeSilence("20", 3);
    ASSERT_EQ(file.size(), 2u + 3 * 120u);
    EXPECT_EQ(testsupport::le16At(file, 0), 4);
    const auto frame = silentFrame(4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(std::equal(frame.begin(), frame.end(), file.begin() + 2 + 120 * i)) << "frame " << i;
    }
}

class EncodedSpeech : public ::testing::TestWithParam<const char*> {};

TEST_P(EncodedSpeech, EveryFrameKeepsItsBudget) {
    const auto wave = testsupport::readFileBytes(TRACKMILL_TEST_DATA "/speech8k.wav");
    auto samples = testsupport::samplesAfterHeader(wave);
    ASSERT_GT(samples.size(), 8000u);
    samples.resize((samples.size() + kSamplesPerFrame - 1) / kSamplesPerFrame * kSamplesPerFrame);
    FinchCodec codec;
    initCodec(codec, GetParam());
    std::vector<unsigned char> file;
    for (std::size_t at = 0; at < samples.size(); at += kSamplesPerFrame) {
        const auto bytes = bytesOf(
            encodeFrame(codec, std::span<const std::int16_t, kSamplesPerFrame>(samples.data() + at, kSamplesPerFrame)));
        file.insert(file.end(), bytes.begin(), bytes.end());
    }
    const int rateCode = testsupport::le16At(file, 0);
    const std::size_t frameBytes = rateCode == 2 ? 96 : rateCode == 4 ? 120 : 144;
    ASSERT_EQ(file.size(), 2 + samples.size() / kSamplesPerFrame * frameBytes);
    for (std::size_t start = 2; start < file.size(); start += frameBytes) {
        ASSERT_TRUE(frameKeepsBudget(file, start, rateCode)) << "frame at byte " << start;
    }
}

INSTANTIATE_TEST_SUITE_P(AllRates, EncodedSpeech, ::testing::Values("16", "20", "24"));

}  // namespace
}  // namespace finch
