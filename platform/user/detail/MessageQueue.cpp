#include "platform/user/detail/MessageQueue.h"

#include <algorithm>

#include "platform/user/Messages.h"
#include "platform/user/Presenter.h"

namespace user::detail {

bool MessageFilter::matches(const MSG& m) const {
    if (hwnd && m.hwnd != hwnd) return false;
    if (first == 0 && last == 0) return true;
    return m.message >= first && m.message <= last;
}

void MessageQueue::post(PostedMessage message) {
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(std::move(message));
    }
    changed_.notify_all();
    wakePresenterFromOtherThread();
}

void MessageQueue::postQuit(int exitCode) {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        quitCode_ = exitCode;
    }
    changed_.notify_all();
    wakePresenterFromOtherThread();
}

void MessageQueue::wakePresenterFromOtherThread() {
    // The owner announces its sleep before it looks at the queue a last time, so a post that it did not see finds
    // the flag set.
    if (std::this_thread::get_id() == owner_ || !waitingInPresenter_) return;
    if (user::Presenter* presenter = user::CurrentPresenter()) presenter->wake();
}

std::optional<PostedMessage> MessageQueue::take(const MessageFilter& filter, bool remove) {
    std::lock_guard lock(mutex_);
    for (auto it = posted_.begin(); it != posted_.end(); ++it) {
        if (!filter.matches(it->msg)) continue;
        if (!remove) return PostedMessage{it->msg, nullptr};
        PostedMessage taken = std::move(*it);
        posted_.erase(it);
        return taken;
    }
    return std::nullopt;
}

std::size_t MessageQueue::count(const MessageFilter& filter) const {
    std::lock_guard lock(mutex_);
    return static_cast<std::size_t>(
        std::count_if(posted_.begin(), posted_.end(), [&](const PostedMessage& p) { return filter.matches(p.msg); }));
}

void MessageQueue::dropFor(HWND hwnd) {
    std::deque<PostedMessage> dropped;  // payloads are freed outside the lock: their destructors may post
    {
        std::lock_guard lock(mutex_);
        auto keep = std::stable_partition(posted_.begin(), posted_.end(),
                                          [&](const PostedMessage& p) { return p.msg.hwnd != hwnd; });
        std::move(keep, posted_.end(), std::back_inserter(dropped));
        posted_.erase(keep, posted_.end());
    }
}

bool MessageQueue::quitPosted(int* exitCode) const {
    std::lock_guard lock(mutex_);
    if (quit_ && exitCode) *exitCode = quitCode_;
    return quit_;
}

void MessageQueue::clearQuit() {
    std::lock_guard lock(mutex_);
    quit_ = false;
}

void MessageQueue::setTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc) {
    const auto interval = std::chrono::milliseconds(std::max<UINT>(intervalMs, 1));
    const auto due = Clock::now() + interval;
    for (Timer& t : timers_) {
        if (t.hwnd == hwnd && t.id == id) {
            t = Timer{hwnd, id, interval, due, proc};
            return;
        }
    }
    timers_.push_back(Timer{hwnd, id, interval, due, proc});
}

bool MessageQueue::killTimer(HWND hwnd, UINT_PTR id) {
    return std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void MessageQueue::killTimersOf(HWND hwnd) {
    std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<MSG> MessageQueue::dueTimer(const MessageFilter& filter, bool remove) {
    const auto now = Clock::now();
    for (Timer& t : timers_) {
        if (t.due > now) continue;
        MSG m;
        m.hwnd = t.hwnd;
        m.message = WM_TIMER;
        m.wParam = t.id;
        m.lParam = reinterpret_cast<LPARAM>(t.proc);
        m.time = TickCount();
        if (!filter.matches(m)) continue;
        if (remove) t.due = now + t.interval;
        return m;
    }
    return std::nullopt;
}

std::optional<MessageQueue::Clock::time_point> MessageQueue::nextTimerDue() const {
    std::optional<Clock::time_point> next;
    for (const Timer& t : timers_)
        if (!next || t.due < *next) next = t.due;
    return next;
}

void MessageQueue::waitUntil(std::optional<Clock::time_point> deadline) {
    std::unique_lock lock(mutex_);
    const auto ready = [&] { return !posted_.empty() || quit_ || woken_; };
    if (deadline)
        changed_.wait_until(lock, *deadline, ready);
    else
        changed_.wait(lock, ready);
    woken_ = false;
}

bool MessageQueue::waitThroughPresenter(std::optional<Clock::time_point> deadline) {
    user::Presenter* presenter = user::CurrentPresenter();
    if (!presenter) return false;
    waitingInPresenter_ = true;
    {
        std::lock_guard lock(mutex_);
        if (!posted_.empty() || quit_ || woken_) {
            woken_ = false;
            waitingInPresenter_ = false;
            return true;
        }
    }
    const bool waited = presenter->waitForInput(deadline);
    waitingInPresenter_ = false;
    if (waited) {
        std::lock_guard lock(mutex_);
        woken_ = false;
    }
    return waited;
}

void MessageQueue::wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    changed_.notify_all();
    wakePresenterFromOtherThread();
}

std::shared_ptr<MessageQueue> CurrentQueue() {
    thread_local std::shared_ptr<MessageQueue> queue = std::make_shared<MessageQueue>(std::this_thread::get_id());
    return queue;
}

DWORD TickCount() {
    using namespace std::chrono;
    return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace user::detail
