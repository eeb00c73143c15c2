#include "platform/framework/TThread.h"

#include "platform/framework/Exception.h"
#include "platform/framework/SyncQueue.h"
#include "platform/framework/Synchronize.h"

namespace framework {

TThread::TThread() = default;

TThread::~TThread() {
    // Reached without Free() only by a direct delete; the worker must still not outlive its object.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) {
        Terminate();
        Join();
    }
}

void TThread::Resume() {
    std::lock_guard lock(startMutex_);
    if (thread_.joinable() || Finished()) return;
    InstallSynchronizeHook();
    thread_ = std::thread(&TThread::Run, this);
}

void TThread::Run() {
    try {
        Execute();
    } catch (...) {
        fatalException_ = std::current_exception();
    }
    if (freeOnTerminate_) {
        {
            std::lock_guard lock(startMutex_);
            thread_.detach();
        }
        delete this;
        return;
    }
    detail::SyncQueue::Instance().Signal([this] { finished_ = true; });
}

int TThread::WaitFor() {
    {
        std::lock_guard lock(startMutex_);
        if (thread_.get_id() == std::this_thread::get_id()) throw Exception("A thread cannot wait for its own end");
    }
    Join();
    return returnValue_;
}

void TThread::Join() {
    if (!thread_.joinable()) return;
    if (std::this_thread::get_id() == MainThreadID()) {
        auto& queue = detail::SyncQueue::Instance();
        // The worker waits for the very call that would wait for the worker.
        if (queue.RunsCallOf(thread_.get_id()))
            throw Exception("A thread cannot be waited for from inside its own synchronized call");
        queue.ServiceUntil([this] { return finished_.load(); });
    }
    thread_.join();
}

void TThread::Free() {
    Terminate();
    WaitFor();
    delete this;
}

void TThread::Synchronize(const std::function<void()>& call) { RunOnMainThread(call); }

}  // namespace framework
