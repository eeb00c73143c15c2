// The speech-compression job: the encoder's frame lines turned into progress, the command lines of its three
// programs, and whole runs of the built Finch and Lark encoders and of the resampler.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "ReportWindow.h"
#include "platform/framework/Exception.h"
#include "platform/testing/MessagePump.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"
#include "trackmill/app/jobs/JobThread.h"
#include "trackmill/app/jobs/KelmEncodeProcess.h"
#include "trackmill/app/jobs/ProcessInfo.h"

using namespace std::chrono_literals;

namespace {

class TestKelmJob : public TKelmEncodeProcess {
  public:
    using TKelmEncodeProcess::BuildCommand;
    using TKelmEncodeProcess::FStartTime;
    using TKelmEncodeProcess::ParseOutput;
    using TKelmEncodeProcess::ResetProgress;
    int questions = 0;
    bool answer = true;

  protected:
    bool ConfirmOverwrite(const std::string&) override {
        ++questions;
        return answer;
    }
};

// What the encoder prints: its announcement once, then a frame line ending in a carriage return per frame.
std::string Announcement(int frames) { return "          Total Frame : " + std::to_string(frames) + "\n"; }

// The programs built with the tests, named by path as the application's own lookup would find them beside it.
std::string Bin(const std::string& program) { return std::string(TRACKMILL_BIN_DIR) + "/" + program; }

std::string FrameLine(int frame) {
    char line[64];
    std::snprintf(line, sizeof line, "                Frame :%3d \r", frame);
    return line;
}

class KelmParserTest : public ::testing::Test {
  protected:
    ReportWindow window;
    TestKelmJob job;

    void SetUp() override { job.FNotifyWindow = window.handle(); }

    std::vector<std::int32_t> Percents() {
        testdriver::PumpUntilIdle();
        return window.percents();
    }
};

TEST_F(KelmParserTest, FirstFramesOfThreeHundredRoundDownToNothingThenOnePercent) {
    job.ParseOutput(Announcement(300));
    job.ParseOutput(FrameLine(1));
    job.ParseOutput(FrameLine(2));
    EXPECT_TRUE(Percents().empty());
    job.ParseOutput(FrameLine(3));
    EXPECT_EQ(Percents(), (std::vector<std::int32_t>{1}));
}

TEST_F(KelmParserTest, AFrameMoreThanTwentyAheadIsIgnoredAndLaterOnesStillCount) {
    job.ParseOutput(Announcement(300) + FrameLine(5) + FrameLine(40) + FrameLine(21) + FrameLine(25));
    // 5, 21 and 25 of 300 frames.
    EXPECT_EQ(Percents(), (std::vector<std::int32_t>{1, 7, 8}));
}

TEST_F(KelmParserTest, FramesBeforeTheAnnouncementAreIgnored) {
    job.ParseOutput(FrameLine(30));
    EXPECT_TRUE(Percents().empty());
    // Had frame 30 been taken, frame 3 would now be going back.
    job.ParseOutput(Announcement(300) + FrameLine(3));
    EXPECT_EQ(Percents(), (std::vector<std::int32_t>{1}));
}

TEST_F(KelmParserTest, FramesGoingBackOrBeyondTheTotalAreIgnoredAndARepeatCounts) {
    job.ParseOutput(Announcement(10) + FrameLine(5) + FrameLine(4) + FrameLine(5) + FrameLine(11) + FrameLine(10));
    EXPECT_EQ(Percents(), (std::vector<std::int32_t>{50, 50, 100}));
}

TEST_F(KelmParserTest, ALineCutBetweenReadsIsParsedPieceByPiece) {
    job.ParseOutput(Announcement(300) + "                Frame : 12");
    job.ParseOutput("3 \r");
    EXPECT_EQ(Percents(), (std::vector<std::int32_t>{4}));
}

TEST_F(KelmParserTest, ProgressCarriesTheElapsedAndTheEstimatedTotalTime) {
    job.FStartTime = std::chrono::steady_clock::now() - 10s;
    job.ParseOutput(Announcement(300) + FrameLine(20) + FrameLine(40) + FrameLine(60) + FrameLine(80) + FrameLine(100) +
                    FrameLine(120) + FrameLine(140) + FrameLine(150));
    testdriver::PumpUntilIdle();
    ASSERT_FALSE(window.reports().empty());
    const Report& half = window.reports().back();
    EXPECT_EQ(half.percent, 50);
    EXPECT_EQ(half.elapsed, "00:10");
    EXPECT_EQ(half.estimated, "00:20");
}

TEST_F(KelmParserTest, AnAnnouncementWithoutANumberLeavesFramesIgnored) {
    job.ParseOutput("          Total Frame : many\n" + FrameLine(1));
    EXPECT_TRUE(Percents().empty());
}

TEST_F(KelmParserTest, ANewRunForgetsTheLastRunsFrames) {
    job.ParseOutput(Announcement(100) + FrameLine(20));
    job.ResetProgress();
    job.ParseOutput(FrameLine(5));
    job.ParseOutput(Announcement(10) + FrameLine(5));
    EXPECT_EQ(Percents(), (std::vector<std::int32_t>{20, 50}));
}

class KelmCommandTest : public ::testing::Test {
  protected:
    TestKelmJob job;

    void SetUp() override {
        job.FSourceFile = "/in/my talk.wav";
        job.FDestFile = "/out/my talk.FNC";
    }
};

TEST_F(KelmCommandTest, FinchAtEachRate) {
    job.FMode = jmFinchEncode;
    for (const std::string rate : {"16", "20", "24"}) {
        job.FCommandPrefix = "finchenc " + rate;
        const auto command = job.BuildCommand(job.FDestFile);
        EXPECT_EQ(command.Text, "finchenc " + rate + " \"/in/my talk.wav\" \"/out/my talk.FNC\"");
        EXPECT_EQ(command.Arguments,
                  (std::vector<std::string>{"finchenc", rate, "/in/my talk.wav", "/out/my talk.FNC"}));
        EXPECT_TRUE(command.WorkingDirectory.empty());
    }
}

TEST_F(KelmCommandTest, LarkAtEachRateRunsBesideItsControlFile) {
    job.FMode = jmLarkEncode;
    job.FDestFile = "/out/my talk.LRK";
    for (const std::string rate : {"2", "1", "0"}) {
        job.FCommandPrefix = "teskenc rc.txt " + rate;
        const auto command = job.BuildCommand(job.FDestFile);
        EXPECT_EQ(command.Text, "teskenc rc.txt " + rate + " \"/in/my talk.wav\" \"/out/my talk.LRK\"");
        EXPECT_EQ(command.Arguments,
                  (std::vector<std::string>{"teskenc", "rc.txt", rate, "/in/my talk.wav", "/out/my talk.LRK"}));
    }
    job.FCommandPrefix = Bin("teskenc") + " rc.txt 0";
    EXPECT_TRUE(std::filesystem::equivalent(job.BuildCommand(job.FDestFile).WorkingDirectory, TRACKMILL_BIN_DIR));
}

TEST_F(KelmCommandTest, LarkPathsGivenRelativeStillMeanOurCurrentFolder) {
    job.FMode = jmLarkEncode;
    job.FCommandPrefix = "teskenc rc.txt 2";
    job.FSourceFile = "talk.wav";
    job.FDestFile = "talk.LRK";
    const auto command = job.BuildCommand(job.FDestFile);
    EXPECT_EQ(command.Text, "teskenc rc.txt 2 \"talk.wav\" \"talk.LRK\"");
    const std::filesystem::path here = std::filesystem::current_path();
    EXPECT_EQ(command.Arguments, (std::vector<std::string>{"teskenc", "rc.txt", "2", (here / "talk.wav").string(),
                                                           (here / "talk.LRK").string()}));
}

TEST_F(KelmCommandTest, ResampleKeepsTheOptionsBlanksInTheText) {
    job.FMode = jmResample;
    job.FDestFile = "/in/r_my talk.wav";
    job.FCommandPrefix = "rs -r 8000  -c 1 -b 16 ";
    auto command = job.BuildCommand(job.FDestFile);
    EXPECT_EQ(command.Text, "rs -r 8000  -c 1 -b 16  \"/in/my talk.wav\" \"/in/r_my talk.wav\"");
    EXPECT_EQ(command.Arguments, (std::vector<std::string>{"rs", "-r", "8000", "-c", "1", "-b", "16", "/in/my talk.wav",
                                                           "/in/r_my talk.wav"}));
    EXPECT_TRUE(command.WorkingDirectory.empty());

    job.FCommandPrefix = "rs -c 1";
    command = job.BuildCommand(job.FDestFile);
    EXPECT_EQ(command.Text, "rs -c 1 \"/in/my talk.wav\" \"/in/r_my talk.wav\"");
    EXPECT_EQ(command.Arguments, (std::vector<std::string>{"rs", "-c", "1", "/in/my talk.wav", "/in/r_my talk.wav"}));
}

class KelmRunTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    ReportWindow window;
    TestKelmJob job;
    const std::string speech = std::string(TRACKMILL_TEST_DATA) + "/speech8k.wav";

    void SetUp() override { job.FNotifyWindow = window.handle(); }

    void TearDown() override {
        job.Stop(0);
        testdriver::PumpUntil([] { return TJobThread::Live() == 0; }, 10s);
    }

    void Run(TKelmJobMode mode, const std::string& prefix, const std::string& source, const std::string& dest) {
        window.clear();
        job.FMode = mode;
        job.FCommandPrefix = prefix;
        job.FSourceFile = source;
        job.FDestFile = dest;
        job.FRunning = true;
        job.Start();
        ASSERT_TRUE(window.waitFor(PI_KELM_DONE, 60s));
        ASSERT_EQ(window.count(PI_KELM_DONE), 1u);
    }

    std::int32_t EndStatus() const { return window.markers(PI_KELM_DONE)[0].status; }
};

TEST_F(KelmRunTest, FinchFileSizeAtEachRateAndProgressToTheEnd) {
    const std::vector<std::uint8_t> wav = testsupport::readFileBytes(speech);
    const std::uint64_t samples = testsupport::le32At(wav, 40) / 2;
    const std::uint64_t frames = (samples + 383) / 384;
    const std::pair<const char*, std::uint64_t> rates[] = {{"16", 96}, {"20", 120}, {"24", 144}};
    for (const auto& [rate, frameBytes] : rates) {
        const std::string dest = folder.file(std::string("speech ") + rate + ".FNC");
        Run(jmFinchEncode, Bin("finchenc ") + rate, speech, dest);
        EXPECT_EQ(EndStatus(), JOB_CHILD_ENDED);
        // A two-byte head, every frame plus the one that empties the filter bank, three closing bytes.
        EXPECT_EQ(std::filesystem::file_size(dest), 2 + (frames + 1) * frameBytes + 3) << rate;
        const std::vector<std::int32_t> percents = window.percents();
        ASSERT_FALSE(percents.empty()) << rate;
        EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
        EXPECT_GE(percents.front(), 1);
        EXPECT_EQ(percents.back(), 100);
        EXPECT_EQ(window.reports().back().percent, PI_KELM_DONE);
    }
}

TEST_F(KelmRunTest, DeclinedOverwriteKeepsTheOutputAndStartsNothing) {
    const std::string dest = folder.file("speech.FNC");
    testsupport::writeFileBytes(dest, {1, 2, 3});
    job.answer = false;
    Run(jmFinchEncode, Bin("finchenc 16"), speech, dest);
    EXPECT_EQ(EndStatus(), JOB_OVERWRITE_DECLINED);
    EXPECT_EQ(job.questions, 1);
    EXPECT_EQ(testsupport::readFileBytes(dest), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(KelmRunTest, LarkEncoderWritesItsFileFromAnyCurrentFolder) {
    const std::string source = folder.file("my talk.wav");
    std::filesystem::copy_file(speech, source);
    const std::string dest = folder.file("my talk.LRK");
    Run(jmLarkEncode, Bin("teskenc rc.txt 1"), source, dest);
    EXPECT_EQ(EndStatus(), JOB_CHILD_ENDED);
    ASSERT_TRUE(std::filesystem::exists(dest));
    EXPECT_GT(std::filesystem::file_size(dest), 0u);
    EXPECT_TRUE(window.percents().empty());
    EXPECT_EQ(job.questions, 0);
}

TEST_F(KelmRunTest, ResamplerMakesAnEightKilohertzMonoCopyWithoutAsking) {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < 44100; ++i) {
        const auto value = static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 440 * i / 44100.0));
        samples.push_back(value);
        samples.push_back(value);
    }
    const std::string source = folder.file("tone.wav");
    testsupport::writeFileBytes(source, testsupport::wavFileBytes(2, 44100, 16, testsupport::sampleBytes(samples)));
    const std::string dest = folder.file("r_tone.wav");
    testsupport::writeFileBytes(dest, {9});
    Run(jmResample, Bin("rs -r 8000  -c 1 -b 16 "), source, dest);
    EXPECT_EQ(EndStatus(), JOB_CHILD_ENDED);
    EXPECT_EQ(job.questions, 0);
    const std::vector<std::uint8_t> copy = testsupport::readFileBytes(dest);
    ASSERT_GE(copy.size(), 44u);
    EXPECT_EQ(std::string(copy.begin(), copy.begin() + 4), "RIFF");
    EXPECT_EQ(copy[22] | copy[23] << 8, 1);           // channels
    EXPECT_EQ(testsupport::le32At(copy, 24), 8000u);  // sample rate
    EXPECT_EQ(copy[34] | copy[35] << 8, 16);          // bits per sample
    // One second of sound, give or take the converter's edges.
    EXPECT_NEAR(static_cast<double>(copy.size() - 44), 16000.0, 400.0);
}

TEST_F(KelmRunTest, AnOutputThatIsTheInputItselfIsRefusedAsInUseWithoutAQuestion) {
    const std::string source = folder.file("talk.FNC");
    std::filesystem::copy_file(speech, source);
    const std::vector<std::uint8_t> before = testsupport::readFileBytes(source);
    Run(jmFinchEncode, Bin("finchenc 16"), source, folder.file("./talk.FNC"));
    EXPECT_EQ(EndStatus(), JOB_OUTPUT_IN_USE);
    EXPECT_EQ(job.questions, 0);
    EXPECT_EQ(testsupport::readFileBytes(source), before);
}

TEST_F(KelmRunTest, AMissingProgramRaisesWithTheErrorNumberAndPostsNothing) {
    job.FMode = jmLarkEncode;
    job.FCommandPrefix = "no-such-kelm-encoder rc.txt 2";
    job.FSourceFile = speech;
    job.FDestFile = folder.file("x.LRK");
    job.FRunning = true;
    try {
        job.Start();
        FAIL() << "started a missing program";
    } catch (const framework::Exception& error) {
        EXPECT_EQ(error.Message(), "产生Kelm编码进程时出错！2");
    }
    ReportWindow::pumpFor(200ms);
    EXPECT_TRUE(window.reports().empty());
}

}  // namespace
