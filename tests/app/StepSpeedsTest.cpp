// The speeds learned for the steps without progress of their own, the estimates shown from them, and the command
// head of each model and rate with the rate index read back from it.
#include <gtest/gtest.h>

#include <limits>

#include "trackmill/app/jobs/KelmCommandPrefix.h"
#include "trackmill/app/jobs/StepSpeeds.h"

namespace {

TEST(StepEstimateTest, DefaultSpeedsPerStepAndLarkRate) {
    // 1,638,400 bytes at Lark rate index 1 (160 KiB/s): ten seconds and two of start-up, a tick every 500 ms.
    TStepEstimate lark = EstimateStep(1638400, 0, TEstimatedStep::Lark, 1);
    EXPECT_EQ(lark.Seconds, 12);
    EXPECT_EQ(lark.BarMax, 24);
    EXPECT_EQ(EstimateStep(4147200, 0, TEstimatedStep::Lark, 0).Seconds, 12);  // 405 KiB/s
    EXPECT_EQ(EstimateStep(1484800, 0, TEstimatedStep::Lark, 2).Seconds, 12);  // 145 KiB/s
    TStepEstimate resample = EstimateStep(3145728 * 3, 0, TEstimatedStep::Resample, 2);
    EXPECT_EQ(resample.Seconds, 5);
    EXPECT_EQ(resample.BarMax, 10);
}

TEST(StepEstimateTest, ALearnedSpeedGivesTheTimeItTakes) {
    TStepEstimate estimate = EstimateStep(3000000, 100, TEstimatedStep::Resample, 2);
    EXPECT_EQ(estimate.Seconds, 30);
    EXPECT_EQ(estimate.BarMax, 60);
    EXPECT_EQ(EstimateStep(3000000, 100, TEstimatedStep::Lark, 0).Seconds, 30);
}

TEST(StepEstimateTest, ALearnedSpeedOfZeroOrLessCountsAsNoneAndTheBarAlwaysHasAnEnd) {
    for (std::int32_t bad : {0, -1, -100, std::numeric_limits<std::int32_t>::min()}) {
        TStepEstimate estimate = EstimateStep(1638400, bad, TEstimatedStep::Lark, 1);
        EXPECT_EQ(estimate.Seconds, 12) << bad;
        EXPECT_EQ(estimate.BarMax, 24) << bad;
    }
    // Faster than one tick: the bar still has a range to fill.
    EXPECT_EQ(EstimateStep(10, 1000, TEstimatedStep::Resample, 2).BarMax, 1);
    EXPECT_EQ(EstimateStep(0, 1000, TEstimatedStep::Resample, 2).Seconds, 0);
    // An enormous file at a crawl stays inside the bar's range.
    EXPECT_EQ(EstimateStep(std::numeric_limits<std::int64_t>::max(), 1, TEstimatedStep::Lark, 1).BarMax,
              std::numeric_limits<std::int32_t>::max());
    EXPECT_GE(EstimateStep(-5, 0, TEstimatedStep::Lark, 1).BarMax, 1);
}

TEST(LearnSpeedTest, TheFirstTimingIsTakenThenAveraged) {
    std::int32_t rate = 0, count = 0;
    LearnSpeed(rate, count, 3000000, 10);  // 300 bytes/ms
    EXPECT_EQ(rate, 300);
    EXPECT_EQ(count, 1);
    LearnSpeed(rate, count, 3000000, 30);  // 100 bytes/ms: (300 + 100) / 2
    EXPECT_EQ(rate, 200);
    LearnSpeed(rate, count, 1000000, 3);  // 333: (200 + 333) / 2, truncated
    EXPECT_EQ(rate, 266);
    EXPECT_EQ(count, 3);
}

TEST(LearnSpeedTest, AStepOfTwoSecondsOrLessCountsWithoutChangingTheRate) {
    std::int32_t rate = 150, count = 4;
    LearnSpeed(rate, count, 3000000, 2);
    LearnSpeed(rate, count, 3000000, 0);
    EXPECT_EQ(rate, 150);
    EXPECT_EQ(count, 6);
}

TEST(LearnSpeedTest, TenTimingsAndTheRateIsKept) {
    std::int32_t rate = 0, count = 0;
    for (int i = 0; i < 10; ++i) LearnSpeed(rate, count, 5000000, 5);
    EXPECT_EQ(rate, 1000);
    EXPECT_EQ(count, 10);
    LearnSpeed(rate, count, 5000000, 50);
    EXPECT_EQ(rate, 1000);
    EXPECT_EQ(count, 10);
}

TEST(LearnSpeedTest, ABadStoredRateIsReplacedNotAveraged) {
    std::int32_t rate = -400, count = 2;
    LearnSpeed(rate, count, 3000000, 10);
    EXPECT_EQ(rate, 300);
    std::int32_t huge = std::numeric_limits<std::int32_t>::max(), n = 0;
    LearnSpeed(huge, n, std::numeric_limits<std::int64_t>::max(), 3);
    EXPECT_EQ(huge, std::numeric_limits<std::int32_t>::max());
}

TEST(KelmCommandPrefixTest, EveryModelAndRate) {
    EXPECT_EQ(KelmCommandPrefix(LarkModel, 0), "teskenc.exe rc.txt 2");
    EXPECT_EQ(KelmCommandPrefix(LarkModel, 1), "teskenc.exe rc.txt 1");
    EXPECT_EQ(KelmCommandPrefix(LarkModel, 2), "teskenc.exe rc.txt 0");
    EXPECT_EQ(KelmCommandPrefix(FinchModel, 0), "finchenc.exe 16");
    EXPECT_EQ(KelmCommandPrefix(FinchModel, 1), "finchenc.exe 20");
    EXPECT_EQ(KelmCommandPrefix(FinchModel, 2), "finchenc.exe 24");
}

TEST(KelmCommandPrefixTest, AModelOrRateThatNamesNoItemGivesNothingToRun) {
    for (int rate : {-1, 3, 99}) {
        EXPECT_EQ(KelmCommandPrefix(LarkModel, rate), "") << rate;
        EXPECT_EQ(KelmCommandPrefix(FinchModel, rate), "") << rate;
    }
    for (int model : {-1, 2}) EXPECT_EQ(KelmCommandPrefix(model, 1), "") << model;
}

TEST(GetRateIndexTest, TheLarkRateItemComesBackFromItsPrefix) {
    for (int item = 0; item < 3; ++item) EXPECT_EQ(GetRateIndex(KelmCommandPrefix(LarkModel, item)), item);
    EXPECT_EQ(GetRateIndex("finchenc.exe 16"), 2);  // 6 is out of range
    EXPECT_EQ(GetRateIndex("finchenc.exe 20"), 2);
    EXPECT_EQ(GetRateIndex("teskenc.exe rc.txt "), 2);  // no digit counts as 0
    EXPECT_EQ(GetRateIndex(""), 0);
}

}  // namespace
