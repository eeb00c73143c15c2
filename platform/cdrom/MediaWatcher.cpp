#include "platform/cdrom/MediaWatcher.h"

#include "platform/cdrom/detail/BlockDeviceEvents.h"
#include "platform/cdrom/detail/Disc.h"
#include "platform/cdrom/detail/DoorState.h"
#include "platform/cdrom/detail/Drive.h"
#include "platform/cdrom/detail/DriveLetter.h"
#include "platform/cdrom/detail/DriveList.h"
#include "platform/cdrom/detail/ImageFolderWatch.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <utility>

namespace platform::cdrom {
namespace {

// What each drive held at the last look, by drive id.
using MediaSeen = std::map<int, std::optional<detail::MediaIdentity>>;

// Looks at every drive; reports the changes when a handler is given. Returns the image paths of the list.
std::set<std::string> Look(MediaSeen& seen, const MediaWatcher::Handler* report) {
    std::set<std::string> images;
    for (const detail::Drive& drive : detail::ListDrives()) {
        if (drive.kind == detail::Drive::Kind::Image) images.insert(drive.path);
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
    return images;
}

}  // namespace

MediaWatcher::MediaWatcher(Handler handler)
    : handler_(std::move(handler)), wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (wakeFd_ < 0) throw std::system_error(errno, std::generic_category(), "media watcher: eventfd");
    detail::AddDoorListener(wakeFd_);
    auto folders = std::make_unique<detail::ImageFolderWatch>();
    MediaSeen seen;
    folders->watchFoldersOf(Look(seen, nullptr));
    thread_ = std::thread([this, folders = std::move(folders), seen = std::move(seen)]() mutable {
        detail::BlockDeviceEvents devices;
        while (true) {
            pollfd fds[3] = {
                {wakeFd_, POLLIN, 0}, {folders->descriptor(), POLLIN, 0}, {devices.descriptor(), POLLIN, 0}};
            if (poll(fds, 3, -1) < 0 && errno != EINTR) return;
            std::uint64_t wakes = 0;
            const bool woken = read(wakeFd_, &wakes, sizeof wakes) > 0;
            if (stopping_) return;
            const bool filesChanged = folders->drain();
            const bool devicesChanged = devices.drain();
            if (woken || filesChanged || devicesChanged) folders->watchFoldersOf(Look(seen, &handler_));
        }
    });
}

MediaWatcher::~MediaWatcher() {
    detail::RemoveDoorListener(wakeFd_);
    stopping_ = true;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = write(wakeFd_, &one, sizeof one);
    thread_.join();
    close(wakeFd_);
}

}  // namespace platform::cdrom
