#pragma once
// One FIFO queue of posted messages per UI thread, with the thread's timers. Posting is safe from any thread.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/user/MessagePayload.h"
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

struct PostedMessage {
    MSG msg;
    std::unique_ptr<MessagePayload> payload;
};

struct MessageFilter {
    HWND hwnd = nullptr;  // null: every window of the thread
    UINT first = 0;
    UINT last = 0;  // first == last == 0: every message

    bool matches(const MSG& m) const;
};

class MessageQueue {
  public:
    using Clock = std::chrono::steady_clock;

    explicit MessageQueue(std::thread::id owner) : owner_(owner) {}
    std::thread::id owner() const { return owner_; }

    void post(PostedMessage message);
    void postQuit(int exitCode);
    // Takes (or, without remove, copies) the first posted message that passes the filter.
    std::optional<PostedMessage> take(const MessageFilter& filter, bool remove);
    std::size_t count(const MessageFilter& filter) const;
    // Drops the messages of a window that is going away; their payloads are freed.
    void dropFor(HWND hwnd);
    bool quitPosted(int* exitCode) const;
    void clearQuit();

    void setTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc);
    bool killTimer(HWND hwnd, UINT_PTR id);
    void killTimersOf(HWND hwnd);
    // A WM_TIMER for the first due timer passing the filter; it is rescheduled, so ticks missed meanwhile coalesce.
    std::optional<MSG> dueTimer(const MessageFilter& filter, bool remove);
    std::optional<Clock::time_point> nextTimerDue() const;

    // Blocks until something is posted, the deadline (if any) passes or wake() is called.
    void waitUntil(std::optional<Clock::time_point> deadline);
    // The same through the presenter, which also watches the display: posts and wakes from other threads wake it
    // too. False when the presenter has nothing to wait on.
    bool waitThroughPresenter(std::optional<Clock::time_point> deadline);
    void wake();

  private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id;
        std::chrono::milliseconds interval;
        Clock::time_point due;
        TIMERPROC proc;
    };

    // Another thread's post must reach an owner that sleeps in the presenter.
    void wakePresenterFromOtherThread();

    std::thread::id owner_;
    std::atomic<bool> waitingInPresenter_{false};
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<PostedMessage> posted_;
    bool woken_ = false;
    bool quit_ = false;
    int quitCode_ = 0;
    std::vector<Timer> timers_;  // touched by the owning thread only
};

// The queue of the calling thread, created on first use.
std::shared_ptr<MessageQueue> CurrentQueue();
DWORD TickCount();

}  // namespace user::detail
