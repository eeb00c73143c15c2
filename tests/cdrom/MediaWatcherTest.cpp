// The media watcher reports discs leaving and arriving as volume events for the drive's letter: an image file
// removed and put back, replaced by another, or taken out and put back through the door.
#include "CueImage.h"
#include "DiscLayouts.h"
#include "ImageDrives.h"
#include "tests/support/ProcessTable.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/Door.h"
#include "platform/cdrom/MediaWatcher.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using cdrom_test::CueImage;
using platform::cdrom::MediaWatcher;

namespace {

struct Event {
    win::UINT kind;
    win::DEV_BROADCAST_VOLUME volume;
};

class EventLog {
  public:
    MediaWatcher::Handler handler() {
        return [this](win::UINT kind, const win::DEV_BROADCAST_VOLUME& volume) {
            std::lock_guard lock(mutex_);
            events_.push_back({kind, volume});
            changed_.notify_all();
        };
    }
    // The events once count of them have come, or what came within the time.
    std::vector<Event> waitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 5s, [&] { return events_.size() >= count; });
        return events_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Event> events_;
};

constexpr win::DWORD kDriveD = 1u << 3;
constexpr win::DWORD kDriveE = 1u << 4;

void ExpectVolumeEvent(const Event& event, win::UINT kind, win::DWORD unit) {
    EXPECT_EQ(event.kind, kind);
    EXPECT_EQ(event.volume.dbcv_devicetype, win::DBT_DEVTYP_VOLUME);
    EXPECT_EQ(event.volume.dbcv_size, sizeof(win::DEV_BROADCAST_VOLUME));
    EXPECT_EQ(event.volume.dbcv_unitmask, unit);
    EXPECT_EQ(event.volume.dbcv_flags, win::DBTF_MEDIA);
}

class MediaWatcherTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    CueImage first = CueImage::Write(folder.path(), "first", cdrom_test::PlainDisc());
    CueImage second = CueImage::Write(folder.path(), "second", cdrom_test::PlainDisc());
    cdrom_test::ImageDrives drives{{first.cuePath(), second.cuePath()}};
    EventLog log;
};

}  // namespace

TEST_F(MediaWatcherTest, ImageFileRemovedAndPutBack) {
    MediaWatcher watcher(log.handler());
    const std::filesystem::path aside = folder.path() / "aside.cue";
    std::filesystem::rename(second.cuePath(), aside);
    const std::vector<Event> removed = log.waitFor(1);
    ASSERT_EQ(removed.size(), 1u);
    ExpectVolumeEvent(removed[0], win::DBT_DEVICEREMOVECOMPLETE, kDriveE);

    std::filesystem::rename(aside, second.cuePath());
    const std::vector<Event> events = log.waitFor(2);
    ASSERT_EQ(events.size(), 2u);
    ExpectVolumeEvent(events[1], win::DBT_DEVICEARRIVAL, kDriveE);
}

TEST_F(MediaWatcherTest, DiscsPresentAtStartAreNotReported) {
    {
        MediaWatcher watcher(log.handler());
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_TRUE(log.waitFor(0).empty());
}

TEST_F(MediaWatcherTest, ReplacedImageIsARemovalThenAnArrival) {
    MediaWatcher watcher(log.handler());
    const std::filesystem::path other = folder.path() / "other.cue";
    std::filesystem::copy_file(first.cuePath(), other);
    std::filesystem::rename(other, first.cuePath());
    const std::vector<Event> events = log.waitFor(2);
    ASSERT_EQ(events.size(), 2u);
    ExpectVolumeEvent(events[0], win::DBT_DEVICEREMOVECOMPLETE, kDriveD);
    ExpectVolumeEvent(events[1], win::DBT_DEVICEARRIVAL, kDriveD);
}

TEST_F(MediaWatcherTest, DoorOpenAndClosedOnAnImageDrive) {
    MediaWatcher watcher(log.handler());
    ASSERT_TRUE(platform::cdrom::OpenDoor(0));
    ASSERT_EQ(log.waitFor(1).size(), 1u);
    ASSERT_TRUE(platform::cdrom::CloseDoor(0));
    const std::vector<Event> events = log.waitFor(2);
    ASSERT_EQ(events.size(), 2u);
    ExpectVolumeEvent(events[0], win::DBT_DEVICEREMOVECOMPLETE, kDriveD);
    ExpectVolumeEvent(events[1], win::DBT_DEVICEARRIVAL, kDriveD);
}

TEST_F(MediaWatcherTest, SleepsWhileNothingChanges) {
    const std::set<pid_t> before = testsupport::threadIds(getpid());
    MediaWatcher watcher(log.handler());
    std::set<pid_t> watcherThreads;
    for (pid_t tid : testsupport::threadIds(getpid()))
        if (!before.contains(tid)) watcherThreads.insert(tid);
    ASSERT_EQ(watcherThreads.size(), 1u);
    // Once it has settled into its wait, an unchanged world never wakes it.
    std::this_thread::sleep_for(100ms);
    const long settled = testsupport::contextSwitches(getpid(), watcherThreads);
    std::this_thread::sleep_for(700ms);
    EXPECT_EQ(testsupport::contextSwitches(getpid(), watcherThreads), settled);
    EXPECT_TRUE(log.waitFor(0).empty());
}
