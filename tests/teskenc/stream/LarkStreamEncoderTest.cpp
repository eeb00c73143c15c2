#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "teskenc/codec/CodecError.h"
#include "teskenc/stream/StreamDecoder.h"
#include "teskenc/stream/StreamEncoder.h"
#include "teskenc/stream/TeskError.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"
#include "tests/teskenc/stream/StreamCoding.h"
#include "tests/teskenc/stream/TestFiles.h"

using namespace testsupport;

namespace tesk {
namespace {

using test::decodeStream;
using test::encodeSamples;
using test::FrameItem;
using test::ParsedStream;
using test::parseStream;
using test::readWords;
using test::toneSignal;
using test::writeWords;

// Control words of the items that carry one, by item index (0-based).
std::vector<std::pair<size_t, uint16_t>> controls(const ParsedStream& stream) {
    std::vector<std::pair<size_t, uint16_t>> found;
    for (size_t i = 0; i < stream.items.size(); ++i) {
        if (stream.items[i].control) found.emplace_back(i, *stream.items[i].control);
    }
    return found;
}

using Controls = std::vector<std::pair<size_t, uint16_t>>;

TEST(LarkStreamEncoderTest, ThreeHundredSamplesAtRateOne) {
    ScratchFolder dir;
    const std::vector<uint16_t> words = encodeSamples(dir.file(""), toneSignal(300), 1);
    ASSERT_EQ(words.size(), 71u);
    EXPECT_EQ(words[0], 0x0001);
    // header, start-up frame, two 16-word frames, then the end pair before the third
    EXPECT_EQ(words[1 + 20 + 16 + 16], 0xFFFF);
    EXPECT_EQ(words[1 + 20 + 16 + 16 + 1], 0x012C);
}

TEST(LarkStreamEncoderTest, ProgressCounts) {
    ScratchFolder dir;
    writeWav(dir.file("in.wav"), toneSignal(300));
    StreamEncoder encoder(
        1, StreamEncoderFiles{dir.file("out.lrk"), dir.file("in.wav"), std::nullopt, std::nullopt, std::nullopt});
    EXPECT_EQ(encoder.totalCount(), 300);
    encoder.run();
    EXPECT_EQ(encoder.doneCount(), 256);  // input position of the last frame item
    StreamDecoder decoder(dir.file("out.lrk"), dir.file("out.wav"));
    EXPECT_EQ(decoder.totalCount(), 71);
    decoder.run();
    EXPECT_EQ(decoder.doneCount(), 71 - 1 - 20);  // header and first frame are not counted
}

TEST(LarkStreamEncoderTest, HeaderWordAndFirstFrameLength) {
    ScratchFolder dir;
    const ParsedStream rate2 = parseStream(encodeSamples(dir.file(""), toneSignal(500), 2));
    EXPECT_EQ(rate2.header, 0x0002);
    EXPECT_EQ(rate2.firstFrame.size(), 20u);
    const ParsedStream rate5 = parseStream(encodeSamples(dir.file(""), toneSignal(500), 5));
    EXPECT_EQ(rate5.header, 0x8005);
    EXPECT_EQ(rate5.firstFrame.size(), 12u);
    for (int rate : {0, 1, 4, 6, 7, 8, 9}) {
        const ParsedStream stream = parseStream(encodeSamples(dir.file(""), toneSignal(500), rate));
        EXPECT_EQ(stream.header, rate < 4 ? rate : (rate | 0x8000)) << rate;
        EXPECT_EQ(stream.items.size(), 4u) << rate;
    }
}

TEST(LarkStreamEncoderTest, EndPairCountsTheLastFrameSamples) {
    ScratchFolder dir;
    const struct {
        int samples;
        size_t items;
        uint16_t endWord;
    } cases[] = {{384, 3, 0x0180}, {200, 2, 0x0148}, {50, 1, 0x0132}, {1, 1, 0x0101}, {0, 1, 0x0100}};
    for (const auto& c : cases) {
        const ParsedStream stream = parseStream(encodeSamples(dir.file(""), toneSignal(c.samples), 4));
        ASSERT_EQ(stream.items.size(), c.items) << c.samples;
        EXPECT_EQ(controls(stream), (Controls{{c.items - 1, c.endWord}})) << c.samples;
    }
}

TEST(LarkStreamEncoderTest, RateChangeAndEventPairs) {
    ScratchFolder dir;
    const ParsedStream changed = parseStream(encodeSamples(dir.file(""), toneSignal(1200), 1, "1000 4 3\n"));
    // position 896 is frame item 8 (index 7): event 3 << 9 | rate 4
    EXPECT_EQ(controls(changed), (Controls{{7, 0x0604}, {9, 0x0100 + 1200 - 1152}}));
    for (size_t i = 0; i < changed.items.size(); ++i) EXPECT_EQ(changed.items[i].rateId, i < 7 ? 1 : 4) << i;

    const ParsedStream marked = parseStream(encodeSamples(dir.file(""), toneSignal(300), 1, "0 256 5\n"));
    EXPECT_EQ(controls(marked), (Controls{{0, 0x0B00}, {2, 0x012C}}));
    for (const FrameItem& item : marked.items) EXPECT_EQ(item.rateId, 1);

    const ParsedStream fromZero = parseStream(encodeSamples(dir.file(""), toneSignal(600), 0, "128 5 0\n"));
    EXPECT_EQ(fromZero.header, 0x0000);
    EXPECT_EQ(fromZero.firstFrame.size(), 20u);
    EXPECT_EQ(fromZero.items[0].words.size(), 24u);
    EXPECT_EQ(controls(fromZero), (Controls{{1, 0x0005}, {4, 0x0100 + 600 - 512}}));
    for (size_t i = 1; i < fromZero.items.size(); ++i) EXPECT_EQ(fromZero.items[i].words.size(), 12u);
}

TEST(LarkStreamEncoderTest, EventOnTheLastFrameJoinsTheEndPair) {
    ScratchFolder dir;
    const ParsedStream stream = parseStream(encodeSamples(dir.file(""), toneSignal(300), 1, "256 4 7\n"));
    // 256 + 44 samples + event 7; the rate change is dropped
    EXPECT_EQ(controls(stream), (Controls{{2, 0x0100 + 44 + (7 << 9)}}));
    EXPECT_EQ(stream.items.back().rateId, 1);
}

TEST(LarkStreamEncoderTest, LateEventLinesApplyAtTheNextFrame) {
    ScratchFolder dir;
    // Two lines in one frame, then a line behind the current frame: each waits for the next free frame.
    const ParsedStream stream =
        parseStream(encodeSamples(dir.file(""), toneSignal(1000), 4, "128 5 1\n200 6 2\n0 7 3\n640 8 4\n"));
    EXPECT_EQ(
        controls(stream),
        (Controls{
            {1, (1 << 9) | 5}, {2, (2 << 9) | 6}, {3, (3 << 9) | 7}, {5, (4 << 9) | 8}, {7, 0x0100 + 1000 - 896}}));
}

TEST(LarkStreamEncoderTest, BadEventLineStopsAndLeavesNoStream) {
    ScratchFolder dir;
    const std::string output = dir.file("output.lrk");
    for (const char* events : {"0 4 0\n384 256 127\n", "0 4 0\n384 3 1\n", "0 4 0\n384 11 0\n"}) {
        EXPECT_ANY_THROW(encodeSamples(dir.file(""), toneSignal(1000), 4, std::string(events))) << events;
        EXPECT_FALSE(std::filesystem::exists(output)) << events;
    }
}

TEST(LarkStreamEncoderTest, StartRateIsCheckedAfterTheFilesOpen) {
    ScratchFolder dir;
    writeWav(dir.file("in.wav"), toneSignal(100));
    const auto errorFor = [&](std::optional<int32_t> rate, const std::string& input) -> std::string {
        try {
            StreamEncoder encoder(
                rate, StreamEncoderFiles{dir.file("out.lrk"), input, std::nullopt, std::nullopt, std::nullopt});
        } catch (const TeskError& e) {
            return e.what();
        } catch (const CodecError& e) {
            return e.what();
        }
        return "";
    };
    EXPECT_EQ(errorFor(3, dir.file("in.wav")), "rate_id error for teska (0 ~ 2)\n");
    EXPECT_EQ(errorFor(-1, dir.file("in.wav")), "rate_id error for teska (0 ~ 2)\n");
    EXPECT_EQ(errorFor(10, dir.file("in.wav")), "change teskb data rate error\n");
    EXPECT_EQ(errorFor(255, dir.file("in.wav")), "change teskb data rate error\n");
    EXPECT_EQ(errorFor(std::nullopt, dir.file("in.wav")), "start_up_data_rate is missing or not a number\n");
    EXPECT_EQ(errorFor(3, dir.file("missing.wav")), "open input wav file [" + dir.file("missing.wav") + "] error\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.lrk")));
    EXPECT_EQ(errorFor(9, dir.file("in.wav")), "");
}

TEST(LarkStreamEncoderTest, HistoryAndContinuationFiles) {
    ScratchFolder dir;
    const std::vector<int16_t> signal = toneSignal(700);
    writeWav(dir.file("in.wav"), std::vector<int16_t>(signal.begin() + 128, signal.begin() + 400));
    // The previous file's last 256 bytes are history whatever its header; the next file continues the input.
    writeWav(dir.file("prev.wav"), std::vector<int16_t>(signal.begin(), signal.begin() + 128));
    writeWav(dir.file("next.wav"), std::vector<int16_t>(signal.begin() + 400, signal.end()));
    writeWav(dir.file("whole.wav"), signal);
    const auto encode = [&](const std::string& input, std::optional<std::string> previous,
                            std::optional<std::string> next) {
        const std::string output = dir.file("out.lrk");
        StreamEncoder encoder(1, StreamEncoderFiles{output, input, std::nullopt, previous, next});
        encoder.run();
        return parseStream(readWords(output));
    };
    const ParsedStream joined = encode(dir.file("in.wav"), dir.file("prev.wav"), dir.file("next.wav"));
    const ParsedStream whole = encode(dir.file("whole.wav"), std::nullopt, std::nullopt);
    // The joined run's frame items code the same windows as the whole run's items 1..3.
    EXPECT_EQ(joined.firstFrame.size(), 20u);
    ASSERT_EQ(joined.items.size(), 3u);
    EXPECT_EQ(joined.items[0].words, whole.items[1].words);
    EXPECT_EQ(joined.items[1].words, whole.items[2].words);
    EXPECT_EQ(joined.items[2].words, whole.items[3].words);

    const ParsedStream alone = encode(dir.file("in.wav"), std::nullopt, std::nullopt);
    EXPECT_NE(alone.items[1].words, joined.items[1].words);
}

TEST(LarkStreamEncoderTest, ShortPreviousFileGivesZerosInFront) {
    ScratchFolder dir;
    const std::vector<int16_t> signal = toneSignal(600);
    writeWav(dir.file("in.wav"), std::vector<int16_t>(signal.begin() + 128, signal.end()));
    std::vector<uint16_t> tail;  // 28 samples, 56 bytes
    for (int i = 100; i < 128; ++i) tail.push_back(static_cast<uint16_t>(signal[i]));
    std::vector<int16_t> padded(128, 0);
    std::copy(signal.begin() + 100, signal.begin() + 128, padded.begin() + 100);
    padded.insert(padded.end(), signal.begin() + 128, signal.end());
    writeWords(dir.file("prev.raw"), tail);
    writeWav(dir.file("padded.wav"), padded);
    const auto encode = [&](const std::string& input, std::optional<std::string> previous) {
        const std::string output = dir.file("out.lrk");
        StreamEncoder encoder(5, StreamEncoderFiles{output, input, std::nullopt, previous, std::nullopt});
        encoder.run();
        return parseStream(readWords(output));
    };
    const ParsedStream shortHistory = encode(dir.file("in.wav"), dir.file("prev.raw"));
    const ParsedStream reference = encode(dir.file("padded.wav"), std::nullopt);
    EXPECT_EQ(shortHistory.firstFrame, reference.items[0].words);
}

// Loud, clipped low tones drive every low band to its largest scale, so frames start with the word 0xFFFF.
std::vector<int16_t> clippedTones(int count) {
    const double pi = 3.14159265358979323846;
    const double freq[4] = {690, 994, 122, 487};
    const double phase[4] = {4.12, 2.61, 1.04, 6.18};
    std::vector<int16_t> samples;
    for (int n = 0; n < count; ++n) {
        double v = 0;
        for (int k = 0; k < 4; ++k) v += std::sin(2 * pi * freq[k] * n / 8000 + phase[k]);
        samples.push_back(static_cast<int16_t>(std::lround(std::clamp(v * 72000, -32768.0, 32767.0))));
    }
    return samples;
}

TEST(LarkStreamEncoderTest, FrameStartingWithTheMarkerIsEscaped) {
    ScratchFolder dir;
    int escapes = 0;
    for (int rate : {0, 1, 2, 4, 5, 6, 7, 8, 9}) {
        const std::vector<uint16_t> words = encodeSamples(dir.file(""), clippedTones(1000), rate);
        const ParsedStream stream = parseStream(words);
        ASSERT_EQ(stream.items.size(), 8u) << rate;
        for (size_t i = 0; i < stream.items.size(); ++i) {
            const FrameItem& item = stream.items[i];
            if (item.words[0] != 0xFFFF) continue;
            ASSERT_TRUE(item.control.has_value()) << "rate " << rate << " item " << i;
            if (i + 1 < stream.items.size()) {
                EXPECT_EQ(*item.control, 0x0100) << "rate " << rate << " item " << i;
            }
            ++escapes;
        }
        if (rate == 9) {
            // the first item of this signal at rate 9: 0xFFFF 0x0100, then the frame
            EXPECT_EQ(words[1 + 22], 0xFFFF);
            EXPECT_EQ(words[1 + 22 + 1], 0x0100);
            EXPECT_EQ(words[1 + 22 + 2], 0xFFFF);
        }
        writeWords(dir.file("loud.lrk"), words);
        EXPECT_EQ(decodeStream(dir.file(""), dir.file("loud.lrk")).size(), 1000u) << rate;
    }
    EXPECT_GT(escapes, 0);
}

TEST(LarkStreamEncoderTest, RepeatedRunsAreByteIdentical) {
    ScratchFolder dir;
    const std::string events = "300 5 2\n900 256 9\n1500 0 0\n";
    EXPECT_EQ(encodeSamples(dir.file(""), toneSignal(3000, 3), 2, events),
              encodeSamples(dir.file(""), toneSignal(3000, 3), 2, events));
}

}  // namespace
}  // namespace tesk
