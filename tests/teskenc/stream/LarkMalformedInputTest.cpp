#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "teskenc/codec/CodecError.h"
#include "teskenc/stream/TeskError.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"
#include "tests/teskenc/stream/StreamCoding.h"
#include "tests/teskenc/stream/TestFiles.h"

using namespace testsupport;

namespace tesk {
namespace {

using test::decodeStream;
using test::encodeSamples;
using test::runTeskencProgram;
using test::toneSignal;
using test::writeWords;

// Garbage streams decode to something or stop with a message; they never crash or hang.
TEST(LarkMalformedInputTest, RandomStreamsDecodeOrStopCleanly) {
    ScratchFolder dir;
    std::mt19937 random(1234);
    const std::vector<uint16_t> valid = encodeSamples(dir.file(""), toneSignal(2000), 0, "300 6 1\n900 256 2\n");
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<uint16_t> words;
        if (trial % 2 == 0) {
            words.resize(random() % 200);
            for (uint16_t& w : words) w = static_cast<uint16_t>(random());
            // mostly valid header words, so the frames behind them are reached
            if (!words.empty() && trial % 4 == 0)
                words[0] = static_cast<uint16_t>(random() % 10 | (random() % 2) << 15);
        } else {
            words = valid;
            for (int flips = 0; flips < 8; ++flips) words[random() % words.size()] = static_cast<uint16_t>(random());
            words.resize(random() % (words.size() + 1));
        }
        writeWords(dir.file("bad.lrk"), words);
        try {
            const std::vector<int16_t> samples = decodeStream(dir.file(""), dir.file("bad.lrk"));
            EXPECT_LE(samples.size(), words.size() * 128) << trial;
        } catch (const TeskError& e) {
            EXPECT_FALSE(std::string(e.what()).empty());
        } catch (const CodecError& e) {
            EXPECT_FALSE(std::string(e.what()).empty());
        }
    }
}

// Control and event files of random bytes through the program: a message and status 1, or a clean run.
TEST(LarkMalformedInputTest, RandomControlAndEventFiles) {
    ScratchFolder dir;
    writeWav(dir.file("in.wav"), toneSignal(700));
    std::mt19937 random(99);
    const std::string alphabet = "[]=/%0123456789 \t\r\nabcdeTESKinput_wavfile.none-";
    for (int trial = 0; trial < 40; ++trial) {
        std::string noise;
        const size_t length = random() % 400;
        for (size_t i = 0; i < length; ++i) noise.push_back(alphabet[random() % alphabet.size()]);
        const bool events = trial % 2 == 0;
        writeFileText(dir.file("events.txt"), events ? noise : "0 5 1\n");
        writeFileText(dir.file("rc.txt"), events ? "[TESK]\ninput_wavfile=in.wav\nencode_file=o.lrk\n"
                                                   "rate_event_file=events.txt\nprevious_wavefile=none\n"
                                                   "next_wavefile=none\nstart_up_data_rate=1\ndecode_file=o.wav\n"
                                                 : noise);
        const ProgramRun result = runTeskencProgram({"rc.txt", "1"}, dir);
        ASSERT_TRUE(result.exitStatus == 0 || result.exitStatus == 1) << trial;
        EXPECT_EQ(result.standardOutput, "") << trial;
        EXPECT_EQ(result.exitStatus == 0, result.standardError.empty()) << trial << ": " << result.standardError;
    }
}

// A truncated or damaged WAVE input stops with the input message.
TEST(LarkMalformedInputTest, DamagedWaveInput) {
    ScratchFolder dir;
    writeFileText(dir.file("in.wav"), std::string("RIFF\x10\0\0\0WAVEjunk", 16));
    writeFileText(dir.file("rc.txt"),
                  "[TESK]\ninput_wavfile=in.wav\nencode_file=o.lrk\nrate_event_file=none\nprevious_wavefile=none\n"
                  "next_wavefile=none\nstart_up_data_rate=1\ndecode_file=o.wav\n");
    const ProgramRun result = runTeskencProgram({"rc.txt"}, dir);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.standardError, "open input wav file [in.wav] error\n");
}

}  // namespace
}  // namespace tesk
