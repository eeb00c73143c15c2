#include "tests/support/SmallFileSystem.h"

#include <sys/mount.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace testsupport {

SmallFileSystem::SmallFileSystem(std::size_t bytes) : folder_("trackmill-small-disk") {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    if (::mount("tmpfs", folder_.path().c_str(), "tmpfs", 0, options.c_str()) == 0) {
        mounted_ = true;
    } else {
        skipReason_ = "cannot mount a small tmpfs (" + std::string(std::strerror(errno)) + "): needs root";
    }
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_) ::umount2(folder_.path().c_str(), MNT_DETACH);
}

std::size_t SmallFileSystem::freeBytes() const {
    struct statvfs vfs {};
    if (::statvfs(folder_.path().c_str(), &vfs) != 0) return 0;
    return static_cast<std::size_t>(vfs.f_bavail) * vfs.f_frsize;
}

std::size_t SmallFileSystem::fill(std::size_t leave) const {
    std::ofstream filler(folder_.path() / "filler", std::ios::binary | std::ios::app);
    const std::vector<char> block(512, '\0');
    // Block by block, since tmpfs rounds to pages: stop once what is left is at most `leave`.
    while (freeBytes() > leave) {
        const std::size_t chunk = std::min(block.size(), freeBytes() - leave);
        filler.write(block.data(), static_cast<std::streamsize>(chunk));
        filler.flush();
        if (!filler) break;
    }
    return freeBytes();
}

}  // namespace testsupport
