#pragma once
// libcddb writes to its socket without guarding against a peer that has gone: the write would raise SIGPIPE and end
// the program. While a guard lives, SIGPIPE is blocked on this thread, and one raised meanwhile is taken off it
// again, so the write just fails.
#include <signal.h>

namespace platform::cdrom::detail {

class BrokenPipeGuard {
  public:
    BrokenPipeGuard();
    ~BrokenPipeGuard();
    BrokenPipeGuard(const BrokenPipeGuard&) = delete;
    BrokenPipeGuard& operator=(const BrokenPipeGuard&) = delete;

  private:
    sigset_t previousMask_;
    bool wasPending_ = false;
};

}  // namespace platform::cdrom::detail
