// The MP3 job: its command lines, its parsers on transcripts of the real encoder (tests/data/lame, recorded once
// from Debian's lame 3.100 through pipes) and on made-up lines, and whole runs of the real program.
#include <gtest/gtest.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "ReportWindow.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Presenter.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"
#include "trackmill/app/jobs/JobThread.h"
#include "trackmill/app/jobs/Mp3EncodeProcess.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/options/OptionsSetting.h"

using namespace std::chrono_literals;

namespace {

class TestMp3Job : public TMp3EncodeProcess {
  public:
    using TMp3EncodeProcess::BuildCommand;
    int questions = 0;
    bool answer = true;

  protected:
    bool ConfirmOverwrite(const std::string&) override {
        ++questions;
        return answer;
    }
};

std::string Transcript(const std::string& name) {
    std::ifstream in(std::string(TRACKMILL_TEST_DATA) + "/lame/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void DefaultMp3Options() {
    Options = TOptionsSetting{};
    Options.BitRate = 128;
    Options.StereoMode = 1;
    Options.VBRQuality = 4;
    Options.MaxBitRate = 320;
    Options.IsVBRHead = true;
}

class Mp3CommandTest : public ::testing::Test {
  protected:
    TestMp3Job job;

    void SetUp() override {
        DefaultMp3Options();
        job.FSourceFile = "/in/a b.wav";
        job.FDestFile = "/out/a b.mp3";
    }

    std::string Text() const { return job.BuildCommand(job.FDestFile).Text; }
};

TEST_F(Mp3CommandTest, DefaultEncode) {
    EXPECT_EQ(Text(), "lame.exe -b 128 -m j \"/in/a b.wav\" \"/out/a b.mp3\"");
    EXPECT_EQ(job.BuildCommand(job.FDestFile).Arguments,
              (std::vector<std::string>{"lame.exe", "-b", "128", "-m", "j", "/in/a b.wav", "/out/a b.mp3"}));
}

TEST_F(Mp3CommandTest, VariableBitRateWithAndWithoutHeader) {
    Options.BitRate = 192;
    Options.StereoMode = 0;
    Options.MpegQuality = 2;
    Options.IsSelectVBR = true;
    Options.VBRQuality = 2;
    Options.MaxBitRate = 256;
    EXPECT_EQ(Text(), "lame.exe -b 192 -m s -h -V 2 -B 256 \"/in/a b.wav\" \"/out/a b.mp3\"");
    Options.IsVBRHead = false;
    EXPECT_EQ(Text(), "lame.exe -b 192 -m s -h -V 2 -B 256 -t \"/in/a b.wav\" \"/out/a b.mp3\"");
}

TEST_F(Mp3CommandTest, EveryStereoModeAndQuality) {
    const char* modes[] = {" -m s", " -m j", " -m f", " -m d", " -m m", ""};
    for (int mode = 0; mode <= 5; ++mode) {
        Options.StereoMode = mode;
        EXPECT_EQ(Text(), std::string("lame.exe -b 128") + modes[mode] + " \"/in/a b.wav\" \"/out/a b.mp3\"");
    }
    Options.StereoMode = 4;
    const char* qualities[] = {"", " -f", " -h", ""};
    for (int quality = 0; quality <= 3; ++quality) {
        Options.MpegQuality = quality;
        EXPECT_EQ(Text(),
                  std::string("lame.exe -b 128 -m m") + qualities[quality] + " \"/in/a b.wav\" \"/out/a b.mp3\"");
    }
    // Without a header, but also without variable bit rate: nothing.
    Options.IsVBRHead = false;
    Options.MpegQuality = 0;
    EXPECT_EQ(Text(), "lame.exe -b 128 -m m \"/in/a b.wav\" \"/out/a b.mp3\"");
}

TEST_F(Mp3CommandTest, DecodeTakesNoOption) {
    job.FEncode = false;
    Options.IsSelectVBR = true;
    job.FSourceFile = "/in/a.mp3";
    job.FDestFile = "/out/a.wav";
    EXPECT_EQ(Text(), "lame.exe --decode \"/in/a.mp3\" \"/out/a.wav\"");
    EXPECT_EQ(job.BuildCommand(job.FDestFile).Arguments,
              (std::vector<std::string>{"lame.exe", "--decode", "/in/a.mp3", "/out/a.wav"}));
}

class Mp3ParserTest : public ::testing::Test {
  protected:
    ReportWindow window;
    TestMp3Job job;

    void SetUp() override { job.FNotifyWindow = window.handle(); }

    std::vector<Report> Progress() {
        testdriver::PumpUntilIdle();
        std::vector<Report> progress;
        for (const Report& report : window.reports()) progress.push_back(report);
        return progress;
    }

    std::vector<std::int32_t> Percents() {
        testdriver::PumpUntilIdle();
        return window.percents();
    }
};

// The figures of lame's own progress lines: frames done in percent, as its "(nn%)|" column says.
const std::vector<std::int32_t> EncodedTenSeconds = {26, 52, 78, 100};

TEST_F(Mp3ParserTest, ConstantBitRateTranscript) {
    job.ParseEncodeOutput(Transcript("encode-cbr.txt"));
    const auto progress = Progress();
    EXPECT_EQ(window.percents(), EncodedTenSeconds);
    for (const Report& report : progress) {
        EXPECT_EQ(report.elapsed, "0:00");
        EXPECT_EQ(report.estimated, "0:00");
    }
}

TEST_F(Mp3ParserTest, VariableBitRateTranscriptWithHistogram) {
    job.ParseEncodeOutput(Transcript("encode-vbr.txt"));
    EXPECT_EQ(Percents(), EncodedTenSeconds);
}

TEST_F(Mp3ParserTest, PercentSignInTheFileNameDoesNotFixTheColumn) {
    ASSERT_NE(Transcript("encode-percent-name.txt").find("Encoding take 50%#1.wav"), std::string::npos);
    job.ParseEncodeOutput(Transcript("encode-percent-name.txt"));
    EXPECT_EQ(Percents(), EncodedTenSeconds);
}

// Frame counters of the decoder's lines, found with a pattern rather than by column.
std::vector<std::int32_t> DecodedPercents(const std::string& transcript) {
    std::vector<std::int32_t> percents;
    const std::regex frame("Frame# *([0-9]+)/([0-9]+)");
    for (auto it = std::sregex_iterator(transcript.begin(), transcript.end(), frame); it != std::sregex_iterator();
         ++it) {
        const int percent = std::stoi((*it)[1]) * 100 / std::stoi((*it)[2]);
        if (percent >= 1 && percent <= 100) percents.push_back(percent);
    }
    return percents;
}

TEST_F(Mp3ParserTest, DecodeTranscript) {
    job.FEncode = false;
    const std::string text = Transcript("decode.txt");
    job.ParseDecodeOutput(text);
    const std::vector<std::int32_t> expected = DecodedPercents(text);
    ASSERT_GT(expected.size(), 300u);
    EXPECT_EQ(Percents(), expected);
}

TEST_F(Mp3ParserTest, HashInTheFileNameDoesNotFixTheColumn) {
    const std::string text = Transcript("decode-hash-name.txt");
    ASSERT_NE(text.find("input:  take 50%#1.mp3"), std::string::npos);
    job.ParseDecodeOutput(text);
    EXPECT_EQ(Percents(), DecodedPercents(text));
}

TEST_F(Mp3ParserTest, MadeUpEncodeLines) {
    // Columns as lame prints them: "(" at 15 (14 for 100), the times at 21 and 30.
    job.ParseEncodeOutput("Encoding as 44.1 kHz\n     0/1000   ( 0%)|    0:00/     :  |\r");
    job.ParseEncodeOutput("    50/1000   ( 5%)|    0:01/    0:20|\r");
    job.ParseEncodeOutput("  1000/1000  (100%)|    0:20/    0:20|\r");
    // The column is not searched again: a line shifted by one reads "(9" there.
    job.ParseEncodeOutput("  9999/99999   (99%)|\r");
    job.ParseEncodeOutput("Writing LAME Tag...done\n");
    const auto progress = Progress();
    ASSERT_EQ(window.percents(), (std::vector<std::int32_t>{5, 100, 9}));
    EXPECT_EQ(progress[0].elapsed, "0:01");
    EXPECT_EQ(progress[0].estimated, "0:20");
}

TEST_F(Mp3ParserTest, MadeUpLinesCutBetweenReads) {
    job.ParseEncodeOutput("     0/384    ( 0%)|    0:00/    0:00|\r   100/384    (2");
    job.ParseEncodeOutput("6%)|    0:12/    0:46|\r   200/384    (52%)|    0:24/    0:46|\r");
    const auto progress = Progress();
    ASSERT_EQ(window.percents(), (std::vector<std::int32_t>{52}));
    EXPECT_EQ(progress[0].elapsed, "0:24");
    EXPECT_EQ(progress[0].estimated, "0:46");
}

TEST_F(Mp3ParserTest, MadeUpDecodeLines) {
    job.FEncode = false;
    job.ParseDecodeOutput("input:  x.mp3\rFrame#     1/200    128 kbps\rFrame#     2/200    128 kbps\r");
    job.ParseDecodeOutput("Frame#    50/  0    128 kbps\rnot a frame\rFrame#   100/200    128 kbps\r");
    EXPECT_EQ(Percents(), (std::vector<std::int32_t>{1, 50}));
}

class Mp3RunTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    ReportWindow window;
    TestMp3Job job;

    void SetUp() override {
        DefaultMp3Options();
        job.FNotifyWindow = window.handle();
        std::vector<std::int16_t> samples;
        for (int i = 0; i < 3 * 44100; ++i) {
            const auto value = static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 440 * i / 44100.0));
            samples.push_back(value);
            samples.push_back(value);
        }
        testsupport::writeFileBytes(folder.file("tone.wav"),
                                    testsupport::wavFileBytes(2, 44100, 16, testsupport::sampleBytes(samples)));
    }

    void TearDown() override {
        job.Stop(0);
        testdriver::PumpUntil([] { return TJobThread::Live() == 0; }, 10s);
    }

    void Run(const std::string& source, const std::string& dest, bool encode, TRipMode mode) {
        window.clear();
        job.FSourceFile = source;
        job.FDestFile = dest;
        job.FEncode = encode;
        job.FMode = mode;
        job.FRunning = true;
        job.Start();
        ASSERT_TRUE(window.waitFor(PI_MP3_DONE, 60s));
    }

    std::string Read(const std::string& file) const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(Mp3RunTest, EncodeAndDecodeBack) {
    Run(folder.file("tone.wav"), folder.file("tone.mp3"), true, rmWavToMp3);
    EXPECT_EQ(window.markers(PI_MP3_DONE)[0].status, JOB_CHILD_ENDED);
    EXPECT_FALSE(window.percents().empty());
    for (const std::int32_t percent : window.percents()) EXPECT_TRUE(percent >= 1 && percent <= 100);
    const std::string mp3 = Read(folder.file("tone.mp3"));
    ASSERT_GT(mp3.size(), 10000u);
    EXPECT_NE(mp3.find("Info"), std::string::npos);  // constant bit rate: the header frame names itself "Info"

    Run(folder.file("tone.mp3"), folder.file("back.wav"), false, rmMp3ToWav);
    EXPECT_EQ(window.markers(PI_MP3_DONE)[0].status, JOB_CHILD_ENDED);
    EXPECT_FALSE(window.percents().empty());
    const auto wav = testsupport::readFileBytes(folder.file("back.wav"));
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(testsupport::le32At(wav, 4), wav.size() - 8);
    // Three seconds of stereo 16-bit audio, give or take the encoder's padding.
    EXPECT_NEAR(static_cast<double>(testsupport::le32At(wav, 40)), 3 * 176400.0, 176400.0 / 10);
}

TEST_F(Mp3RunTest, VariableBitRateHeaderOnlyWhenAsked) {
    Options.IsSelectVBR = true;
    Run(folder.file("tone.wav"), folder.file("with.mp3"), true, rmRipTracks);
    EXPECT_NE(Read(folder.file("with.mp3")).find("Xing"), std::string::npos);
    Options.IsVBRHead = false;
    Run(folder.file("tone.wav"), folder.file("without.mp3"), true, rmRipTracks);
    const std::string without = Read(folder.file("without.mp3"));
    ASSERT_GT(without.size(), 10000u);
    EXPECT_EQ(without.find("Xing"), std::string::npos);
    EXPECT_EQ(without.find("Info"), std::string::npos);
}

TEST_F(Mp3RunTest, OverwriteIsAskedOnlyInTheConversionModes) {
    const std::string mp3 = folder.file("tone.mp3");
    std::ofstream(mp3) << "old";
    Run(folder.file("tone.wav"), mp3, true, rmRipTracks);
    Run(folder.file("tone.wav"), mp3, true, rmRecordingToMp3);
    EXPECT_EQ(job.questions, 0);
    job.answer = false;
    Run(folder.file("tone.wav"), mp3, true, rmWavToMp3);
    EXPECT_EQ(job.questions, 1);
    EXPECT_EQ(window.markers(PI_MP3_DONE)[0].status, JOB_OVERWRITE_DECLINED);
}

TEST_F(Mp3RunTest, TheUserIsAskedWithTheProgramsOwnQuestion) {
    // A real box, on the headless screen, answered by the test.
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    auto application = std::make_unique<framework::TApplication>(nullptr);
    const std::string mp3 = folder.file("tone.mp3");
    std::ofstream(mp3) << "old";
    std::vector<std::string> asked;
    const auto previous =
        framework::SetMessageBoxResponder([&](const std::string& text, const std::string& caption, win::UINT type) {
            asked.push_back(text + "|" + caption + "|" + std::to_string(type));
            return win::IDNO;
        });
    TMp3EncodeProcess plain;
    plain.FNotifyWindow = window.handle();
    plain.FSourceFile = folder.file("tone.wav");
    plain.FDestFile = mp3;
    plain.FMode = rmWavToMp3;
    plain.FRunning = true;
    plain.Start();
    framework::SetMessageBoxResponder(previous);
    ASSERT_TRUE(window.waitFor(PI_MP3_DONE));
    EXPECT_EQ(window.markers(PI_MP3_DONE)[0].status, JOB_OVERWRITE_DECLINED);
    EXPECT_EQ(asked, (std::vector<std::string>{"文件" + mp3 + "已经存在，要覆盖它吗？|提示|68"}));
}

TEST_F(Mp3RunTest, ConvertingAFileOntoItselfEndsAsInUse) {
    Run(folder.file("tone.wav"), folder.file("./tone.wav"), false, rmMp3ToWav);
    EXPECT_EQ(window.markers(PI_MP3_DONE)[0].status, JOB_OUTPUT_IN_USE);
    EXPECT_EQ(job.questions, 0);
    EXPECT_EQ(testsupport::readFileBytes(folder.file("tone.wav")).size(), 44u + 3 * 176400);
}

}  // namespace
