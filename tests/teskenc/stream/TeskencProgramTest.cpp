#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "teskenc/stream/ControlFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"
#include "tests/teskenc/stream/TestFiles.h"

using namespace testsupport;

namespace tesk {
namespace {

using test::readWords;
using test::runTeskencProgram;
using test::toneSignal;

namespace fs = std::filesystem;

// A control file for one run; keys set to nullptr are left out.
std::string controlText(std::map<std::string, std::string> overrides, const std::vector<std::string>& omitted = {}) {
    std::map<std::string, std::string> keys = {{"input_wavfile", "in.wav"},   {"encode_file", "out.lrk"},
                                               {"rate_event_file", "none"},   {"previous_wavefile", "NONE"},
                                               {"next_wavefile", "None"},     {"start_up_data_rate", "1"},
                                               {"decode_file", "decoded.wav"}};
    for (const auto& [key, value] : overrides) keys[key] = value;
    std::string text = "// teskenc settings\n[TESK]\n";
    for (const auto& [key, value] : keys) {
        if (std::find(omitted.begin(), omitted.end(), key) == omitted.end()) text += key + " = " + value + "\n";
    }
    return text;
}

class TeskencProgramTest : public ::testing::Test {
  protected:
    void SetUp() override { writeWav(dir.file("in.wav"), toneSignal(1000)); }

    ProgramRun run(const std::string& control, const std::vector<std::string>& extraArgs = {}) {
        writeFileText(dir.file("rc.txt"), control);
        std::vector<std::string> args = {"rc.txt"};
        args.insert(args.end(), extraArgs.begin(), extraArgs.end());
        return runTeskencProgram(args, dir);
    }

    void expectError(const ProgramRun& result, const std::string& message) {
        EXPECT_EQ(result.exitStatus, 1) << message;
        EXPECT_EQ(result.standardError, message);
        EXPECT_EQ(result.standardOutput, "");
    }

    ScratchFolder dir;
};

TEST_F(TeskencProgramTest, SuccessfulRunIsSilent) {
    const ProgramRun result = run(controlText({}));
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardOutput, "");
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(readCanonicalWav(dir.file("decoded.wav")).samples.size(), 1000u);
    EXPECT_GT(readWords(dir.file("out.lrk")).size(), 21u);
}

TEST_F(TeskencProgramTest, MissingSettingsGiveTheEncodeFileMessage) {
    expectError(run("[OTHER]\nencode_file = out.lrk\n"), "open encode file [] error\n");
    expectError(runTeskencProgram({"missing-rc.txt"}, dir), "open encode file [] error\n");
    expectError(runTeskencProgram({}, dir), "open encode file [] error\n");
}

TEST_F(TeskencProgramTest, OpenFailureMessages) {
    const std::string missing = "missing.file";
    expectError(run(controlText({{"rate_event_file", missing}})), "open event file [missing.file] error\n");
    expectError(run(controlText({{"previous_wavefile", missing}})), "open previous wav file [missing.file] error\n");
    expectError(run(controlText({{"next_wavefile", missing}})), "open file_wav_next [missing.file] error\n");
    expectError(run(controlText({{"input_wavfile", missing}})), "open input wav file [missing.file] error\n");
    expectError(run(controlText({}, {"rate_event_file"})), "open event file [] error\n");
    expectError(run(controlText({}, {"previous_wavefile"})), "open previous wav file [] error\n");
    expectError(run(controlText({}, {"next_wavefile"})), "open file_wav_next [] error\n");
    expectError(run(controlText({{"encode_file", "no/such/out.lrk"}})), "open encode file [no/such/out.lrk] error\n");
    expectError(run(controlText({{"decode_file", "no/such/d.wav"}})),
                "open decoded wave_file file [no/such/d.wav] error\n");
}

TEST_F(TeskencProgramTest, WriteErrorsCarryTheirCause) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    expectError(run(controlText({{"encode_file", "/dev/full"}})),
                "write encode file [/dev/full] error: No space left on device\n");
    EXPECT_TRUE(fs::exists("/dev/full"));
    const ProgramRun decoded = run(controlText({{"decode_file", "/dev/full"}}));
    EXPECT_EQ(decoded.exitStatus, 1);
    EXPECT_EQ(decoded.standardError, "write decoded wave_file file [/dev/full] error: No space left on device\n");
    // the stream itself was complete and stays
    EXPECT_GT(readWords(dir.file("out.lrk")).size(), 21u);
}

TEST_F(TeskencProgramTest, RateAndEventErrors) {
    expectError(run(controlText({{"start_up_data_rate", "3"}})), "rate_id error for teska (0 ~ 2)\n");
    expectError(run(controlText({{"start_up_data_rate", "10"}})), "change teskb data rate error\n");
    expectError(run(controlText({{"start_up_data_rate", "x"}})), "start_up_data_rate is missing or not a number\n");
    expectError(run(controlText({}, {"start_up_data_rate"})), "start_up_data_rate is missing or not a number\n");
    writeFileText(dir.file("events.txt"), "128 5 1\n512 256 127\n");
    expectError(run(controlText({{"rate_event_file", "events.txt"}})),
                "event id must be in 0 ~ 126 (0 indicates no event)\n");
    EXPECT_FALSE(fs::exists(dir.file("out.lrk")));
    writeFileText(dir.file("events.txt"), "128 5 1\n512 3 1\n");
    expectError(run(controlText({{"rate_event_file", "events.txt"}})), "rate_id error for teska (0 ~ 2)\n");
    EXPECT_FALSE(fs::exists(dir.file("out.lrk")));
}

TEST_F(TeskencProgramTest, AnOlderStreamStaysWholeWhenARunCannotStart) {
    writeFileText(dir.file("out.lrk"), "an older stream");
    writeFileText(dir.file("events.txt"), "0 256 127\n");
    const std::vector<std::pair<std::map<std::string, std::string>, std::string>> cases = {
        {{{"input_wavfile", "missing.wav"}}, "open input wav file [missing.wav] error\n"},
        {{{"start_up_data_rate", "3"}}, "rate_id error for teska (0 ~ 2)\n"},
        {{{"start_up_data_rate", "x"}}, "start_up_data_rate is missing or not a number\n"},
        {{{"rate_event_file", "missing.txt"}}, "open event file [missing.txt] error\n"},
        {{{"rate_event_file", "events.txt"}}, "event id must be in 0 ~ 126 (0 indicates no event)\n"},
        {{{"previous_wavefile", "missing.wav"}}, "open previous wav file [missing.wav] error\n"},
        {{{"next_wavefile", "missing.wav"}}, "open file_wav_next [missing.wav] error\n"},
    };
    for (const auto& [settings, message] : cases) {
        expectError(run(controlText(settings)), message);
        EXPECT_EQ(readFileText(dir.file("out.lrk")), "an older stream") << message;
    }
}

TEST_F(TeskencProgramTest, AControlLineKeepsItsFirst511CharactersAndTheRestIsDropped) {
    // Past the limit, "[OTHER]" would start a section and hide every key after it from [TESK].
    const std::string comment = "// " + std::string(600, 'x') + " [OTHER]";
    std::string text = controlText({});
    text.insert(text.find("[TESK]\n") + 7, comment + "\n");
    const ProgramRun result = run(text);
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(result.exitStatus, 0);
}

TEST_F(TeskencProgramTest, AControlFileThatNeverEndsIsRefusedInsteadOfFillingTheMemory) {
    std::string text = controlText({});
    while (text.size() <= (1u << 20)) text += "padding = more\n";
    expectError(run(text), "control file [rc.txt] is larger than 1048576 bytes\n");
}

TEST_F(TeskencProgramTest, AnEventLineThatNeverEndsCannotGrowTheMemory) {
    // 128 MiB without a line end (a hole of the file system reads as zero bytes), then an event for frame 1.
    const std::string events = dir.file("events.txt");
    writeFileText(events, "");
    fs::resize_file(events, 128u << 20);
    {
        std::ofstream append(events, std::ios::app);
        append << "\n0 256 5\n";
    }
    const ProgramRun result = run(controlText({{"rate_event_file", "events.txt"}}));
    EXPECT_EQ(result.exitStatus, 0) << result.standardError;
    EXPECT_LT(result.peakMemoryKiB, 64 * 1024) << "the over-long line was held";
    const std::vector<uint16_t> words = readWords(dir.file("out.lrk"));
    // Header and the 20-word start-up frame, then the event's control pair before frame 1: 0xFFFF, 5 << 9 | 256.
    ASSERT_GT(words.size(), 22u);
    EXPECT_EQ(words[21], 0xFFFF);
    EXPECT_EQ(words[22], 0x0B00);
}

TEST_F(TeskencProgramTest, ArgumentReferencesAndLiteralNames) {
    // "%9" stays a name; decode_file none is a file named none
    const ProgramRun result =
        run(controlText({{"encode_file", "%9"}, {"decode_file", "none"}, {"start_up_data_rate", "%2"}}), {"5"});
    EXPECT_EQ(result.exitStatus, 0) << result.standardError;
    EXPECT_EQ(readWords(dir.file("%9"))[0], 0x8005);
    EXPECT_EQ(readCanonicalWav(dir.file("none")).samples.size(), 1000u);
}

TEST_F(TeskencProgramTest, TwoRolesNamingOneFileAreRefused) {
    const std::string original = readFileText(dir.file("in.wav"));
    expectError(run(controlText({{"encode_file", "in.wav"}})),
                "encode_file and input_wavfile name the same file [in.wav]\n");
    fs::create_hard_link(dir.file("in.wav"), dir.file("link.wav"));
    expectError(run(controlText({{"decode_file", "./link.wav"}})),
                "decode_file and input_wavfile name the same file [./link.wav]\n");
    expectError(run(controlText({{"decode_file", "out.lrk"}})),
                "encode_file and decode_file name the same file [out.lrk]\n");
    EXPECT_EQ(readFileText(dir.file("in.wav")), original);
    EXPECT_FALSE(fs::exists(dir.file("out.lrk")));
}

TEST_F(TeskencProgramTest, RepeatedRunsAreByteIdentical) {
    writeWav(dir.file("in.wav"), toneSignal(5000, 2));
    writeFileText(dir.file("events.txt"), "1000 0 3\n2000 7 0\n3000 256 12\n");
    const std::string control = controlText({{"rate_event_file", "events.txt"}, {"start_up_data_rate", "5"}});
    ASSERT_EQ(run(control).exitStatus, 0);
    const std::string stream = readFileText(dir.file("out.lrk"));
    const std::string decoded = readFileText(dir.file("decoded.wav"));
    ASSERT_EQ(run(control).exitStatus, 0);
    EXPECT_EQ(readFileText(dir.file("out.lrk")), stream);
    EXPECT_EQ(readFileText(dir.file("decoded.wav")), decoded);
}

TEST_F(TeskencProgramTest, EightBitSpeechEncodesLikeTheSameSoundInSixteenBits) {
    // The compression window hands an 8000 Hz mono 8-bit file to the encoder as it is.
    std::vector<std::uint8_t> narrow;
    std::vector<std::int16_t> wide;
    for (const std::int16_t sample : speechFixtureSamples()) {
        const int level = sample >> 8;
        narrow.push_back(static_cast<std::uint8_t>(level + 128));
        wide.push_back(static_cast<std::int16_t>(level * 256));
    }
    dir.write("in.wav", wavFileBytes(1, 8000, 8, narrow));
    ASSERT_EQ(run(controlText({})).exitStatus, 0);
    const std::string fromNarrow = readFileText(dir.file("out.lrk"));
    const std::string decodedFromNarrow = readFileText(dir.file("decoded.wav"));
    writeWav(dir.file("in.wav"), wide);
    ASSERT_EQ(run(controlText({})).exitStatus, 0);
    EXPECT_EQ(fromNarrow, readFileText(dir.file("out.lrk")));
    EXPECT_EQ(decodedFromNarrow, readFileText(dir.file("decoded.wav")));
    EXPECT_EQ(readCanonicalWav(dir.file("decoded.wav")).samples.size(), narrow.size());
}

TEST_F(TeskencProgramTest, ShippedControlFileTakesTheCallersArguments) {
    const std::string shipped = std::string(TRACKMILL_BIN_DIR) + "/rc.txt";
    ASSERT_TRUE(fs::exists(shipped));
    fs::copy_file(shipped, dir.file("rc.txt"), fs::copy_options::overwrite_existing);
    const ProgramRun result = runTeskencProgram({"rc.txt", "2", dir.file("in.wav"), dir.file("my song.LRK")}, dir);
    EXPECT_EQ(result.exitStatus, 0) << result.standardError;
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(readWords(dir.file("my song.LRK"))[0], 0x0002);
}

TEST_F(TeskencProgramTest, ANameEndingInABlankEncodesThatFileAndNoOther) {
    fs::copy_file(std::string(TRACKMILL_BIN_DIR) + "/rc.txt", dir.file("rc.txt"));
    writeWav(dir.file("talk.wav "), toneSignal(3000, 2));
    fs::copy_file(dir.file("talk.wav "), dir.file("same.wav"));
    // The name without the blank is another recording: encoding it instead would go unnoticed.
    writeWav(dir.file("talk.wav"), toneSignal(1000));
    ASSERT_EQ(runTeskencProgram({"rc.txt", "1", dir.file("same.wav"), dir.file("same.LRK")}, dir).exitStatus, 0);
    for (const std::string name : {"talk.wav ", "talk.wav\t", "talk.wav\n"}) {
        if (name != "talk.wav ") fs::copy_file(dir.file("same.wav"), dir.file(name));
        const ProgramRun result = runTeskencProgram({"rc.txt", "1", dir.file(name), dir.file("talk.LRK")}, dir);
        ASSERT_EQ(result.exitStatus, 0) << result.standardError;
        EXPECT_TRUE(readFileText(dir.file("talk.LRK")) == readFileText(dir.file("same.LRK"))) << name;
    }
}

TEST_F(TeskencProgramTest, ShippedControlFileDropsTheDecodedCopyInsteadOfWritingItUnderAFixedName) {
    // A fixed file name is shared by runs side by side and by other users: one user's leftover that another may
    // not write makes every later run of that other user fail.
    const ControlFile shipped(std::string(TRACKMILL_BIN_DIR) + "/rc.txt", 0, nullptr);
    std::string decodePath;
    ASSERT_TRUE(shipped.getString("TESK", "decode_file", decodePath));
    EXPECT_TRUE(fs::is_character_file(decodePath)) << decodePath;
}

}  // namespace
}  // namespace tesk
