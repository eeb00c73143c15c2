#include "platform/process/ExitNotice.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace platform::process {

Descriptor openExitNotice(pid_t pid) {
    // Called through syscall(): the C library's declaration is not usable from C++ on every release.
    return Descriptor(static_cast<int>(syscall(SYS_pidfd_open, pid, 0)));
}

}  // namespace platform::process
