#pragma once

#include "platform/process/Descriptor.h"

#include <sys/types.h>
#include <chrono>
#include <mutex>
#include <vector>

namespace platform::process {

// Reaps the children the program no longer waits for itself, on a thread of its own, so that neither a
// stop nor a detached start ever blocks its caller and no child is left a zombie.
class ChildReaper {
  public:
    static ChildReaper& instance();

    // The child's group was sent SIGTERM: SIGKILL follows after the grace period unless the leader ended
    // before; when the leader ends, whatever is left of its group is killed before the leader is reaped.
    void adoptStopped(pid_t pid);
    // The child, not yet reaped by anyone else, runs on as long as it likes and is reaped when it ends.
    void adoptDetached(pid_t pid);

    static constexpr std::chrono::milliseconds gracePeriod{500};

  private:
    struct Orphan {
        pid_t pid;
        Descriptor exitNotice;  // readable once the child has ended; invalid when the kernel has none
        bool stopped;
        std::chrono::steady_clock::time_point killAt;
    };

    ChildReaper();
    void adopt(Orphan orphan);
    void run();
    // Returns true when the orphan has been reaped and can be forgotten.
    static bool settle(Orphan& orphan, std::chrono::steady_clock::time_point now);

    std::mutex mutex_;
    std::vector<Orphan> orphans_;
    Descriptor wakeUp_;
};

}  // namespace platform::process
