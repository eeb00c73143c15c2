#include "platform/cdrom/detail/BrokenPipeGuard.h"

#include <pthread.h>
#include <ctime>

namespace platform::cdrom::detail {
namespace {

sigset_t BrokenPipeOnly() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGPIPE);
    return set;
}

bool BrokenPipePending() {
    sigset_t pending;
    sigemptyset(&pending);
    return sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
}

}  // namespace

BrokenPipeGuard::BrokenPipeGuard() {
    wasPending_ = BrokenPipePending();
    const sigset_t set = BrokenPipeOnly();
    pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
}

BrokenPipeGuard::~BrokenPipeGuard() {
    // Only a signal raised under the guard is taken; one that was already waiting stays for its owner.
    if (!wasPending_ && BrokenPipePending()) {
        const sigset_t set = BrokenPipeOnly();
        const timespec none{};
        sigtimedwait(&set, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

}  // namespace platform::cdrom::detail
