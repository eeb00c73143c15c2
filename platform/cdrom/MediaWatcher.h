#pragma once
// Watches the drives of the list for discs coming and going (for an image drive: its file appearing, vanishing or
// being replaced, or its door opening and closing) and reports each change as a device-change event for the
// drive's volume. The handler runs on the watcher's own thread, which sleeps until the image folders change, the
// kernel reports a block device change (a drive plugged in, a disc found by the kernel's media polling) or a door
// moves: an idle watcher makes no system calls.
#include "platform/cdrom/DeviceChange.h"

#include <atomic>
#include <functional>
#include <thread>

namespace platform::cdrom {

class MediaWatcher {
  public:
    // event is DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE.
    using Handler = std::function<void(win::UINT event, const win::DEV_BROADCAST_VOLUME& volume)>;

    // Discs already present when it starts are taken as they are, without an event.
    explicit MediaWatcher(Handler handler);
    ~MediaWatcher();
    MediaWatcher(const MediaWatcher&) = delete;
    MediaWatcher& operator=(const MediaWatcher&) = delete;

  private:
    Handler handler_;
    int wakeFd_;  // written by door moves and by the destructor
    std::atomic<bool> stopping_ = false;
    std::thread thread_;
};

}  // namespace platform::cdrom
