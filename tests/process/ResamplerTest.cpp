#include "RunProgram.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/Snr.h"
#include "tests/support/WavReader.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace testsupport;

namespace {

const std::string rs = std::string(TRACKMILL_BIN_DIR) + "/rs";

// A 440 Hz tone at half scale, made by the sound converter itself.
void makeTone(const std::filesystem::path& path, int rate, int channels, int bits, double seconds) {
    const ProgramResult made =
        runProgram({"sox", "-n", "-r", std::to_string(rate), "-c", std::to_string(channels), "-b", std::to_string(bits),
                    path.string(), "synth", std::to_string(seconds), "sine", "440", "vol", "0.5"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
}

// Sign changes of the first channel: about twice the tone's frequency per second.
int signChanges(const std::vector<std::int16_t>& samples) {
    int changes = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) changes += (samples[i - 1] < 0) != (samples[i] < 0);
    return changes;
}

std::string expectedCanonicalHeader(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits,
                                    std::uint32_t dataBytes) {
    std::string header;
    auto put = [&header](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) header += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    header += "RIFF";
    put(36 + dataBytes, 4);
    header += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * channels * bits / 8, 4);
    put(channels * bits / 8, 2);
    put(bits, 2);
    header += "data";
    put(dataBytes, 4);
    return header;
}

}  // namespace

TEST(Resampler, CdQualityStereoBecomesTelephoneMono) {
    ScratchFolder folder;
    const auto source = folder / "track 01.wav";
    const auto copy = folder / "r_track 01.wav";
    makeTone(source, 44100, 2, 16, 1.5);

    // The application's words: rs, " -r 8000 ", " -c 1", " -b 16 ", then the two names.
    const ProgramResult result = runProgram({rs, "-r", "8000", "-c", "1", "-b", "16", source.string(), copy.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const WavFile wave = readWavFile(copy);
    // 1.5 s at 8000 Hz, one 16-bit channel: 12000 samples, 24000 bytes behind a 44-byte header.
    EXPECT_EQ(wave.bytes.size(), 44u + 24000u);
    EXPECT_EQ(wave.bytes.substr(0, 44), expectedCanonicalHeader(8000, 1, 16, 24000));
    const std::vector<std::int16_t> samples = wave.samples16();
    // Really resampled: 440 Hz stays 440 Hz (a relabelled input would play 5.5 times slower).
    EXPECT_NEAR(signChanges(samples), 2 * 440 * 1.5, 6);
    // Half scale sine: RMS 0.5 * 32767 / sqrt(2); the channels were averaged, not summed.
    EXPECT_NEAR(rootMeanSquare(samples), 0.5 * 32767 / std::sqrt(2.0), 0.03 * 11585);
}

TEST(Resampler, OptionsMayComeInAnyOrderAndAnEightBitSourceStaysEightBit) {
    ScratchFolder folder;
    const auto source = folder / "old.wav";
    const auto copy = folder / "r_old.wav";
    makeTone(source, 22050, 2, 8, 1);
    const ProgramResult result = runProgram({rs, "-c", "1", "-r", "8000", source.string(), copy.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const WavFile wave = readWavFile(copy);
    EXPECT_EQ(wave.bytes.substr(0, 44), expectedCanonicalHeader(8000, 1, 8, 8000));
}

TEST(Resampler, NamesAreTakenLiterally) {
    ScratchFolder folder;
    // Globbing would turn "take[12].wav" into the other file.
    const auto source = folder / "take[12] \"live\" $(echo x) * 中文.wav";
    const auto decoy = folder / "take1 \"live\" $(echo x) * 中文.wav";
    const auto copy = folder / "r_take[12] \"live\" $(echo x) * 中文.wav";
    makeTone(source, 16000, 1, 16, 0.5);
    makeTone(decoy, 16000, 1, 16, 2);
    const ProgramResult result = runProgram({rs, "-r", "8000", source.string(), copy.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readWavFile(copy).data.size(), 8000u);

    // After "--" a name beginning with a dash is still a name, not an option of the converter.
    makeTone(folder / "-dash.wav", 16000, 1, 16, 0.25);
    const ProgramResult dashed = runProgram({rs, "-r", "8000", "--", "-dash.wav", "-out.wav"}, folder.path());
    ASSERT_EQ(dashed.exitCode, 0) << dashed.err;
    EXPECT_EQ(readWavFile(folder / "-out.wav").data.size(), 4000u);
}

TEST(Resampler, BadCommandLinesAreRefusedBeforeAnythingIsWritten) {
    ScratchFolder folder;
    const auto source = folder / "in.wav";
    const auto copy = folder / "out.wav";
    makeTone(source, 44100, 1, 16, 0.1);
    const std::string in = source.string();
    const std::string out = copy.string();
    const std::vector<std::vector<std::string>> refused{
        {rs, "-r", "0", in, out},
        {rs, "-r", "8k", in, out},
        {rs, "-r", "-8000", in, out},
        {rs, "-c", "0", in, out},
        {rs, "-b", "12", in, out},
        {rs, "-b", "16", "-b", "8", in, out},
        {rs, "-x", in, out},
        {rs, in, out, "-r"},
        {rs, in},
        {rs, in, out, out},
        {rs},
    };
    for (const std::vector<std::string>& argv : refused) {
        const ProgramResult result = runProgram(argv);
        EXPECT_EQ(result.exitCode, 1) << argv.size();
        EXPECT_NE(result.err.find("usage: rs [-r rate] [-c channels] [-b bits] source destination"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(copy));
    }
}

TEST(Resampler, AMissingSourceFailsWithTheConvertersStatus) {
    ScratchFolder folder;
    const ProgramResult result =
        runProgram({rs, "-r", "8000", (folder / "none.wav").string(), (folder / "out.wav").string()});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.exitCode, std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(folder / "out.wav"));
}
