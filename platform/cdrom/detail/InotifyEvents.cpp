#include "platform/cdrom/detail/InotifyEvents.h"

#include <unistd.h>

namespace platform::cdrom::detail {

void DrainInotifyEvents(int fd, const std::function<void(const inotify_event&)>& each) {
    alignas(inotify_event) char buffer[4096];
    while (true) {
        const ssize_t length = read(fd, buffer, sizeof buffer);
        if (length <= 0) return;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            each(*event);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

}  // namespace platform::cdrom::detail
