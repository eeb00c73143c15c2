#include "platform/process/ChildReaper.h"

#include "platform/process/ExitNotice.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <system_error>
#include <thread>

namespace platform::process {

namespace {

// Without an exit notice (a kernel without pidfd) the reaper falls back to looking now and then.
constexpr int fallbackPollMs = 20;

enum class ChildState { Running, Ended, Gone };

ChildState lookAt(pid_t pid) {
    siginfo_t info{};
    // WNOWAIT leaves the zombie in place: while it exists its id, and so its group id, cannot be reused.
    if (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return errno == EINTR ? ChildState::Running : ChildState::Gone;
    return info.si_pid == pid ? ChildState::Ended : ChildState::Running;
}

}  // namespace

ChildReaper& ChildReaper::instance() {
    // Never destroyed: children may still be pending while the program exits.
    static ChildReaper* reaper = new ChildReaper();
    return *reaper;
}

ChildReaper::ChildReaper() {
    const int fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd < 0) throw std::system_error(errno, std::generic_category(), "cannot create reaper wake-up");
    wakeUp_ = Descriptor(fd);
    std::thread([this] { run(); }).detach();
}

void ChildReaper::adoptStopped(pid_t pid) {
    adopt(Orphan{pid, openExitNotice(pid), true, std::chrono::steady_clock::now() + gracePeriod});
}

void ChildReaper::adoptDetached(pid_t pid) { adopt(Orphan{pid, openExitNotice(pid), false, {}}); }

void ChildReaper::adopt(Orphan orphan) {
    {
        std::lock_guard lock(mutex_);
        orphans_.push_back(std::move(orphan));
    }
    const std::uint64_t one = 1;
    ssize_t ignored = write(wakeUp_.get(), &one, sizeof one);
    (void)ignored;
}

bool ChildReaper::settle(Orphan& orphan, std::chrono::steady_clock::time_point now) {
    switch (lookAt(orphan.pid)) {
        case ChildState::Gone:
            // Reaped by someone else (SIGCHLD ignored): the id may be anybody's now, so no signal goes to it.
            return true;
        case ChildState::Ended:
            if (orphan.stopped) kill(-orphan.pid, SIGKILL);
            while (waitpid(orphan.pid, nullptr, WNOHANG) < 0 && errno == EINTR) {
            }
            return true;
        case ChildState::Running:
            break;
    }
    if (orphan.stopped && now >= orphan.killAt) {
        kill(-orphan.pid, SIGKILL);
        orphan.killAt = std::chrono::steady_clock::time_point::max();
    }
    return false;
}

void ChildReaper::run() {
    std::vector<pollfd> watched;
    while (true) {
        int timeoutMs = -1;
        watched.assign(1, pollfd{wakeUp_.get(), POLLIN, 0});
        {
            std::lock_guard lock(mutex_);
            const auto now = std::chrono::steady_clock::now();
            std::erase_if(orphans_, [now](Orphan& orphan) { return settle(orphan, now); });
            for (const Orphan& orphan : orphans_) {
                if (orphan.exitNotice.valid())
                    watched.push_back(pollfd{orphan.exitNotice.get(), POLLIN, 0});
                else
                    timeoutMs = fallbackPollMs;
                if (orphan.stopped && orphan.killAt != std::chrono::steady_clock::time_point::max()) {
                    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(orphan.killAt - now).count();
                    const int waitMs = static_cast<int>(std::max<std::int64_t>(wait, 0));
                    timeoutMs = timeoutMs < 0 ? waitMs : std::min(timeoutMs, waitMs);
                }
            }
        }
        // Descriptors polled here stay open: only this thread removes orphans, after the poll.
        if (poll(watched.data(), watched.size(), timeoutMs) > 0 && (watched.front().revents & POLLIN)) {
            std::uint64_t count = 0;
            ssize_t ignored = read(wakeUp_.get(), &count, sizeof count);
            (void)ignored;
        }
    }
}

}  // namespace platform::process
