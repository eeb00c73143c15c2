// The child-job mechanism over the fake child: ordering of output and end, the idle poll, the overwrite
// question, start failures, stopping and freeing while output flows, reuse, and arguments passed literally.
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "FakeJob.h"
#include "ReportWindow.h"
#include "platform/framework/Exception.h"
#include "platform/process/ChildReaper.h"
#include "platform/testing/MessagePump.h"
#include "tests/support/ProcessTable.h"
#include "tests/support/ScratchFolder.h"
#include "trackmill/app/jobs/JobThread.h"
#include "trackmill/app/jobs/ProcessInfo.h"

using namespace std::chrono_literals;

namespace {

class JobTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    ReportWindow window;
    FakeJob job;

    void SetUp() override {
        job.FNotifyWindow = window.handle();
        job.FDestFile = folder.file("out");
    }

    void TearDown() override {
        job.Stop(0);
        WaitForThreadsGone();
    }

    void Run(std::vector<std::string> arguments) {
        job.FArguments = std::move(arguments);
        job.FRunning = true;
        job.Start();
    }

    bool WaitForChunks(std::size_t count) {
        return testdriver::PumpUntil([&] { return job.FChunks.size() >= count; }, 10s);
    }

    static void WaitForThreadsGone() {
        testdriver::PumpUntil([] { return TJobThread::Live() == 0; }, 60s);
        ASSERT_EQ(TJobThread::Live(), 0);
    }

    // Jobs whose children write without end, several at once: each waits out the job thread's idle poll
    // before its first output is read, so side by side they take one poll where one after another they took
    // one each.
    static constexpr int kFloodRounds = 5;
    static constexpr int kFloodsAtOnce = 10;

    std::vector<std::unique_ptr<FakeJob>> StartFloods() {
        std::vector<std::unique_ptr<FakeJob>> jobs;
        for (int i = 0; i < kFloodsAtOnce; ++i) {
            auto flowing = std::make_unique<FakeJob>();
            flowing->FNotifyWindow = window.handle();
            flowing->FArguments = {"flood"};
            flowing->FRunning = true;
            flowing->Start();
            jobs.push_back(std::move(flowing));
        }
        return jobs;
    }

    // Hands each job to the action as soon as its first output has been read, while the others' flows go on;
    // false when one has no output within the time.
    static bool OnFirstOutputOfEach(std::vector<std::unique_ptr<FakeJob>>& jobs,
                                    const std::function<void(std::unique_ptr<FakeJob>&, std::size_t)>& action) {
        std::vector<bool> handled(jobs.size(), false);
        return testdriver::PumpUntil(
            [&] {
                for (std::size_t i = 0; i < jobs.size(); ++i) {
                    if (handled[i] || jobs[i]->FChunks.empty()) continue;
                    handled[i] = true;
                    action(jobs[i], i);
                }
                return std::find(handled.begin(), handled.end(), false) == handled.end();
            },
            60s);
    }
};

TEST_F(JobTest, OutputThenImmediateExitIsAllParsedBeforeOneEnd) {
    Run({"script", "o:0:10\\n", "e:0:20\\n", "o:0:30\\n", "e:0:40\\n", "o:0:50\\n"});
    ASSERT_TRUE(window.waitFor(PI_KELM_DONE));
    ReportWindow::pumpFor(300ms);
    std::vector<std::int32_t> percents = window.percents();
    std::sort(percents.begin(), percents.end());
    EXPECT_EQ(percents, (std::vector<std::int32_t>{10, 20, 30, 40, 50}));
    ASSERT_EQ(window.count(PI_KELM_DONE), 1u);
    EXPECT_EQ(window.markers(PI_KELM_DONE)[0].status, JOB_CHILD_ENDED);
    EXPECT_EQ(window.reports().back().percent, PI_KELM_DONE);
}

TEST_F(JobTest, TheEndCarriesTheChildsExitStatus) {
    for (const int code : {0, 1, 3}) {
        window.clear();
        Run({"exit", std::to_string(code)});
        ASSERT_TRUE(window.waitFor(PI_KELM_DONE)) << code;
        EXPECT_EQ(window.markers(PI_KELM_DONE)[0].status, JOB_CHILD_ENDED);
        EXPECT_EQ(window.markers(PI_KELM_DONE)[0].exitCode, code);
    }
}

TEST_F(JobTest, ChildWithoutPipesIsOnlyAwaited) {
    job.FUsePipes = false;
    Run({"script", "o:0:10\\n", "e:50:20\\n"});
    ASSERT_TRUE(window.waitFor(PI_KELM_DONE));
    EXPECT_EQ(window.markers(PI_KELM_DONE)[0].status, JOB_CHILD_ENDED);
    EXPECT_TRUE(job.FChunks.empty());
    EXPECT_TRUE(window.percents().empty());
}

TEST_F(JobTest, SilentChildEndIsSeenWithinThePollPeriod) {
    const std::string stamp = folder.file("stamp");
    Run({"silent", "200", stamp});
    ASSERT_TRUE(window.waitFor(PI_KELM_DONE));
    std::ifstream in(stamp);
    long long endedNs = 0;
    ASSERT_TRUE(in >> endedNs);
    const auto seen = window.markers(PI_KELM_DONE)[0].received.time_since_epoch();
    const auto delay = std::chrono::duration_cast<std::chrono::milliseconds>(seen - std::chrono::nanoseconds(endedNs));
    EXPECT_LT(delay.count(), 1000) << "the end of a silent child waited for more than the idle poll";
    EXPECT_TRUE(job.FChunks.empty());
}

TEST_F(JobTest, DeclinedOverwriteEndsWithStatusZeroAndStartsNothing) {
    const std::string stamp = folder.file("stamp");
    job.FDestFile = folder.file("out.mp3");
    std::ofstream(job.FDestFile) << "old";
    job.FAnswer = false;
    Run({"silent", "0", stamp});
    EXPECT_EQ(job.FQuestions, 1);
    // Posted, never delivered inside Start.
    EXPECT_TRUE(window.reports().empty());
    ASSERT_TRUE(window.waitFor(PI_KELM_DONE));
    EXPECT_EQ(window.markers(PI_KELM_DONE)[0].status, JOB_OVERWRITE_DECLINED);
    ReportWindow::pumpFor(300ms);
    EXPECT_FALSE(std::filesystem::exists(stamp)) << "a child was started";
    EXPECT_EQ(window.count(PI_KELM_DONE), 1u);
    EXPECT_EQ(TJobThread::Live(), 0);
}

TEST_F(JobTest, OutputInUseOrTheInputItselfEndsWithStatusOne) {
    job.FDestFile = folder.file("out.mp3");
    std::ofstream(job.FDestFile) << "old";
    job.FSourceFile = folder.file("sub/../out.mp3");
    std::filesystem::create_directory(folder.file("sub"));
    const std::string stamp = folder.file("stamp");
    Run({"silent", "0", stamp});
    EXPECT_EQ(job.FQuestions, 0);
    ASSERT_TRUE(window.waitFor(PI_KELM_DONE));
    EXPECT_EQ(window.markers(PI_KELM_DONE)[0].status, JOB_OUTPUT_IN_USE);

    window.clear();
    job.FSourceFile = folder.file("in.wav");
    std::ifstream holder(job.FDestFile);
    Run({"silent", "0", stamp});
    EXPECT_EQ(job.FQuestions, 1);
    ASSERT_TRUE(window.waitFor(PI_KELM_DONE));
    EXPECT_EQ(window.markers(PI_KELM_DONE)[0].status, JOB_OUTPUT_IN_USE);
    EXPECT_FALSE(std::filesystem::exists(stamp));
}

TEST_F(JobTest, MissingProgramRaisesWithTheErrorNumberAndPostsNothing) {
    job.FProgram = "no-such-program.exe";
    const int descriptors = testsupport::openDescriptorCount();
    try {
        Run({});
        FAIL() << "no exception";
    } catch (const framework::Exception& error) {
        EXPECT_EQ(error.Message(), "start failed: 2");
    }
    ReportWindow::pumpFor(200ms);
    EXPECT_TRUE(window.reports().empty());
    EXPECT_EQ(testsupport::openDescriptorCount(), descriptors);
}

TEST_F(JobTest, StopDuringHeavyOutputLeavesNoZombieNoDescriptorAndNoEnd) {
    // The reaper's wake-up descriptor stays for the life of the program: it is there before the counting starts.
    platform::process::ChildReaper::instance();
    const int descriptors = testsupport::openDescriptorCount();
    for (int round = 0; round < kFloodRounds; ++round) {
        std::vector<std::unique_ptr<FakeJob>> jobs = StartFloods();
        ASSERT_TRUE(
            OnFirstOutputOfEach(jobs, [](std::unique_ptr<FakeJob>& flowing, std::size_t) { flowing->Stop(0); }));
        WaitForThreadsGone();
    }
    // Whatever the stopped jobs had still queued runs now: none of it may be an end.
    testdriver::PumpUntilIdle();
    EXPECT_EQ(window.count(PI_KELM_DONE), 0u);
    // The reaper kills what SIGTERM left after its grace period, and lets go of each child's exit notice once
    // it has reaped it; a loaded machine may take its time with both.
    testdriver::PumpUntil(
        [&] { return testsupport::ourChildren().empty() && testsupport::openDescriptorCount() == descriptors; }, 60s);
    EXPECT_TRUE(testsupport::ourChildren().empty());
    EXPECT_EQ(testsupport::openDescriptorCount(), descriptors);
}

TEST_F(JobTest, StopOrFreeWhileOutputFlowsNeverReachesAFreedJob) {
    for (int round = 0; round < kFloodRounds * 2; ++round) {
        std::vector<std::unique_ptr<FakeJob>> jobs = StartFloods();
        // Calls queued by a worker before its job went run at the next pump, against a job that no longer
        // exists, while the other jobs' output goes on flowing.
        ASSERT_TRUE(OnFirstOutputOfEach(jobs, [](std::unique_ptr<FakeJob>& flowing, std::size_t i) {
            if (i % 2 == 0) flowing->Stop(0);
            flowing.reset();
        }));
    }
    WaitForThreadsGone();
    EXPECT_EQ(window.count(PI_KELM_DONE), 0u);
}

TEST_F(JobTest, AStopAfterTheChildEndedKeepsWhatItWrote) {
    // The child has written its output and ended; its end waits for this thread, which does not pump until the
    // stop has come.
    job.FDestFile = folder.file("report.txt");
    job.FPassOutput = true;
    Run({"report"});
    const auto giveUp = std::chrono::steady_clock::now() + 60s;
    while (!testsupport::ourChildren().empty() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(1ms);
    ASSERT_TRUE(testsupport::ourChildren().empty());
    EXPECT_TRUE(window.reports().empty());
    job.Stop(0);
    EXPECT_GT(std::filesystem::file_size(job.FDestFile), 0u);
    WaitForThreadsGone();
    EXPECT_EQ(window.count(PI_KELM_DONE), 0u);
}

TEST_F(JobTest, FailedPipeReadStillEndsTheJob) {
    job.FFailNextOutputRead = true;
    Run({"script", "o:0:10\\n", "e:100:20\\n", "o:100:30\\n"});
    ASSERT_TRUE(window.waitFor(PI_KELM_DONE));
    EXPECT_EQ(window.markers(PI_KELM_DONE)[0].status, JOB_CHILD_ENDED);
    EXPECT_EQ(window.percents(), (std::vector<std::int32_t>{20}));
}

TEST_F(JobTest, AChildStillWritingToAFailedPipeDoesNotHoldUpTheEnd) {
    job.FFailNextOutputRead = true;
    // Far more than a pipe holds, written after the failed read: nobody reads it any more.
    Run({"script", "o:0:10\\n", "o:100:" + std::string(120 * 1024, '7')});
    ASSERT_TRUE(window.waitFor(PI_KELM_DONE, 10s));
    EXPECT_EQ(window.markers(PI_KELM_DONE)[0].status, JOB_CHILD_ENDED);
    EXPECT_TRUE(window.percents().empty());
}

TEST_F(JobTest, OneJobServesSeveralRunsInTurn) {
    for (const char* text : {"11\\n", "22\\n", "33\\n"}) {
        window.clear();
        Run({"script", std::string("o:0:") + text});
        ASSERT_TRUE(window.waitFor(PI_KELM_DONE));
        EXPECT_EQ(window.percents(), (std::vector<std::int32_t>{std::atoi(text)}));
    }
}

TEST_F(JobTest, FileNamesReachTheChildAsOneLiteralArgumentEach) {
    job.FSourceFile = folder.file("say \"hi\" $(touch pwned) `id`.wav");
    job.FDestFile = folder.file("a b;c.mp3");
    job.FPassPaths = true;
    Run({"argv"});
    ASSERT_TRUE(window.waitFor(PI_KELM_DONE));
    const std::string text = job.Text();
    ASSERT_EQ(text.rfind(job.FSourceFile + '\0', 0), 0u);
    // The child writes beside the output, under a name of its own until it has succeeded.
    const std::string output = text.substr(job.FSourceFile.size() + 1, text.size() - job.FSourceFile.size() - 2);
    EXPECT_EQ(std::filesystem::path(output).parent_path(), std::filesystem::path(job.FDestFile).parent_path());
    EXPECT_NE(output, job.FDestFile);
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

}  // namespace
