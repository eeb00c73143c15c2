#pragma once
// The queue behind Synchronize: pending calls, and one condition that tells waiters something changed
// (a call was queued, a call finished, a thread finished).
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace framework::detail {

class SyncQueue {
  public:
    static SyncQueue& Instance();

    // Queues call, wakes the main thread and blocks until the main thread has run it.
    void Run(const std::function<void()>& call);
    // Runs the calls queued so far; main thread only. True when one ran.
    bool RunPending();
    // Main thread: runs queued calls until done() holds. done() is read under the queue's lock.
    void ServiceUntil(const std::function<bool()>& done);
    // Runs change under the queue's lock and wakes every waiter.
    void Signal(const std::function<void()>& change);
    // True while the main thread runs a call that thread made: that thread is blocked until the call returns.
    bool RunsCallOf(std::thread::id thread);

  private:
    struct PendingCall {
        const std::function<void()>* call;
        std::thread::id caller;
        std::exception_ptr failure;
        bool done = false;
    };

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<PendingCall*> pending_;
    std::vector<std::thread::id> runningCallers_;  // nested when a call runs a loop that runs further calls
};

}  // namespace framework::detail
