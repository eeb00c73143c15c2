// Ripping tracks of BIN/CUE images: the bytes, the header, progress, stopping, failures and the gain pass.
#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>

#include "CdFaults.h"
#include "CueImage.h"
#include "ImageDrives.h"
#include "ReportWindow.h"
#include "platform/cdrom/CdAudio.h"
#include "platform/cdrom/TestHooks.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SmallFileSystem.h"
#include "trackmill/app/jobs/CDRipThread.h"
#include "trackmill/app/jobs/CloseCDIfOpen.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/options/OptionsSetting.h"

namespace cd = platform::cdrom;
using cdrom_test::CueImage;

namespace {

// Track 1 does not start at sector 0.
cdrom_test::ImageLayout Layout() {
    cdrom_test::ImageLayout layout;
    layout.leadSectors = 33;
    layout.tracks = {{0, 25, true}, {0, 1000, true}, {0, 40, true}};
    return layout;
}

cd::HCDROM OpenFirstDrive() {
    cd::TCDList list;
    list.max = cd::MAX_CD_DRIVES;
    cd::GetCDList(&list);
    if (list.num == 0) return 0;
    cd::TGetCDHandleParams params;
    params.size = 12;
    params.ver = 1;
    params.ha = list.cd[0].ha;
    params.tgt = list.cd[0].tgt;
    params.lun = list.cd[0].lun;
    return cd::GetCDHandle(&params);
}

class RipThreadTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder images;
    testsupport::ScratchFolder output;
    CueImage image = CueImage::Write(images.path(), "disc", Layout());
    cdrom_test::ImageDrives drives{{image.cuePath()}};
    cd::HCDROM handle = OpenFirstDrive();
    ReportWindow window;
    TCDRipThread* thread = nullptr;

    void SetUp() override {
        ASSERT_NE(handle, 0u);
        Options = TOptionsSetting{};
        Options.OutputFolder = (output.path().string() + "/");
        Options.NormalizePercent = 95;
    }

    ~RipThreadTest() override {
        if (thread != nullptr) thread->Free();
        cd::CloseCDHandle(handle);
    }

    void Start(int track) {
        thread = new TCDRipThread(track);
        thread->FCDHandle = handle;
        thread->FNotifyWindow = window.handle();
        thread->Resume();
    }

    // Runs the thread to its end and lets its messages arrive.
    void Finish() {
        thread->WaitFor();
        ReportWindow::pumpFor(std::chrono::milliseconds(20));
    }

    std::string TrackFile(int track) const { return output.file("Track" + std::to_string(track) + ".wav"); }

    std::vector<std::string> FilesInOutput() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(output.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(RipThreadTest, WavIsTheImageSliceBehindAValidHeader) {
    Start(2);
    Finish();
    const auto wav = testsupport::readFileBytes(TrackFile(2));
    ASSERT_EQ(wav.size(), 2352044u);
    EXPECT_EQ(testsupport::le32At(wav, 4), 2352036u);
    EXPECT_EQ(testsupport::le32At(wav, 40), 2352000u);
    const auto audio = image.sectors(image.trackStart(2), 1000);
    EXPECT_TRUE(std::equal(audio.begin(), audio.end(), wav.begin() + 44));
    ASSERT_EQ(window.count(PI_TRACK_DONE), 1u);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].status, TRACK_DONE_OK);
    EXPECT_EQ(window.reports().back().percent, PI_TRACK_DONE);
}

TEST_F(RipThreadTest, FirstTrackAfterLeadSectorsIsReadFromItsOwnStart) {
    Start(1);
    Finish();
    const auto wav = testsupport::readFileBytes(TrackFile(1));
    ASSERT_EQ(wav.size(), 44u + 25 * 2352);
    const auto audio = image.sectors(image.trackStart(1), 25);
    EXPECT_TRUE(std::equal(audio.begin(), audio.end(), wav.begin() + 44));
}

TEST_F(RipThreadTest, ProgressPerReadOfTenSectors) {
    Start(1);
    Finish();
    EXPECT_EQ(window.percents(), (std::vector<std::int32_t>{40, 80, 100}));
}

TEST_F(RipThreadTest, StopAfterTheThirdReadKeepsTheOlderFileAndLeavesNothingElse) {
    const std::vector<std::uint8_t> older = {'o', 'l', 'd'};
    testsupport::writeFileBytes(TrackFile(3), older);
    std::atomic<int> reads{0};
    cd::SetOperationHook([&](cd::CdOperation operation) {
        if (operation == cd::CdOperation::ReadAudio && ++reads == 3) thread->FStopFlag = true;
        return true;
    });
    Start(3);
    Finish();
    cd::SetOperationHook({});
    EXPECT_EQ(testsupport::readFileBytes(TrackFile(3)), older);
    EXPECT_EQ(FilesInOutput(), (std::vector<std::string>{"Track3.wav"}));
    EXPECT_EQ(window.count(PI_TRACK_DONE), 0u);
    EXPECT_EQ(window.percents(), (std::vector<std::int32_t>{25, 50, 75}));
}

TEST_F(RipThreadTest, FailedThirdReadKeepsTheOlderFileAndLeavesNothingElse) {
    const std::vector<std::uint8_t> older = {'o', 'l', 'd'};
    testsupport::writeFileBytes(TrackFile(3), older);
    cdrom_test::CdFaults faults;
    faults.failReadNumber(3);
    Start(3);
    Finish();
    EXPECT_EQ(testsupport::readFileBytes(TrackFile(3)), older);
    EXPECT_EQ(FilesInOutput(), (std::vector<std::string>{"Track3.wav"}));
    ASSERT_EQ(window.count(PI_TRACK_DONE), 1u);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].status, TRACK_READ_FAILED);
}

TEST_F(RipThreadTest, ImageRemovedDuringTheRipFailsThatRead) {
    std::atomic<int> reads{0};
    cd::SetOperationHook([&](cd::CdOperation operation) {
        if (operation == cd::CdOperation::ReadAudio && ++reads == 3) std::filesystem::remove(image.binPath());
        return true;
    });
    Start(3);
    Finish();
    cd::SetOperationHook({});
    EXPECT_EQ(reads, 3);
    ASSERT_EQ(window.count(PI_TRACK_DONE), 1u);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].status, TRACK_READ_FAILED);
    EXPECT_TRUE(FilesInOutput().empty());
}

TEST_F(RipThreadTest, ImageReplacedDuringTheRipIsReadFromThen) {
    // The same disc with every byte of sound inverted, put in place the way a copy lands: by a rename.
    std::vector<std::uint8_t> inverted = testsupport::readFileBytes(image.binPath());
    for (std::uint8_t& byte : inverted) byte = static_cast<std::uint8_t>(~byte);
    const std::filesystem::path landing = images.file("landing.tmp");
    testsupport::writeFileBytes(landing, inverted);
    std::atomic<int> reads{0};
    cd::SetOperationHook([&](cd::CdOperation operation) {
        if (operation == cd::CdOperation::ReadAudio && ++reads == 3) std::filesystem::rename(landing, image.binPath());
        return true;
    });
    Start(3);
    Finish();
    cd::SetOperationHook({});
    const auto wav = testsupport::readFileBytes(TrackFile(3));
    ASSERT_EQ(wav.size(), 44u + 40 * 2352);
    const auto before = image.sectors(image.trackStart(3), 20);
    const std::size_t first = static_cast<std::size_t>(image.trackStart(3) + 20) * 2352;
    EXPECT_TRUE(std::equal(before.begin(), before.end(), wav.begin() + 44));
    EXPECT_TRUE(std::equal(inverted.begin() + static_cast<std::ptrdiff_t>(first),
                           inverted.begin() + static_cast<std::ptrdiff_t>(first + 20 * 2352),
                           wav.begin() + 44 + 20 * 2352));
}

TEST_F(RipThreadTest, AFullDiskKeepsTheOlderFileAndSaysTheDiskIsFull) {
    const testsupport::SmallFileSystem disk(1024 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    Options.OutputFolder = disk.path().string();
    const std::vector<std::uint8_t> older(3000, 'o');
    testsupport::writeFileBytes(disk.file("Track2.wav"), older);
    disk.fill(100 * 1024);
    Start(2);
    Finish();
    EXPECT_EQ(testsupport::readFileBytes(disk.file("Track2.wav")), older);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk.path()), {}), 2) << "the track and the filler";
    ASSERT_EQ(window.count(PI_TRACK_DONE), 1u);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].status, TRACK_DISK_FULL);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].cause, "No space left on device");
}

TEST_F(RipThreadTest, MissingOutputFolderFailsTheFile) {
    Options.OutputFolder = output.file("missing");
    Start(1);
    Finish();
    ASSERT_EQ(window.count(PI_TRACK_DONE), 1u);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].status, TRACK_FILE_FAILED);
    EXPECT_TRUE(window.percents().empty());
}

TEST_F(RipThreadTest, TrackNotOnTheDiscEndsWithoutReading) {
    cdrom_test::CdFaults faults;
    faults.fail(cd::CdOperation::ReadAudio);
    Start(7);
    Finish();
    ASSERT_EQ(window.count(PI_TRACK_DONE), 1u);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].status, TRACK_READ_FAILED);
    EXPECT_FALSE(std::filesystem::exists(TrackFile(7)));
}

TEST_F(RipThreadTest, EarlyErrorsArePostedAsCodes) {
    cdrom_test::CdFaults faults;
    faults.fail(cd::CdOperation::ModifyParms);
    Start(1);
    Finish();
    thread->Free();
    faults.heal(cd::CdOperation::ModifyParms);
    faults.fail(cd::CdOperation::ReadToc);
    Start(1);
    Finish();
    ASSERT_EQ(window.reports().size(), 2u);
    EXPECT_EQ(window.reports()[0].code, RIP_ERROR_SETUP);
    EXPECT_EQ(window.reports()[1].code, RIP_ERROR_TOC);
    EXPECT_FALSE(std::filesystem::exists(TrackFile(1)));
}

TEST_F(RipThreadTest, GainPassRunsBeforeTheTrackIsDone) {
    Options.IsNormalize = true;
    Options.NormalizePercent = 50;
    Start(1);
    Finish();
    const auto wav = testsupport::readFileBytes(TrackFile(1));
    const auto audio = image.sectors(image.trackStart(1), 25);
    ASSERT_EQ(wav.size(), 44 + audio.size());
    for (std::size_t i = 0; i < audio.size(); i += 2) {
        const auto original = static_cast<std::int16_t>(audio[i] | audio[i + 1] << 8);
        const auto halved = static_cast<std::int16_t>(wav[44 + i] | wav[44 + i + 1] << 8);
        ASSERT_EQ(halved, static_cast<std::int16_t>(std::nearbyint(original * 0.5))) << "at byte " << i;
    }
    EXPECT_EQ(window.count(PI_NORMALIZING), 1u);
    ASSERT_EQ(window.count(PI_TRACK_DONE), 1u);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].status, TRACK_DONE_OK);
    EXPECT_EQ(window.reports().back().percent, PI_TRACK_DONE);
}

TEST_F(RipThreadTest, FailedGainPassKeepsTheWavAndReportsTheTrack) {
    // Room for the track, not for its scaled copy beside it.
    const testsupport::SmallFileSystem disk(1024 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    Options.OutputFolder = disk.path().string();
    Options.IsNormalize = true;
    ASSERT_GE(disk.fill(100 * 1024), 64u * 1024);
    Start(1);
    Finish();
    const auto wav = testsupport::readFileBytes(disk.file("Track1.wav"));
    ASSERT_EQ(wav.size(), 44u + 25 * 2352);
    const auto audio = image.sectors(image.trackStart(1), 25);
    EXPECT_TRUE(std::equal(audio.begin(), audio.end(), wav.begin() + 44)) << "the ripped sound, not scaled";
    ASSERT_EQ(window.count(PI_TRACK_DONE), 1u);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].status, TRACK_GAIN_FAILED);
    EXPECT_EQ(window.markers(PI_TRACK_DONE)[0].cause, "No space left on device");
}

TEST_F(RipThreadTest, CloseCDIfOpenClosesAnOpenHandleOnce) {
    EXPECT_TRUE(CloseCDIfOpen(0));
    EXPECT_TRUE(CloseCDIfOpen(handle));
    EXPECT_FALSE(CloseCDIfOpen(handle));
}

}  // namespace
