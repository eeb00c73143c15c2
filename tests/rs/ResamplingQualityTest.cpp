// What the copy sounds like: a tone keeps its pitch and comes out clean, and what the new rate cannot carry is
// filtered out instead of folding back as a false tone.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/Snr.h"
#include "tests/support/WavFixture.h"
#include "tests/support/WavReader.h"

using namespace testsupport;

namespace {

constexpr double kAmplitude = 0.5 * 32767;

std::vector<std::int16_t> sine(double frequency, int rate, double seconds) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * rate));
    for (std::size_t n = 0; n < samples.size(); ++n)
        samples[n] = static_cast<std::int16_t>(
            std::lround(kAmplitude * std::sin(2 * std::numbers::pi * frequency * static_cast<double>(n) / rate)));
    return samples;
}

// The tone through "rs -r 8000", from a 44.1 kHz mono file.
std::vector<std::int16_t> toTelephoneRate(const ScratchFolder& folder, double frequency) {
    writeWav(folder / "in.wav", sine(frequency, 44100, 2), 44100, 1);
    const ProgramRun run =
        runProgram({builtProgram("rs"), "-r", "8000", folder.file("in.wav"), folder.file("out.wav")});
    EXPECT_EQ(run.exitStatus, 0) << run.standardError;
    return readWavFile(folder / "out.wav").samples16();
}

}  // namespace

TEST(ResamplingQuality, AToneKeepsItsFrequencyAndPhaseAndComesOutClean) {
    ScratchFolder folder;
    const std::vector<std::int16_t> copy = toTelephoneRate(folder, 997);
    const std::vector<std::int16_t> ideal = sine(997, 8000, 2);
    ASSERT_EQ(copy.size(), ideal.size());
    // The filter's edges at the start and end of the sound are left out.
    const double snr = snrDb(ideal, copy, 200, ideal.size() - 200);
    EXPECT_GT(snr, 80.0);
}

TEST(ResamplingQuality, WhatTheNewRateCannotCarryIsFilteredOut) {
    ScratchFolder folder;
    // 6 kHz lies above the 4 kHz that 8000 Hz can hold; kept, it would sound as a 2 kHz tone.
    const std::vector<std::int16_t> copy = toTelephoneRate(folder, 6000);
    ASSERT_EQ(copy.size(), 16000u);
    const std::vector<std::int16_t> middle(copy.begin() + 200, copy.end() - 200);
    EXPECT_LT(rootMeanSquare(middle), kAmplitude / std::sqrt(2.0) / 1000);  // 60 dB down
}
