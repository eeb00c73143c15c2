#include "platform/cdrom/detail/ImageFolderWatch.h"

#include "platform/cdrom/detail/InotifyEvents.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>

namespace platform::cdrom::detail {

ImageFolderWatch::ImageFolderWatch() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

ImageFolderWatch::~ImageFolderWatch() {
    if (fd_ >= 0) close(fd_);
}

void ImageFolderWatch::watchFoldersOf(const std::set<std::string>& imagePaths) {
    if (fd_ < 0) return;
    constexpr uint32_t kChanges =
        IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF;
    for (const std::string& path : imagePaths) {
        const std::filesystem::path parent = std::filesystem::path(path).parent_path();
        const std::string folder = parent.empty() ? std::string(".") : parent.string();
        if (folders_.contains(folder)) continue;
        if (inotify_add_watch(fd_, folder.c_str(), kChanges) >= 0) folders_.insert(folder);
    }
}

bool ImageFolderWatch::drain() {
    if (fd_ < 0) return false;
    bool changed = false;
    DrainInotifyEvents(fd_, [&](const inotify_event& event) {
        // A removed folder loses its watch; watch it again once it is back.
        if (event.mask & IN_IGNORED) folders_.clear();
        changed = true;
    });
    return changed;
}

}  // namespace platform::cdrom::detail
