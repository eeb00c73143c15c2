#include "platform/cdrom/detail/ImageFileWatch.h"

#include "platform/cdrom/detail/CueSheet.h"
#include "platform/cdrom/detail/InotifyEvents.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace platform::cdrom::detail {
namespace {

constexpr uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MODIFY | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE |
                              IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

std::string FolderOf(const std::filesystem::path& file) {
    const std::filesystem::path parent = file.parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

}  // namespace

ImageFileWatch::ImageFileWatch(const std::string& cuePath) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ < 0) return;
    std::set<std::string> folders;
    for (const std::filesystem::path& named : {std::filesystem::path(cuePath), BinPathOf(cuePath)}) {
        std::error_code error;
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(named, error);
        for (const std::filesystem::path& file : {named, error ? named : resolved}) {
            folders.insert(FolderOf(file));
            names_.insert(file.filename().string());
        }
    }
    for (const std::string& folder : folders)
        if (inotify_add_watch(fd_, folder.c_str(), kChanges) < 0) lost_ = true;
}

ImageFileWatch::~ImageFileWatch() {
    if (fd_ >= 0) close(fd_);
}

bool ImageFileWatch::changed() {
    if (fd_ < 0) return true;
    bool changed = false;
    DrainInotifyEvents(fd_, [&](const inotify_event& event) {
        if (event.mask & (IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)) lost_ = true;
        if (event.len > 0 && names_.contains(event.name)) changed = true;
    });
    return changed || lost_;
}

}  // namespace platform::cdrom::detail
