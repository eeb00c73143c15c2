#include "platform/cdrom/MediaWatcher.h"

#include "platform/cdrom/detail/Disc.h"
#include "platform/cdrom/detail/Drive.h"
#include "platform/cdrom/detail/DriveLetter.h"
#include "platform/cdrom/detail/DriveList.h"

#include <map>
#include <optional>
#include <utility>

namespace platform::cdrom {
namespace {

// What each drive held at the last look, by drive id.
using MediaSeen = std::map<int, std::optional<detail::MediaIdentity>>;

// Looks at every drive; reports the changes when a handler is given.
void Look(MediaSeen& seen, const MediaWatcher::Handler* report) {
    for (const detail::Drive& drive : detail::ListDrives()) {
        std::optional<detail::MediaIdentity> now = detail::ProbeMedia(drive);
        const std::optional<detail::MediaIdentity> before = std::exchange(seen[drive.id], now);
        if (report == nullptr || before == now) continue;
        const char letter = detail::LetterOfDrive(drive.id);
        if (letter == '\0') continue;
        win::DEV_BROADCAST_VOLUME volume;
        volume.dbcv_unitmask = win::DWORD{1} << (letter - 'a');
        volume.dbcv_flags = win::DBTF_MEDIA;
        if (before) (*report)(win::DBT_DEVICEREMOVECOMPLETE, volume);
        if (now) (*report)(win::DBT_DEVICEARRIVAL, volume);
    }
}

}  // namespace

MediaWatcher::MediaWatcher(Handler handler, std::chrono::milliseconds interval)
    : handler_(std::move(handler)), interval_(interval) {
    MediaSeen seen;
    Look(seen, nullptr);
    thread_ = std::thread([this, seen = std::move(seen)]() mutable {
        while (!waitForStop()) Look(seen, &handler_);
    });
}

MediaWatcher::~MediaWatcher() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool MediaWatcher::waitForStop() {
    std::unique_lock lock(mutex_);
    return wake_.wait_for(lock, interval_, [this] { return stopping_; });
}

}  // namespace platform::cdrom
