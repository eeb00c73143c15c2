#include "platform/cdrom/detail/BlockDeviceEvents.h"

#include <linux/netlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <string_view>

namespace platform::cdrom::detail {
namespace {

constexpr unsigned kKernelEvents = 1;  // the kernel's own multicast group

// An event is "ACTION@DEVPATH" followed by KEY=VALUE fields, each ended by a zero byte.
bool IsBlockDeviceEvent(const char* bytes, std::size_t length) {
    std::size_t at = 0;
    while (at < length) {
        const std::string_view field(bytes + at, strnlen(bytes + at, length - at));
        if (field == "SUBSYSTEM=block") return true;
        at += field.size() + 1;
    }
    return false;
}

}  // namespace

BlockDeviceEvents::BlockDeviceEvents()
    : fd_(socket(AF_NETLINK, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_KOBJECT_UEVENT)) {
    if (fd_ < 0) return;
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = kKernelEvents;
    if (bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

BlockDeviceEvents::~BlockDeviceEvents() {
    if (fd_ >= 0) close(fd_);
}

bool BlockDeviceEvents::drain() {
    if (fd_ < 0) return false;
    char buffer[8192];
    bool changed = false;
    while (true) {
        const ssize_t length = recv(fd_, buffer, sizeof buffer, 0);
        if (length <= 0) break;
        if (IsBlockDeviceEvent(buffer, static_cast<std::size_t>(length))) changed = true;
    }
    return changed;
}

}  // namespace platform::cdrom::detail
