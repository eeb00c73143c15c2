#include "RunProgram.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/Snr.h"
#include "tests/support/WavReader.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace testsupport;

namespace {

const std::filesystem::path speech = std::filesystem::path(TRACKMILL_TEST_DATA) / "speech8k.wav";

}  // namespace

TEST(Mp3Encoder, EncodesAndDecodesThroughTheProcessLayer) {
    ScratchFolder folder;
    const auto mp3 = folder / "speech 中文.mp3";
    const auto decoded = folder / "speech 中文.wav";

    // The words of the application's default encode and of its decode, the program named as it names it.
    const ProgramResult encode = runProgram({"lame.exe", "-b", "128", "-m", "j", speech.string(), mp3.string()});
    ASSERT_EQ(encode.exitCode, 0) << encode.err;
    // Progress goes to stderr, with the percent sign the job's parser looks for.
    EXPECT_NE(encode.err.find("%)|"), std::string::npos) << encode.err;
    const std::string mp3Bytes = readFileText(mp3);
    ASSERT_GT(mp3Bytes.size(), 1000u);
    EXPECT_EQ(static_cast<std::uint8_t>(mp3Bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<std::uint8_t>(mp3Bytes[1]) & 0xE0, 0xE0);

    const ProgramResult decode = runProgram({"lame.exe", "--decode", mp3.string(), decoded.string()});
    ASSERT_EQ(decode.exitCode, 0) << decode.err;
    EXPECT_NE(decode.err.find("Frame#"), std::string::npos) << decode.err;

    const WavFile original = readWavFile(speech);
    const WavFile result = readWavFile(decoded);
    EXPECT_EQ(result.sampleRate, 8000u);
    EXPECT_EQ(result.channels, 1u);
    EXPECT_EQ(result.bitsPerSample, 16u);
    const std::vector<std::int16_t> before = original.samples16();
    const std::vector<std::int16_t> after = result.samples16();
    // The decoder may add up to a frame's padding (576 samples at this rate) at either end.
    EXPECT_NEAR(static_cast<double>(after.size()), static_cast<double>(before.size()), 2 * 576.0);
    EXPECT_NEAR(20 * std::log10(rootMeanSquare(after) / rootMeanSquare(before)), 0.0, 1.0);
}
