// The gain pass: rounding and saturation of the scaled samples, the header copied as it is, progress, and a failure
// that leaves the track alone and names its cause.
#include <gtest/gtest.h>
#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "ReportWindow.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SmallFileSystem.h"
#include "tests/support/WavFixture.h"
#include "trackmill/app/jobs/GainPass.h"
#include "trackmill/app/jobs/ProcessInfo.h"

namespace {

class GainPassTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    std::string wav = folder.file("Track1.wav");
    ReportWindow window;

    std::vector<std::int16_t> Scaled(std::int32_t percent, const std::vector<std::int16_t>& samples) {
        testsupport::writeFileBytes(wav, testsupport::wavFileBytes(2, 44100, 16, testsupport::sampleBytes(samples)));
        EXPECT_EQ(NormalizeWav(window.handle(), percent, wav), 0);
        return testsupport::samplesAfterHeader(testsupport::readFileBytes(wav));
    }

    static std::vector<std::string> FilesIn(const std::filesystem::path& path) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(GainPassTest, HalfGainRoundsHalvesToEven) {
    EXPECT_EQ(Scaled(50, {3, 5, -3, 7, -32768, 32767}), (std::vector<std::int16_t>{2, 2, -2, 4, -16384, 16384}));
}

TEST_F(GainPassTest, AGainAboveOneSaturatesInsteadOfWrapping) {
    EXPECT_EQ(Scaled(150, {32767, -32768, 21845, -21846, 100}),
              (std::vector<std::int16_t>{32767, -32768, 32767, -32768, 150}));
}

TEST_F(GainPassTest, NinetyFivePercentIsSlightlyBelowItsDecimalValue) {
    // 10 x 0.949999988 is just below 9.5.
    EXPECT_EQ(Scaled(95, {10, 20, -10}), (std::vector<std::int16_t>{9, 19, -9}));
}

TEST_F(GainPassTest, FullGainLeavesTheFileIdentical) {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < 3000; ++i) samples.push_back(static_cast<std::int16_t>(i * 37 - 40000 / 3));
    const auto before = testsupport::wavFileBytes(2, 44100, 16, testsupport::sampleBytes(samples));
    testsupport::writeFileBytes(wav, before);
    ASSERT_EQ(NormalizeWav(window.handle(), 100, wav), 0);
    EXPECT_EQ(testsupport::readFileBytes(wav), before);
}

TEST_F(GainPassTest, ProgressPerBlockAfterTheMarker) {
    // 44 + 4096 bytes: blocks at 44, 2092 and 4140 bytes processed.
    const std::vector<std::int16_t> samples(2048, 1000);
    testsupport::writeFileBytes(wav, testsupport::wavFileBytes(2, 44100, 16, testsupport::sampleBytes(samples)));
    ASSERT_EQ(NormalizeWav(window.handle(), 80, wav), 0);
    ReportWindow::pumpFor(std::chrono::milliseconds(50));
    EXPECT_EQ(window.percents(), (std::vector<std::int32_t>{1, 50, 100}));
    ASSERT_FALSE(window.reports().empty());
    EXPECT_EQ(window.reports().front().percent, PI_NORMALIZING);
}

TEST_F(GainPassTest, AFullDiskRemovesTheCopyAndKeepsTheTrack) {
    const testsupport::SmallFileSystem disk(1024 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    const std::string track = disk.file("Track1.wav");
    const auto before =
        testsupport::wavFileBytes(2, 44100, 16, testsupport::sampleBytes(std::vector<std::int16_t>(50000, 1234)));
    testsupport::writeFileBytes(track, before);
    disk.fill(16 * 1024);
    EXPECT_EQ(NormalizeWav(window.handle(), 50, track), ENOSPC);
    EXPECT_EQ(testsupport::readFileBytes(track), before);
    EXPECT_EQ(FilesIn(disk.path()), (std::vector<std::string>{"Track1.wav", "filler"}));
}

TEST_F(GainPassTest, AFileNamedLikeTheOldCopyIsLeftAlone) {
    const std::vector<std::uint8_t> users = {'m', 'i', 'n', 'e'};
    testsupport::writeFileBytes(folder.file("Track1.nor"), users);
    Scaled(50, {4, 8});
    EXPECT_EQ(testsupport::readFileBytes(folder.file("Track1.nor")), users);
    EXPECT_EQ(FilesIn(folder.path()), (std::vector<std::string>{"Track1.nor", "Track1.wav"}));
}

TEST_F(GainPassTest, MissingTrackFails) {
    EXPECT_EQ(NormalizeWav(window.handle(), 50, folder.file("none.wav")), ENOENT);
    EXPECT_TRUE(FilesIn(folder.path()).empty());
}

}  // namespace
