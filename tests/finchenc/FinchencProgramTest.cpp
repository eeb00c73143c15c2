#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "FinchFrameFixtures.h"
#include "RunProgram.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"

namespace finch {
namespace {

using test::runFinchencProgram;
using testsupport::readFileBytes;

const std::string kVersion = "\n         Version 1.2.5\n\n";
const std::string kUsage =
    "Usage : >finchenc rate fi cpf fo\n"
    " where: rate: 16 (16 Kbps)\n"
    "              20 (20 Kbps)\n"
    "              24 (24 Kbps)\n"
    "          fi: Input WAVEFile\n"
    "         cpf: Compressed File \n"
    "          fo: Synthesized WAVEFile\n";
const std::string kBadRate = " Please input string '16', '20', or '24'\n";
const std::string kSynthesizedOpenError = "Error on open file qbx.wav !!\n";

std::string frameLines(long frames) {
    std::string lines;
    char line[64];
    for (long i = 0; i <= frames; ++i) {
        std::snprintf(line, sizeof line, "                Frame :%3ld \r", i);
        lines += line;
    }
    return lines;
}

std::string runText(const std::string& banner, const std::string& fi, const std::string& cpf, const std::string* fo,
                    long frames) {
    std::string text =
        kVersion + banner + " Input   wavefile  :   " + fi + "\n" + " Encoded binary  File :  " + cpf + "\n";
    if (fo != nullptr) {
        text += " Synthesized wavefile : " + *fo + "\n";
    }
    return text + "          Total Frame : " + std::to_string(frames) + "\n" + frameLines(frames);
}

class FinchencProgram : public ::testing::Test {
  protected:
    testsupport::ProgramRun run(const std::vector<std::string>& arguments) {
        testsupport::ProgramRun result = runFinchencProgram(arguments);
        EXPECT_EQ(result.standardError, "") << "nothing may reach standard error";
        return result;
    }

    std::string silence(std::size_t samples) {
        const std::string path = dir.file("silence" + std::to_string(samples) + ".wav");
        testsupport::writeWav(path, std::vector<std::int16_t>(samples, 0));
        return path;
    }

    static std::vector<unsigned char> silentFile(int rateCode, int frames) {
        std::vector<unsigned char> file = {static_cast<unsigned char>(rateCode), 0x00};
        const auto frame = test::silentFrame(rateCode);
        for (int i = 0; i < frames; ++i) {
            file.insert(file.end(), frame.begin(), frame.end());
        }
        file.insert(file.end(), {0xFF, 0xFF, 0xFF});
        return file;
    }

    testsupport::ScratchFolder dir;
    std::string cpf = dir.file("out.fnc");
    std::string fo = dir.file("out.wav");
};

TEST_F(FinchencProgram, FewerThanThreeArgumentsPrintTheUsage) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{{}, {"24"}, {"24", "in.wav"}}) {
        const testsupport::ProgramRun result = run(arguments);
        EXPECT_EQ(result.standardOutput, kVersion + kUsage);
        EXPECT_EQ(result.exitStatus, 1);
    }
}

TEST_F(FinchencProgram, AnInputThatCannotBeOpenedIsNamedAndNothingIsCreated) {
    for (const std::string& input : {dir.file("missing.wav"), dir.file("")}) {
        const testsupport::ProgramRun result = run({"24", input, cpf});
        EXPECT_EQ(result.standardOutput, kVersion + "Error on open file \"" + input + "\" !\n");
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_FALSE(std::filesystem::exists(cpf));
    }
}

TEST_F(FinchencProgram, ABadRateLeavesAnExistingOutputAlone) {
    const std::string input = silence(10);
    testsupport::writeFileBytes(cpf, {1, 2, 3});
    for (const std::string rate : {"16 ", "016", "32", ""}) {
        const testsupport::ProgramRun result = run({rate, input, cpf, fo});
        EXPECT_EQ(result.standardOutput, kVersion + kBadRate) << "rate '" << rate << "'";
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(readFileBytes(cpf), (std::vector<unsigned char>{1, 2, 3}));
        EXPECT_FALSE(std::filesystem::exists(fo));
    }
}

TEST_F(FinchencProgram, AnEmptyInputEncodesOneSilentFrameAndSucceedsWithThreeArguments) {
    const std::string input = silence(0);
    const testsupport::ProgramRun result = run({"24", input, cpf});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardOutput, runText(" Corvane FINCHENC 24 Kbps \n", input, cpf, nullptr, 0));
    const auto file = readFileBytes(cpf);
    EXPECT_EQ(file.size(), 149u);
    EXPECT_EQ(file, silentFile(6, 1));
}

TEST_F(FinchencProgram, AFullRunPrintsTheSynthesizedNameAndWritesAnEmptyWave) {
    const std::string input = silence(0);
    const testsupport::ProgramRun result = run({"16", input, cpf, fo});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardOutput, runText(" Corvane FINCHENC 16 Kbps \n", input, cpf, &fo, 0));
    EXPECT_EQ(readFileBytes(cpf), silentFile(2, 1));
    const std::vector<unsigned char> header = {
        'R', 'I', 'F',  'F',  36, 0, 0,    0,    'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16,  0,   0, 0, 1, 0,
        1,   0,   0x40, 0x1F, 0,  0, 0x80, 0x3E, 0,   0,   2,   0,   16,  0,   'd', 'a', 't', 'a', 0, 0, 0, 0};
    EXPECT_EQ(readFileBytes(fo), header);
}

TEST_F(FinchencProgram, TheBannerAt20kbpsHasNoTrailingBlank) {
    const std::string input = silence(0);
    const testsupport::ProgramRun result = run({"20", input, cpf});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardOutput, runText(" Corvane FINCHENC 20 Kbps\n", input, cpf, nullptr, 0));
    EXPECT_EQ(readFileBytes(cpf), silentFile(4, 1));
}

TEST_F(FinchencProgram, FiveArgumentsDecodeWithoutNamingTheSynthesizedFile) {
    const std::string input = silence(384);
    const testsupport::ProgramRun result = run({"24", input, cpf, fo, "extra"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardOutput, runText(" Corvane FINCHENC 24 Kbps \n", input, cpf, nullptr, 1));
    const auto wav = readFileBytes(fo);
    ASSERT_EQ(wav.size(), 44u + 2 * 384);
    for (const std::int16_t s : testsupport::samplesAfterHeader(wav)) {
        ASSERT_EQ(s, 0);
    }
}

TEST_F(FinchencProgram, FileLengthsFollowTheFrameCount) {
    for (const std::size_t samples : {383u, 384u, 385u, 1000u}) {
        const long frames = static_cast<long>((samples + 383) / 384);
        const std::string input = silence(samples);
        const testsupport::ProgramRun result = run({"20", input, cpf, fo});
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.standardOutput, runText(" Corvane FINCHENC 20 Kbps\n", input, cpf, &fo, frames));
        EXPECT_EQ(readFileBytes(cpf).size(), 2 + static_cast<std::size_t>(frames + 1) * 120 + 3) << samples;
        const auto wav = readFileBytes(fo);
        EXPECT_EQ(wav.size(), 44 + static_cast<std::size_t>(frames) * 384 * 2) << samples;
        EXPECT_EQ(testsupport::le32At(wav, 40), frames * 384 * 2);
        EXPECT_EQ(testsupport::le32At(wav, 4), 36 + frames * 384 * 2);
    }
}

TEST_F(FinchencProgram, EveryFrameOfEncodedSpeechKeepsTheBudgetAndRunsRepeatExactly) {
    const std::string input = TRACKMILL_TEST_DATA "/speech8k.wav";
    for (const auto& [rate, rateCode] : std::vector<std::pair<std::string, int>>{{"16", 2}, {"20", 4}, {"24", 6}}) {
        ASSERT_EQ(run({rate, input, cpf, fo}).exitStatus, 0);
        const auto first = readFileBytes(cpf);
        const auto firstWave = readFileBytes(fo);
        const std::size_t frameBytes = rateCode == 2 ? 96 : rateCode == 4 ? 120 : 144;
        ASSERT_EQ((first.size() - 5) % frameBytes, 0u);
        EXPECT_EQ(testsupport::le16At(first, 0), rateCode);
        for (std::size_t start = 2; start + 3 < first.size(); start += frameBytes) {
            ASSERT_TRUE(test::frameKeepsBudget(first, start, rateCode)) << "rate " << rate << " byte " << start;
        }
        EXPECT_EQ(std::vector<unsigned char>(first.end() - 3, first.end()),
                  (std::vector<unsigned char>{0xFF, 0xFF, 0xFF}));
        ASSERT_EQ(run({rate, input, cpf, fo}).exitStatus, 0);
        EXPECT_EQ(readFileBytes(cpf), first);
        EXPECT_EQ(readFileBytes(fo), firstWave);
    }
}

TEST_F(FinchencProgram, EightBitSpeechEncodesLikeTheSameSoundInSixteenBits) {
    // The compression window hands an 8000 Hz mono 8-bit file to the encoder as it is.
    std::vector<std::uint8_t> narrow;
    std::vector<std::int16_t> wide;
    for (const std::int16_t sample : testsupport::speechFixtureSamples()) {
        const int level = sample >> 8;
        narrow.push_back(static_cast<std::uint8_t>(level + 128));
        wide.push_back(static_cast<std::int16_t>(level * 256));
    }
    const std::string narrowInput = dir.write("narrow.wav", testsupport::wavFileBytes(1, 8000, 8, narrow));
    const std::string wideInput = dir.file("wide.wav");
    testsupport::writeWav(wideInput, wide);
    ASSERT_EQ(run({"24", narrowInput, cpf, fo}).exitStatus, 0);
    const auto fromNarrow = readFileBytes(cpf);
    const auto decodedFromNarrow = readFileBytes(fo);
    ASSERT_EQ(run({"24", wideInput, cpf, fo}).exitStatus, 0);
    EXPECT_EQ(fromNarrow, readFileBytes(cpf));
    EXPECT_EQ(decodedFromNarrow, readFileBytes(fo));
    EXPECT_EQ(fromNarrow.size(), 2 + (narrow.size() + 383) / 384 * 144 + 144 + 3);
}

TEST_F(FinchencProgram, ADirectoryIsNotAnInput) {
    const std::string folder = dir.file("folder");
    std::filesystem::create_directory(folder);
    const testsupport::ProgramRun result = run({"24", folder, cpf});
    EXPECT_EQ(result.standardOutput, kVersion + "Error on open file \"" + folder + "\" !\n");
    EXPECT_EQ(result.exitStatus, 1);
}

TEST_F(FinchencProgram, ACompressedFileNamingTheInputIsRefusedBeforeAnythingIsTruncated) {
    const std::string input = silence(1000);
    const auto original = readFileBytes(input);
    const std::string sameInput = dir.file("./silence1000.wav");
    const testsupport::ProgramRun result = run({"24", input, sameInput, fo});
    EXPECT_EQ(result.standardOutput, kVersion + "Error on open file \"" + sameInput + "\" !\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(readFileBytes(input), original);
    EXPECT_FALSE(std::filesystem::exists(fo));
}

TEST_F(FinchencProgram, ASynthesizedFileNamingAnotherFileIsRefusedBeforeAnythingIsTruncated) {
    const std::string input = silence(1000);
    const auto original = readFileBytes(input);
    const std::string link = dir.file("link.wav");
    ASSERT_EQ(::link(input.c_str(), link.c_str()), 0);
    testsupport::ProgramRun result = run({"24", input, cpf, link});
    EXPECT_EQ(result.standardOutput, kVersion + kSynthesizedOpenError);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(readFileBytes(input), original);
    EXPECT_FALSE(std::filesystem::exists(cpf));

    testsupport::writeFileBytes(cpf, {9, 9});
    result = run({"24", input, cpf, dir.file("./out.fnc")});
    EXPECT_EQ(result.standardOutput, kVersion + kSynthesizedOpenError);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(readFileBytes(cpf), (std::vector<unsigned char>{9, 9}));
}

TEST_F(FinchencProgram, ASynthesizedFileNamingANewCompressedFileKeepsTheCompressedFile) {
    const std::string input = silence(0);
    const std::string sameCpf = dir.file("./out.fnc");
    const testsupport::ProgramRun result = run({"24", input, cpf, sameCpf});
    EXPECT_EQ(result.standardOutput,
              runText(" Corvane FINCHENC 24 Kbps \n", input, cpf, &sameCpf, 0) + kSynthesizedOpenError);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(readFileBytes(cpf), silentFile(6, 1));
}

TEST_F(FinchencProgram, ASynthesizedFileThatCannotBeCreatedLeavesACompleteCompressedFile) {
    const std::string input = silence(0);
    const std::string unreachable = dir.file("no-such-folder/out.wav");
    const testsupport::ProgramRun result = run({"24", input, cpf, unreachable});
    EXPECT_EQ(result.standardOutput,
              runText(" Corvane FINCHENC 24 Kbps \n", input, cpf, &unreachable, 0) + kSynthesizedOpenError);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(readFileBytes(cpf), silentFile(6, 1));
}

TEST_F(FinchencProgram, ACompressedFileThatCannotBeCreatedIsReportedWithItsCause) {
    const std::string input = silence(0);
    const std::string unreachable = dir.file("no-such-folder/out.fnc");
    const testsupport::ProgramRun result = run({"24", input, unreachable});
    EXPECT_EQ(result.standardOutput,
              kVersion + "Error on open file \"" + unreachable + "\" : No such file or directory !\n");
    EXPECT_EQ(result.exitStatus, 1);
}

TEST_F(FinchencProgram, AFailedWriteOfTheCompressedFileFailsTheRun) {
    const std::string input = silence(5000);
    const testsupport::ProgramRun result = run({"24", input, "/dev/full", fo});
    EXPECT_EQ(result.exitStatus, 1);
    const std::string expectedEnd = "Error on write file \"/dev/full\" : No space left on device !\n";
    ASSERT_GE(result.standardOutput.size(), expectedEnd.size());
    EXPECT_EQ(result.standardOutput.substr(result.standardOutput.size() - expectedEnd.size()), expectedEnd);
    EXPECT_FALSE(std::filesystem::exists(fo));
}

TEST_F(FinchencProgram, AFailedWriteOfTheSynthesizedFileFailsTheRun) {
    const std::string input = silence(5000);
    const testsupport::ProgramRun result = run({"24", input, cpf, "/dev/full"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.standardOutput.find("Error on write file \"/dev/full\" : "), std::string::npos);
    EXPECT_EQ(readFileBytes(cpf).size(), 2 + 15 * 144 + 3u);
}

// Hand-made inputs that lie about their contents: each is refused with the open error or read only
// as far as its bytes go.
class FinchencMalformedInput : public FinchencProgram {
  protected:
    static std::vector<unsigned char> waveHead(std::uint32_t fmtSize, std::uint16_t bits, std::uint32_t dataSize) {
        std::vector<unsigned char> file = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
        append32(file, fmtSize);
        const std::vector<unsigned char> body = {
            1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x80, 0x3E, 0, 0, 2, 0, static_cast<unsigned char>(bits), 0};
        file.insert(file.end(), body.begin(), body.begin() + std::min<std::size_t>(fmtSize, body.size()));
        file.insert(file.end(), {'d', 'a', 't', 'a'});
        append32(file, dataSize);
        return file;
    }

    static void append32(std::vector<unsigned char>& file, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            file.push_back(static_cast<unsigned char>(value >> (8 * i)));
        }
    }

    void expectOpenError(const std::vector<unsigned char>& bytes) {
        const std::string input = dir.file("bad.wav");
        testsupport::writeFileBytes(input, bytes);
        const testsupport::ProgramRun result = run({"24", input, cpf, fo});
        EXPECT_EQ(result.standardOutput, kVersion + "Error on open file \"" + input + "\" !\n");
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_FALSE(std::filesystem::exists(cpf));
    }

    // Runs a full decode on the bytes and checks the frame count the program announces.
    void expectFrames(const std::vector<unsigned char>& bytes, long frames) {
        const std::string input = dir.file("odd.wav");
        testsupport::writeFileBytes(input, bytes);
        const testsupport::ProgramRun result = run({"24", input, cpf, fo});
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.standardOutput, runText(" Corvane FINCHENC 24 Kbps \n", input, cpf, &fo, frames));
        EXPECT_EQ(readFileBytes(cpf).size(), 2 + static_cast<std::size_t>(frames + 1) * 144 + 3);
    }
};

TEST_F(FinchencMalformedInput, BrokenHeadersAreOpenErrors) {
    expectOpenError({'R', 'I', 'F', 'F', 8, 0});
    expectOpenError(waveHead(12, 16, 0));  // "fmt " too short for its fields
    expectOpenError(waveHead(16, 24, 6));  // more than 16 bits per sample
    std::vector<unsigned char> shortSpeechHeader = {0x00, 0xFF, 0x00, 0xFF};
    shortSpeechHeader.resize(40, 0);
    expectOpenError(shortSpeechHeader);
}

TEST_F(FinchencMalformedInput, ADataSizeBeyondTheFileIsBoundedByTheBytesPresent) {
    auto file = waveHead(16, 16, 0x7FFFFFF0);
    file.resize(file.size() + 2 * 500, 0);
    expectFrames(file, 2);
}

TEST_F(FinchencMalformedInput, ARawFileWithAnOddByteHoldsWholeSamplesOnly) {
    expectFrames({0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00}, 1);
}

TEST_F(FinchencProgram, EachFrameLineLeavesAtOnceThroughAPipe) {
    // The decode pass waits for its compressed file on a FIFO: by then every frame line must have
    // reached the pipe, though far less text than a pipe's buffer was printed.
    const std::string input = silence(3840);
    const std::string fifo = dir.file("encoded.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string seen = test::outputWhileDecodeWaits({"24", input, fifo, fo}, fifo, frameLines(10));
    EXPECT_EQ(seen, runText(" Corvane FINCHENC 24 Kbps \n", input, fifo, &fo, 10));
}

TEST_F(FinchencProgram, AClosedOutputPipeDoesNotStopTheRun) {
    const std::string input = silence(5000);
    EXPECT_EQ(test::runFinchencIntoClosedPipe({"24", input, cpf, fo}), 0);
    EXPECT_EQ(readFileBytes(cpf).size(), 2 + 15 * 144 + 3u);
    EXPECT_EQ(readFileBytes(fo).size(), 44 + 14 * 384 * 2u);
}

}  // namespace
}  // namespace finch
