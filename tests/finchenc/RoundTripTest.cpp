#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/Snr.h"
#include "tests/support/WavFixture.h"

namespace finch {
namespace {

// The analysis and synthesis filter banks together delay the sound by 512 - 31 = 481 samples; the
// decode pass drops one 384-sample frame of that, so output sample i + 97 answers input sample i.
constexpr std::size_t kOutputLag = 481 - 384;

double roundTripSnr(const std::string& rate) {
    testsupport::ScratchFolder dir;
    const std::string input = TRACKMILL_TEST_DATA "/speech8k.wav";
    const testsupport::ProgramRun run =
        test::runFinchencProgram({rate, input, dir.file("speech.fnc"), dir.file("speech.wav")});
    EXPECT_EQ(run.exitStatus, 0);
    const auto original = testsupport::samplesAfterHeader(testsupport::readFileBytes(input));
    const auto decoded = testsupport::samplesAfterHeader(testsupport::readFileBytes(dir.file("speech.wav")));
    EXPECT_EQ(decoded.size(), (original.size() + 383) / 384 * 384);
    const double snr = testsupport::snrDb(original, decoded, 0, original.size(), kOutputLag);
    ::testing::Test::RecordProperty("snr_" + rate, std::to_string(snr));
    std::printf("round-trip SNR at %s kbit/s: %.2f dB\n", rate.c_str(), snr);
    return snr;
}

TEST(RoundTrip, SpeechQualityRisesWithTheRate) {
    const double snr16 = roundTripSnr("16");
    const double snr20 = roundTripSnr("20");
    const double snr24 = roundTripSnr("24");
    EXPECT_GT(snr16, 9.5);
    EXPECT_GT(snr20, 13.0);
    EXPECT_GT(snr24, 16.0);
    EXPECT_GT(snr24, snr20);
    EXPECT_GT(snr20, snr16);
}

}  // namespace
}  // namespace finch
