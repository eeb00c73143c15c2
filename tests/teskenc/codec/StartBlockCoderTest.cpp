#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "teskenc/codec/StartBlockCoder.h"

namespace tesk {
namespace {

StartBlockState stateOf(int32_t last, int32_t beforeLast = 2048) { return {last, beforeLast}; }

TEST(StartBlockPredict, BasesOfTheEightModes) {
    const StartBlockCoder coder;
    // Row 0, index 0 adds a step of 0, so the code is the mode's base masked to 12 bits.
    const StartBlockState state = stateOf(3000, 1000);
    EXPECT_EQ(coder.predict(0, state, 0, 0), 3000);
    EXPECT_EQ(coder.predict(0, state, 0, 1), 1096);  // -3000 & 4095
    EXPECT_EQ(coder.predict(0, state, 0, 2), 1000);
    EXPECT_EQ(coder.predict(0, state, 0, 3), 2286);  // (952 >> 2) + 2048
    EXPECT_EQ(coder.predict(0, state, 0, 4), 2524);  // 3000 - 476
    EXPECT_EQ(coder.predict(0, state, 0, 5), 1572);  // (476 - 3000) & 4095
    EXPECT_EQ(coder.predict(0, state, 0, 6), 2762);  // 3000 - 238
    EXPECT_EQ(coder.predict(0, state, 0, 7), 2881);  // 3000 - 119
    // Below mid-scale the shifts round toward minus infinity: (1000 - 2048) >> 2 = -262.
    EXPECT_EQ(coder.predict(0, stateOf(1000), 0, 3), 1786);
    EXPECT_EQ(coder.predict(0, stateOf(2048), 0, 1), 2048);
}

TEST(StartBlockPredict, EvenIndicesAddAndOddIndicesSubtractTheRowStep) {
    const StartBlockCoder coder;
    const StartBlockState mid = stateOf(2048);
    EXPECT_EQ(coder.predict(0, mid, 0, 0), 2048);
    EXPECT_EQ(coder.predict(3, mid, 0, 0), 2044);
    EXPECT_EQ(coder.predict(2, mid, 0, 0), 2052);
    EXPECT_EQ(coder.predict(15, mid, 15, 0), 2048 - 1872);
    EXPECT_EQ(coder.predict(9, mid, 20, 0), 2048 - 12);
    // Codes wrap modulo 4096 at both ends.
    EXPECT_EQ(coder.predict(14, stateOf(4090), 0, 0), 22);
    EXPECT_EQ(coder.predict(15, stateOf(10), 0, 0), 4078);
}

TEST(StartBlockDecode, SamplesAreCentredCodesTimesSixteenAndTheStateAdvances) {
    const StartBlockCoder coder;
    StartBlockState state;
    const StartBlock block{0, 0, {2, 2, 3, 0, 0, 0, 0, 0}};
    std::array<int16_t, 8> samples{};
    coder.decodeBlock(samples.data(), block, state, 4);
    // Codes 2052, 2056, 2052, 2052.
    EXPECT_EQ(samples[0], 64);
    EXPECT_EQ(samples[1], 128);
    EXPECT_EQ(samples[2], 64);
    EXPECT_EQ(samples[3], 64);
    EXPECT_EQ(samples[4], 0);  // beyond n: untouched
    EXPECT_EQ(state.last, 2052);
    EXPECT_EQ(state.beforeLast, 2052);

    // Mode 2 repeats the value before the last one.
    StartBlockState alternating = stateOf(2100, 2000);
    coder.decodeBlock(samples.data(), StartBlock{2, 0, {}}, alternating, 3);
    EXPECT_EQ(samples[0], (2000 - 2048) * 16);
    EXPECT_EQ(samples[1], (2100 - 2048) * 16);
    EXPECT_EQ(samples[2], (2000 - 2048) * 16);
}

TEST(StartBlockSearch, SilenceIsCodedByTheFirstModeAndRow) {
    const StartBlockCoder coder;
    const std::array<int16_t, 8> silence{};
    StartBlock block{7, 31, {}};
    EXPECT_EQ(coder.search(silence.data(), block, StartBlockState{}, 8), 0.0);
    EXPECT_EQ(block.mode, 0);
    EXPECT_EQ(block.row, 0);
    EXPECT_EQ(block.index, (std::array<uint8_t, 8>{}));
}

TEST(StartBlockSearch, ErrorIsTheFourthPowerOfTheNearestLevel) {
    const StartBlockCoder coder;
    // -40 lies between codes 2046 (-32) and 2045 (-48); only a step of 2 reaches 2046, first in row 20 of mode 0.
    const std::array<int16_t, 1> value{-40};
    StartBlock block;
    EXPECT_EQ(coder.search(value.data(), block, StartBlockState{}, 1), 8.0 * 8 * 8 * 8);
    EXPECT_EQ(block.mode, 0);
    EXPECT_EQ(block.row, 20);
    EXPECT_EQ(block.index[0], 3);
}

TEST(StartBlockSearch, FindsAnExactCodingAndLeavesTheStateAlone) {
    const StartBlockCoder coder;
    // Values made by a known block are reproduced exactly, whichever block the search settles on.
    const StartBlock made{5, 13, {0, 7, 12, 3, 15, 8, 1, 6}};
    const StartBlockState start = stateOf(2500, 1800);
    StartBlockState advanced = start;
    std::array<int16_t, 8> values{};
    coder.decodeBlock(values.data(), made, advanced, 8);

    StartBlock found;
    EXPECT_EQ(coder.search(values.data(), found, start, 8), 0.0);
    StartBlockState replay = start;
    std::array<int16_t, 8> decoded{};
    coder.decodeBlock(decoded.data(), found, replay, 8);
    EXPECT_EQ(decoded, values);
    EXPECT_LE(found.mode * 32 + found.row, made.mode * 32 + made.row);
}

// Every mode, row and index tried in turn, each value's error taken as a double fourth power, a block dropped
// as soon as its running total exceeds the best so far.
double exhaustiveSearch(const StartBlockCoder& coder, const int16_t* values, StartBlock& block,
                        const StartBlockState& state, int n) {
    double bestTotal = std::numeric_limits<double>::max();
    for (int mode = 0; mode < StartBlockCoder::kModes; ++mode) {
        for (int row = 0; row < kStartBlockRows; ++row) {
            StartBlockState trial = state;
            StartBlock candidate{static_cast<uint8_t>(mode), static_cast<uint8_t>(row), {}};
            double total = 0.0;
            bool abandoned = false;
            for (int k = 0; k < n && !abandoned; ++k) {
                double bestError = std::numeric_limits<double>::max();
                int32_t bestCode = 0;
                for (int index = 0; index < StartBlockCoder::kIndices; ++index) {
                    const int32_t code = coder.predict(index, trial, row, mode);
                    const double sample = static_cast<int16_t>((code - StartBlockCoder::kMidCode) * 16);
                    const double distance = std::abs(values[k] - sample);
                    const double error = distance * distance * distance * distance;
                    if (error < bestError) {
                        bestError = error;
                        bestCode = code;
                        candidate.index[k] = static_cast<uint8_t>(index);
                    }
                }
                trial = {bestCode, trial.last};
                total += bestError;
                abandoned = total > bestTotal;
            }
            if (!abandoned && total < bestTotal) {
                bestTotal = total;
                block = candidate;
            }
        }
    }
    return bestTotal;
}

TEST(StartBlockSearch, MatchesTheExhaustiveSearchByFourthPowers) {
    const StartBlockCoder coder;
    uint32_t seed = 11;
    auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(2 * range + 1)) - range;
    };
    // Quiet and loud values, full-scale extremes and slow ramps, from mid-scale and from arbitrary states.
    for (int range : {40, 600, 9000, 32768}) {
        for (int trial = 0; trial < 60; ++trial) {
            std::array<int16_t, 8> values{};
            const int ramp = trial % 3 == 0 ? next(range / 8 + 1) : 0;
            for (int k = 0; k < 8; ++k) {
                values[k] = static_cast<int16_t>(std::clamp(next(range) / 4 + ramp * k, -32768, 32767));
            }
            if (trial % 7 == 0) values[trial % 8] = trial % 2 ? -32768 : 32767;
            const StartBlockState state = trial % 2 ? StartBlockState{} : stateOf(2048 + next(2047), 2048 + next(2047));
            const int n = 1 + trial % 8;
            StartBlock expected{};
            StartBlock found{};
            const double expectedTotal = exhaustiveSearch(coder, values.data(), expected, state, n);
            EXPECT_EQ(coder.search(values.data(), found, state, n), expectedTotal);
            EXPECT_EQ(found.mode, expected.mode);
            EXPECT_EQ(found.row, expected.row);
            EXPECT_EQ(found.index, expected.index);
        }
    }
}

TEST(StartBlockEncode, CodesBlocksOfEightWithARunningState) {
    StartBlockCoder coder;
    // Ten values: a full block then a block of two, continuing from the state the first block left.
    std::array<int16_t, 10> values{64, 128, 192, 256, 320, 384, 448, 512, 512, 448};
    std::array<StartBlock, 2> blocks{};
    std::array<int16_t, 10> reconstruction{};
    std::array<int32_t, 10> difference{};
    EXPECT_EQ(coder.encode(values.data(), blocks.data(), reconstruction.data(), difference.data(), 10), 0.0);
    EXPECT_EQ(reconstruction, values);
    EXPECT_EQ(difference, (std::array<int32_t, 10>{}));

    StartBlockState state;
    std::array<int16_t, 10> replay{};
    const StartBlockCoder decoder;
    decoder.decodeBlock(replay.data(), blocks[0], state, 8);
    EXPECT_EQ(state.last, 2048 + 32);
    decoder.decodeBlock(replay.data() + 8, blocks[1], state, 2);
    EXPECT_EQ(replay, values);
}

TEST(StartBlockEncode, ReportsTheCodingErrorPerValue) {
    StartBlockCoder coder;
    // Full-scale positive samples lie above the top code 4095 (32752): the difference is what is lost.
    std::array<int16_t, 3> values{32767, 32767, 32767};
    std::array<StartBlock, 1> blocks{};
    std::array<int16_t, 3> reconstruction{};
    std::array<int32_t, 3> difference{};
    const double total = coder.encode(values.data(), blocks.data(), reconstruction.data(), difference.data(), 3);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(difference[k], reconstruction[k] - 32767);
    EXPECT_GE(total, 3.0 * 15 * 15 * 15 * 15);
    EXPECT_EQ(coder.encode(values.data(), blocks.data(), reconstruction.data(), difference.data(), 0), 0.0);
}

}  // namespace
}  // namespace tesk
