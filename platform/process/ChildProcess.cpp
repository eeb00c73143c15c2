#include "platform/process/ChildProcess.h"

#include "platform/process/ChildReaper.h"
#include "platform/process/Descriptor.h"
#include "platform/process/ExitNotice.h"
#include "platform/process/PipeCreationError.h"
#include "platform/process/Spawn.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace platform::process {

namespace {

constexpr const char* streamName[] = {"stdin", "stdout", "stderr"};

std::size_t indexOf(StandardStream stream) { return static_cast<std::size_t>(stream); }

// Without an exit notice the end is looked for at this period.
constexpr std::chrono::milliseconds fallbackPollPeriod{5};

}  // namespace

ChildProcess::ChildProcess() = default;

ChildProcess::~ChildProcess() { stop(); }

void ChildProcess::createPipes() {
    std::lock_guard lock(mutex_);
    if (state_ != State::Idle) throw std::logic_error("pipes are made before the child starts");
    for (StandardStream stream : {StandardStream::Input, StandardStream::Output, StandardStream::Error}) {
        const std::size_t i = indexOf(stream);
        Pipe pipe;
        try {
            pipe = makePipe();
        } catch (const std::system_error& error) {
            throw PipeCreationError(stream, error.code().value(),
                                    std::string("cannot create the ") + streamName[i] + " pipe");
        }
        const bool childReads = stream == StandardStream::Input;
        ourEnds_[i] = std::make_shared<Descriptor>(std::move(childReads ? pipe.writeEnd : pipe.readEnd));
        childEnds_[i] = std::make_shared<Descriptor>(std::move(childReads ? pipe.readEnd : pipe.writeEnd));
    }
}

void ChildProcess::closePipes() {
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < 3; ++i) {
        ourEnds_[i].reset();
        childEnds_[i].reset();
    }
}

void ChildProcess::closePipe(StandardStream stream) {
    std::lock_guard lock(mutex_);
    ourEnds_[indexOf(stream)].reset();
    childEnds_[indexOf(stream)].reset();
}

void ChildProcess::start(const std::vector<std::string>& argv, const std::filesystem::path& workingDirectory) {
    std::lock_guard lock(mutex_);
    if (state_ != State::Idle) throw std::logic_error("a child process is started once");
    std::array<int, 3> standard{};
    Descriptor nullDevice;
    if (childEnds_[0] && childEnds_[1] && childEnds_[2]) {
        for (std::size_t i = 0; i < 3; ++i) standard[i] = childEnds_[i]->get();
    } else {
        nullDevice = openNullDevice();
        standard.fill(nullDevice.get());
    }
    pid_ = spawnProcess(argv, workingDirectory, standard);
    state_ = State::Running;
    exitNotice_ = std::make_shared<Descriptor>(openExitNotice(pid_));
    // The child holds its ends now; ours must go, or the pipes would never report their end.
    for (std::shared_ptr<Descriptor>& end : childEnds_) end.reset();
}

std::shared_ptr<Descriptor> ChildProcess::pipeEnd(StandardStream stream) const {
    std::lock_guard lock(mutex_);
    return ourEnds_[indexOf(stream)];
}

std::size_t ChildProcess::available(StandardStream stream) const {
    if (stream == StandardStream::Input) return 0;
    const std::shared_ptr<Descriptor> end = pipeEnd(stream);
    int count = 0;
    if (!end || ioctl(end->get(), FIONREAD, &count) != 0 || count < 0) return 0;
    return static_cast<std::size_t>(count);
}

std::string ChildProcess::read(StandardStream stream, std::size_t count) {
    if (stream == StandardStream::Input) throw std::invalid_argument("the child's stdin is written, not read");
    const std::shared_ptr<Descriptor> end = pipeEnd(stream);
    if (!end || count == 0) return {};
    std::string bytes(count, '\0');
    ssize_t got;
    do {
        got = ::read(end->get(), bytes.data(), count);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        throw std::system_error(errno, std::generic_category(),
                                std::string("cannot read the child's ") + streamName[indexOf(stream)]);
    }
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

void ChildProcess::reapIfEnded() {
    int status = 0;
    pid_t reaped;
    do {
        reaped = waitpid(pid_, &status, WNOHANG);
    } while (reaped < 0 && errno == EINTR);
    if (reaped == 0) return;
    state_ = State::Ended;
    if (reaped == pid_ && WIFEXITED(status)) exitCode_ = WEXITSTATUS(status);
}

bool ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::shared_ptr<Descriptor> notice;
    {
        std::lock_guard lock(mutex_);
        if (state_ != State::Running) return true;
        reapIfEnded();
        if (state_ != State::Running) return true;
        notice = exitNotice_;
    }
    if (notice && notice->valid()) {
        pollfd watched{notice->get(), POLLIN, 0};
        int remaining = static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INT_MAX));
        while (poll(&watched, 1, remaining) < 0 && errno == EINTR) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            remaining = static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
        }
    } else {
        while (std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(fallbackPollPeriod);
            std::lock_guard lock(mutex_);
            if (state_ != State::Running) return true;
            reapIfEnded();
            if (state_ != State::Running) return true;
        }
    }
    std::lock_guard lock(mutex_);
    if (state_ == State::Running) reapIfEnded();
    return state_ != State::Running;
}

bool ChildProcess::waitForExitOrOutput(std::chrono::milliseconds timeout) {
    std::shared_ptr<Descriptor> notice;
    std::array<std::shared_ptr<Descriptor>, 2> outputs;
    {
        std::lock_guard lock(mutex_);
        if (state_ != State::Running) return true;
        reapIfEnded();
        if (state_ != State::Running) return true;
        notice = exitNotice_;
        outputs = {ourEnds_[indexOf(StandardStream::Output)], ourEnds_[indexOf(StandardStream::Error)]};
    }
    if (!notice || !notice->valid() || (!outputs[0] && !outputs[1])) return waitForExit(timeout);
    constexpr StandardStream outputStreams[] = {StandardStream::Output, StandardStream::Error};
    std::vector<pollfd> watched{pollfd{notice->get(), POLLIN, 0}};
    std::vector<StandardStream> watchedStreams;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (!outputs[i]) continue;
        watched.push_back(pollfd{outputs[i]->get(), POLLIN, 0});
        watchedStreams.push_back(outputStreams[i]);
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int remaining = static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INT_MAX));
    while (poll(watched.data(), watched.size(), remaining) < 0 && errno == EINTR) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        remaining = static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
    }
    for (std::size_t i = 1; i < watched.size(); ++i) {
        const short events = watched[i].revents;
        if ((events & (POLLHUP | POLLERR)) && !(events & POLLIN)) closePipe(watchedStreams[i - 1]);
    }
    std::lock_guard lock(mutex_);
    if (state_ == State::Running) reapIfEnded();
    return state_ != State::Running;
}

std::optional<int> ChildProcess::exitCode() const {
    std::lock_guard lock(mutex_);
    return exitCode_;
}

bool ChildProcess::stop() {
    std::lock_guard lock(mutex_);
    if (state_ == State::Running) reapIfEnded();
    if (state_ != State::Running) return false;
    // The group id is the child's id; it stays ours until the child is reaped, which only the reaper does now.
    kill(-pid_, SIGTERM);
    ChildReaper::instance().adoptStopped(pid_);
    state_ = State::Stopped;
    return true;
}

bool ChildProcess::started() const {
    std::lock_guard lock(mutex_);
    return state_ != State::Idle;
}

pid_t ChildProcess::id() const {
    std::lock_guard lock(mutex_);
    return pid_;
}

}  // namespace platform::process
