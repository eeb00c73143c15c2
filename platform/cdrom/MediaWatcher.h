#pragma once
// Watches the drives of the list for discs coming and going (for an image drive: its file appearing, vanishing or
// being replaced, or its door opening and closing) and reports each change as a device-change event for the
// drive's volume. The handler runs on the watcher's own thread.
#include "platform/cdrom/DeviceChange.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace platform::cdrom {

class MediaWatcher {
  public:
    // event is DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE.
    using Handler = std::function<void(win::UINT event, const win::DEV_BROADCAST_VOLUME& volume)>;

    // Discs already present when it starts are taken as they are, without an event.
    explicit MediaWatcher(Handler handler, std::chrono::milliseconds interval = std::chrono::milliseconds(500));
    ~MediaWatcher();
    MediaWatcher(const MediaWatcher&) = delete;
    MediaWatcher& operator=(const MediaWatcher&) = delete;

  private:
    // Waits one interval; true when the watcher is being stopped.
    bool waitForStop();

    Handler handler_;
    std::chrono::milliseconds interval_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace platform::cdrom
