#pragma once
// Reading what a non-blocking inotify descriptor has gathered.
#include <sys/inotify.h>

#include <functional>

namespace platform::cdrom::detail {

// Calls each for every event waiting on fd, until nothing more waits.
void DrainInotifyEvents(int fd, const std::function<void(const inotify_event&)>& each);

}  // namespace platform::cdrom::detail
