#pragma once

#include "platform/process/StandardStream.h"

#include <sys/types.h>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace platform::process {

class Descriptor;

// One run of an outside program as a hidden child: started once, with three pipes or with /dev/null on its
// standard streams, in a process group of its own so that stopping it also ends whatever it started.
// Every member may be called from any thread: a polling thread peeks, reads and waits while the owner
// reads, closes and stops; a descriptor being peeked or read stays open until that call returns.
// The child is always reaped: by waitForExit once it has ended, otherwise in the background after stop()
// or the destructor, which stops a child still running.
class ChildProcess {
  public:
    ChildProcess();
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Three pipes for the coming start, made in the order stdin, stdout, stderr; our ends are kept, the
    // child's ends go to it. Throws PipeCreationError naming the stream whose pipe failed.
    void createPipes();
    // Closes every pipe end still held; idempotent.
    void closePipes();
    // Closes both ends of one stream's pipe, leaving the others open: a child still writing to it then gets
    // EPIPE instead of blocking on a pipe nobody reads. Idempotent.
    void closePipe(StandardStream stream);

    // Starts argv[0] (see findProgram) with argv, never through a shell. Without pipes the child's 0..2 are
    // /dev/null. Throws std::system_error carrying errno (ENOENT: no such program).
    void start(const std::vector<std::string>& argv, const std::filesystem::path& workingDirectory = {});

    // Bytes waiting in our end of the child's stdout or stderr pipe; 0 when there is no pipe or the peek fails.
    std::size_t available(StandardStream stream) const;
    // Reads at most count bytes; it does not block when count is at most what available() reported.
    // Returns an empty text at the pipe's end or without a pipe; throws std::system_error on a failing read.
    std::string read(StandardStream stream, std::size_t count);

    // Waits up to timeout for the child to end and reaps it. True when it has ended, was stopped, or never
    // started; so a waiting loop ends in every case.
    bool waitForExit(std::chrono::milliseconds timeout);
    // The same, but also returns (false) as soon as the child's stdout or stderr pipe has something to read, so
    // that a child writing faster than a timed poll reads never waits on a full pipe. A pipe the child has closed
    // with everything read is closed here too: it could only wake the wait again and again.
    bool waitForExitOrOutput(std::chrono::milliseconds timeout);
    // The exit status once the child has ended by itself with exit(); empty before, after a signal or stop.
    std::optional<int> exitCode() const;

    // Ends the child and its group at once: SIGTERM now, SIGKILL after a grace period, reaping in the
    // background. Returns without waiting; later calls do nothing. True when it was the stop that ended the
    // child; false when the child had ended on its own (it is reaped then, and its exit code kept) or never ran.
    bool stop();

    bool started() const;
    pid_t id() const;

  private:
    enum class State { Idle, Running, Ended, Stopped };

    std::shared_ptr<Descriptor> pipeEnd(StandardStream stream) const;
    // Reaps the child when it has ended; call with the lock held while Running.
    void reapIfEnded();

    mutable std::mutex mutex_;
    State state_ = State::Idle;
    pid_t pid_ = 0;
    std::shared_ptr<Descriptor> exitNotice_;
    std::optional<int> exitCode_;
    // Ours: stdin's write end, stdout's and stderr's read ends. Shared so that a peek or read on another
    // thread keeps its descriptor open (and unreused) while closePipes runs.
    std::shared_ptr<Descriptor> ourEnds_[3];
    std::shared_ptr<Descriptor> childEnds_[3];
};

}  // namespace platform::process
