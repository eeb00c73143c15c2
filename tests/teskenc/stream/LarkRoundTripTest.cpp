#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/ScratchFolder.h"
#include "tests/support/Snr.h"
#include "tests/teskenc/stream/StreamCoding.h"
#include "tests/teskenc/stream/TestFiles.h"

using namespace testsupport;

namespace tesk {
namespace {

using test::decodeStream;
using test::encodeSamples;
using test::toneSignal;
using test::writeWords;

std::vector<int16_t> roundTrip(const ScratchFolder& dir, const std::vector<int16_t>& input, int rate,
                               const std::optional<std::string>& events = std::nullopt) {
    writeWords(dir.file("rt.lrk"), encodeSamples(dir.file(""), input, rate, events));
    return decodeStream(dir.file(""), dir.file("rt.lrk"));
}

TEST(LarkRoundTripTest, DecodedLengthEqualsInputLength) {
    ScratchFolder dir;
    for (int rate : {0, 1, 2, 4, 5, 6, 7, 8, 9}) {
        for (int count : {1, 127, 128, 129, 300, 1000}) {
            EXPECT_EQ(roundTrip(dir, toneSignal(count), rate).size(), static_cast<size_t>(count))
                << "rate " << rate << ", " << count << " samples";
        }
    }
}

TEST(LarkRoundTripTest, DecodedLengthWithRateChangesAndEvents) {
    ScratchFolder dir;
    const std::string events = "0 5 1\n128 0 2\n129 9 0\n300 256 4\n512 2 0\n700 6 126\n";
    for (int count : {1, 127, 128, 129, 300, 1000}) {
        EXPECT_EQ(roundTrip(dir, toneSignal(count), 1, events).size(), static_cast<size_t>(count)) << count;
        EXPECT_EQ(roundTrip(dir, toneSignal(count), 8, events).size(), static_cast<size_t>(count)) << count;
    }
}

TEST(LarkRoundTripTest, EmptyInputGivesOneFullFrame) {
    ScratchFolder dir;
    EXPECT_EQ(roundTrip(dir, {}, 1).size(), 128u);
}

// The first frame primes the decoder: a tone that starts at sample 0 is right from its first sample on.
TEST(LarkRoundTripTest, ToneFromSampleZeroIsRightInItsFirstFrame) {
    ScratchFolder dir;
    const std::vector<int16_t> input = toneSignal(1024, 2);
    for (int rate : {0, 1, 2, 4, 5, 6, 7, 8, 9}) {
        const std::vector<int16_t> output = roundTrip(dir, input, rate);
        ASSERT_EQ(output.size(), input.size());
        const double head = snrDb(input, output, 0, 128);
        const double rest = snrDb(input, output, 128, input.size());
        // a first frame decoded at half scale would measure about 6 dB
        EXPECT_GT(head, 10.0) << "rate " << rate;
        EXPECT_GT(head, rest - 3.0) << "rate " << rate;
    }
}

// Samples from 128 on follow the input closely at every rate change: the overlap carries across codecs.
TEST(LarkRoundTripTest, RateChangesKeepTheSignal) {
    ScratchFolder dir;
    const std::vector<int16_t> input = toneSignal(4000, 1);
    const std::vector<int16_t> output = roundTrip(dir, input, 0, "640 4 0\n1280 9 0\n1920 1 0\n2560 6 0\n");
    ASSERT_EQ(output.size(), input.size());
    EXPECT_GT(snrDb(input, output, 0, input.size()), 6.0);
}

}  // namespace
}  // namespace tesk
