// Calls on one handle from two threads (the rip thread and the UI thread) take turns; handles of their own do not
// wait for each other.
#include "CdFaults.h"
#include "CueImage.h"
#include "DiscLayouts.h"
#include "DriveAt.h"
#include "ImageDrives.h"
#include "TrackBuffer.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/CdAudio.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace platform::cdrom;
using namespace std::chrono_literals;
using cdrom_test::CdFaults;
using cdrom_test::CueImage;

namespace {

class ConcurrencyTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    CueImage image = CueImage::Write(folder.path(), "mixed", cdrom_test::MixedDisc());
    cdrom_test::ImageDrives drives{{image.cuePath()}};

    // Reads track 1 (sectors 150..449) in ten-sector steps; true when every step gave the image's bytes.
    bool RipTrackOne(HCDROM handle) {
        for (int lsn = 150; lsn < 450; lsn += 10) {
            TrackBuffer buffer(10);
            buffer->startFrame = static_cast<DWORD>(lsn);
            buffer->numFrames = 10;
            if (ReadCDAudioLBA(handle, buffer.get()) != 1 ||
                std::vector<std::uint8_t>(buffer->buf, buffer->buf + buffer->len) != image.sectors(lsn, 10))
                return false;
        }
        return true;
    }
};

}  // namespace

TEST_F(ConcurrencyTest, TwoThreadsOnOneHandleTakeTurns) {
    CdFaults faults;
    const HCDROM handle = OpenDriveAt(0);
    std::atomic<bool> ripOk{false};
    std::atomic<bool> tableOk{true};
    std::thread rip([&] { ripOk = RipTrackOne(handle); });
    std::thread ui([&] {
        for (int i = 0; i < 20; ++i) {
            TTableOfContents toc;
            if (ReadTOC(handle, &toc) != 1 || toc.lastTrack != 3) tableOk = false;
        }
        if (!RipTrackOne(handle)) tableOk = false;
    });
    rip.join();
    ui.join();
    EXPECT_TRUE(ripOk);
    EXPECT_TRUE(tableOk);
    EXPECT_EQ(faults.mostReadsInside(), 1);
    CloseCDHandle(handle);
}

TEST_F(ConcurrencyTest, HeldReadKeepsItsHandleBusyButNotAnother) {
    CdFaults faults;
    const HCDROM shared = OpenDriveAt(0);
    const HCDROM own = OpenDriveAt(0);
    faults.closeReadGate();

    std::thread first([&] { EXPECT_TRUE(RipTrackOne(shared)); });
    ASSERT_TRUE(faults.waitForReadsAtGate(1, 5s));
    std::thread second([&] { EXPECT_TRUE(RipTrackOne(shared)); });
    std::thread other([&] { EXPECT_TRUE(RipTrackOne(own)); });
    ASSERT_TRUE(faults.waitForReadsAtGate(2, 5s)) << "a read on another handle is not held up";
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(faults.readsAtGate(), 2) << "the second read on the busy handle waits for the first";

    // The table cannot be read while the handle's read is held either.
    std::atomic<bool> tableRead{false};
    std::thread table([&] {
        TTableOfContents toc;
        tableRead = ReadTOC(shared, &toc) == 1;
    });
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(tableRead);

    faults.openReadGate();
    first.join();
    second.join();
    other.join();
    table.join();
    EXPECT_TRUE(tableRead);
    CloseCDHandle(shared);
    CloseCDHandle(own);
}

TEST_F(ConcurrencyTest, ClosingDuringAHeldReadLetsTheReadFinish) {
    CdFaults faults;
    const HCDROM handle = OpenDriveAt(0);
    faults.closeReadGate();
    std::atomic<DWORD> result{0};
    std::thread reader([&] {
        TrackBuffer buffer(10);
        buffer->startFrame = 150;
        buffer->numFrames = 10;
        result = ReadCDAudioLBA(handle, buffer.get());
    });
    ASSERT_TRUE(faults.waitForReadsAtGate(1, 5s));
    EXPECT_EQ(CloseCDHandle(handle), 1);
    faults.openReadGate();
    reader.join();
    EXPECT_EQ(result, 1u);
    TTableOfContents toc;
    EXPECT_EQ(ReadTOC(handle, &toc), 0u);
}
