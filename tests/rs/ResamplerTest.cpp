// The built rs on real files: what it writes, how it treats names, and what a failed copy leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <numbers>

#include "tests/support/FileBytes.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SmallFileSystem.h"
#include "tests/support/Snr.h"
#include "tests/support/WavFixture.h"
#include "tests/support/WavReader.h"

using namespace testsupport;

namespace {

const std::string rs = builtProgram("rs");

// A 440 Hz tone at half scale, the same in every channel.
void makeTone(const std::filesystem::path& path, int rate, int channels, int bits, double seconds) {
    std::vector<std::uint8_t> data;
    const auto frames = static_cast<std::size_t>(seconds * rate);
    for (std::size_t n = 0; n < frames; ++n) {
        const double value = 0.5 * std::sin(2 * std::numbers::pi * 440 * static_cast<double>(n) / rate);
        for (int channel = 0; channel < channels; ++channel) {
            if (bits == 8) {
                data.push_back(static_cast<std::uint8_t>(128 + std::lround(value * 127)));
            } else {
                const auto sample = static_cast<std::uint16_t>(std::lround(value * 32767));
                data.push_back(static_cast<std::uint8_t>(sample));
                data.push_back(static_cast<std::uint8_t>(sample >> 8));
            }
        }
    }
    const std::vector<std::uint8_t> file = wavFileBytes(
        static_cast<std::uint16_t>(channels), static_cast<std::uint32_t>(rate), static_cast<std::uint16_t>(bits), data);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
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

std::vector<std::filesystem::path> entries(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(Resampler, CdQualityStereoBecomesTelephoneMono) {
    ScratchFolder folder;
    const auto source = folder / "track 01.wav";
    const auto copy = folder / "r_track 01.wav";
    makeTone(source, 44100, 2, 16, 1.5);

    // The application's words: rs, " -r 8000 ", " -c 1", " -b 16 ", then the two names.
    const ProgramRun result = runProgram({rs, "-r", "8000", "-c", "1", "-b", "16", source.string(), copy.string()});
    ASSERT_EQ(result.exitStatus, 0) << result.standardError;

    const WavFile wave = readWavFile(copy);
    // 1.5 s at 8000 Hz, one 16-bit channel: 12000 samples, 24000 bytes behind a 44-byte header.
    EXPECT_EQ(wave.bytes.size(), 44u + 24000u);
    EXPECT_EQ(wave.bytes.substr(0, 44), expectedCanonicalHeader(8000, 1, 16, 24000));
    const std::vector<std::int16_t> samples = wave.samples16();
    // Really resampled: 440 Hz stays 440 Hz (a relabelled input would play 5.5 times slower).
    EXPECT_NEAR(signChanges(samples), 2 * 440 * 1.5, 6);
    // Half scale sine: RMS 0.5 * 32767 / sqrt(2); the channels were averaged, not summed.
    EXPECT_NEAR(rootMeanSquare(samples), 0.5 * 32767 / std::sqrt(2.0), 0.03 * 11585);
    EXPECT_EQ(entries(folder.path()), (std::vector<std::filesystem::path>{"r_track 01.wav", "track 01.wav"}));
}

TEST(Resampler, OptionsMayComeInAnyOrderAndAnEightBitSourceStaysEightBit) {
    ScratchFolder folder;
    const auto source = folder / "old.wav";
    const auto copy = folder / "r_old.wav";
    makeTone(source, 22050, 2, 8, 1);
    const ProgramRun result = runProgram({rs, "-c", "1", "-r", "8000", source.string(), copy.string()});
    ASSERT_EQ(result.exitStatus, 0) << result.standardError;
    const WavFile wave = readWavFile(copy);
    EXPECT_EQ(wave.bytes.substr(0, 44), expectedCanonicalHeader(8000, 1, 8, 8000));
    EXPECT_EQ(wave.bytes.size(), 44u + 8000u);
}

TEST(Resampler, OneChannelIsCopiedIntoEachAndTheRateAndWidthKeptWhenNotAsked) {
    ScratchFolder folder;
    const auto source = folder / "mono.wav";
    const auto copy = folder / "stereo.wav";
    makeTone(source, 11025, 1, 16, 0.5);
    const ProgramRun result = runProgram({rs, "-c", "2", source.string(), copy.string()});
    ASSERT_EQ(result.exitStatus, 0) << result.standardError;
    const WavFile wave = readWavFile(copy);
    EXPECT_EQ(wave.bytes.substr(0, 44), expectedCanonicalHeader(11025, 2, 16, 4 * 5512));
    const std::vector<std::int16_t> in = readWavFile(source).samples16();
    const std::vector<std::int16_t> out = wave.samples16();
    ASSERT_EQ(out.size(), 2 * in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        ASSERT_EQ(out[2 * i], in[i]) << i;
        ASSERT_EQ(out[2 * i + 1], in[i]) << i;
    }
}

TEST(Resampler, TheSameSourceGivesTheSameBytesEveryRun) {
    ScratchFolder folder;
    const auto source = folder / "talk.wav";
    makeTone(source, 44100, 2, 16, 2);
    for (const char* name : {"first.wav", "second.wav"}) {
        const ProgramRun result =
            runProgram({rs, "-r", "8000", "-c", "1", "-b", "16", source.string(), folder.file(name)});
        ASSERT_EQ(result.exitStatus, 0) << result.standardError;
    }
    EXPECT_EQ(readFileBytes(folder / "first.wav"), readFileBytes(folder / "second.wav"));
}

TEST(Resampler, NamesAreTakenLiterally) {
    ScratchFolder folder;
    // Globbing would turn "take[12].wav" into the other file.
    const auto source = folder / "take[12] \"live\" $(echo x) * 中文.wav";
    const auto decoy = folder / "take1 \"live\" $(echo x) * 中文.wav";
    const auto copy = folder / "r_take[12] \"live\" $(echo x) * 中文.wav";
    makeTone(source, 16000, 1, 16, 0.5);
    makeTone(decoy, 16000, 1, 16, 2);
    const ProgramRun result = runProgram({rs, "-r", "8000", source.string(), copy.string()});
    ASSERT_EQ(result.exitStatus, 0) << result.standardError;
    EXPECT_EQ(readWavFile(copy).data.size(), 8000u);

    // After "--" a name beginning with a dash is still a name.
    makeTone(folder / "-dash.wav", 16000, 1, 16, 0.25);
    const ProgramRun dashed = runProgram({rs, "-r", "8000", "--", "-dash.wav", "-out.wav"}, {{}, folder.path()});
    ASSERT_EQ(dashed.exitStatus, 0) << dashed.standardError;
    EXPECT_EQ(readWavFile(folder / "-out.wav").data.size(), 4000u);
}

TEST(Resampler, ANameThatLooksLikeACommandIsAMissingFile) {
    ScratchFolder folder;
    const ProgramRun result = runProgram({rs, "-r", "8000", "|touch X", "out.wav"}, {{}, folder.path()});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.standardError.find(std::strerror(ENOENT)), std::string::npos) << result.standardError;
    EXPECT_TRUE(entries(folder.path()).empty());
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
        {rs, "-b", "24", in, out},
        {rs, "-b", "16", "-b", "8", in, out},
        {rs, "-x", in, out},
        {rs, in, out, "-r"},
        {rs, in},
        {rs, in, out, out},
        {rs},
    };
    for (const std::vector<std::string>& argv : refused) {
        const ProgramRun result = runProgram(argv);
        EXPECT_EQ(result.exitStatus, 1) << argv.size();
        EXPECT_NE(result.standardError.find("usage: rs [-r rate] [-c channels] [-b bits] source destination"),
                  std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(copy));
    }
}

TEST(Resampler, SourcesItCannotReadFailWithTheReasonAndWriteNothing) {
    ScratchFolder folder;
    const std::string out = folder.file("out.wav");
    const ProgramRun missing = runProgram({rs, "-r", "8000", folder.file("none.wav"), out});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_NE(missing.standardError.find(std::strerror(ENOENT)), std::string::npos) << missing.standardError;

    // Header-less samples and 24-bit samples: the sound-file library would misread both.
    folder.write("raw.pcm", std::vector<std::uint8_t>(4000, 0x80));
    folder.write("deep.wav", wavFileBytes(1, 44100, 24, std::vector<std::uint8_t>(3000, 0)));
    for (const char* name : {"raw.pcm", "deep.wav"}) {
        const ProgramRun refused = runProgram({rs, "-r", "8000", folder.file(name), out});
        EXPECT_EQ(refused.exitStatus, 1) << name;
        EXPECT_NE(refused.standardError.find("is not a PCM WAV file"), std::string::npos) << refused.standardError;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(Resampler, AFullDiskFailsWithTheReasonAndKeepsTheOlderCopy) {
    SmallFileSystem disk(256 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    ScratchFolder folder;
    const auto source = folder / "talk.wav";
    makeTone(source, 44100, 1, 16, 10);
    const std::vector<std::uint8_t> older = wavFileBytes(1, 8000, 16, std::vector<std::uint8_t>(100, 7));
    const std::string destination = disk.file("r_talk.wav");
    folder.write("older.wav", older);
    std::filesystem::copy_file(folder / "older.wav", destination);
    // Room for the header and a little sound, not for the 160,000 bytes of ten seconds.
    disk.fill(16 * 1024);

    const ProgramRun result = runProgram({rs, "-r", "8000", "-c", "1", "-b", "16", source.string(), destination});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.standardError.find(std::strerror(ENOSPC)), std::string::npos) << result.standardError;
    EXPECT_EQ(readFileBytes(destination), older);
    EXPECT_EQ(entries(disk.path()), (std::vector<std::filesystem::path>{"filler", "r_talk.wav"}));
}
