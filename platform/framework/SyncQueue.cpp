#include "platform/framework/SyncQueue.h"

#include <algorithm>

#include "platform/user/MessageLoop.h"

namespace framework::detail {

SyncQueue& SyncQueue::Instance() {
    static SyncQueue queue;
    return queue;
}

void SyncQueue::Run(const std::function<void()>& call) {
    PendingCall pending{&call, std::this_thread::get_id(), nullptr};
    {
        std::unique_lock lock(mutex_);
        pending_.push_back(&pending);
        changed_.notify_all();
    }
    user::WakeMessageLoops();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return pending.done; });
    if (pending.failure) std::rethrow_exception(pending.failure);
}

bool SyncQueue::RunPending() {
    bool ran = false;
    std::unique_lock lock(mutex_);
    // Only the calls already queued: workers that queue faster than their calls run must not keep the thread
    // from its own messages for ever.
    for (std::size_t queued = pending_.size(); queued > 0 && !pending_.empty(); --queued) {
        PendingCall* pending = pending_.front();
        pending_.pop_front();
        runningCallers_.push_back(pending->caller);
        lock.unlock();
        std::exception_ptr failure;
        try {
            (*pending->call)();
        } catch (...) {
            failure = std::current_exception();
        }
        ran = true;
        lock.lock();
        runningCallers_.pop_back();
        pending->failure = failure;
        pending->done = true;
        changed_.notify_all();
    }
    return ran;
}

void SyncQueue::ServiceUntil(const std::function<bool()>& done) {
    for (;;) {
        RunPending();
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return done() || !pending_.empty(); });
        if (pending_.empty()) return;
    }
}

bool SyncQueue::RunsCallOf(std::thread::id thread) {
    std::lock_guard lock(mutex_);
    return std::find(runningCallers_.begin(), runningCallers_.end(), thread) != runningCallers_.end();
}

void SyncQueue::Signal(const std::function<void()>& change) {
    std::lock_guard lock(mutex_);
    change();
    changed_.notify_all();
}

}  // namespace framework::detail
