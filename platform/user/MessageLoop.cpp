#include "platform/user/MessageLoop.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/user/Messages.h"
#include "platform/user/Presenter.h"
#include "platform/user/detail/Dispatch.h"
#include "platform/user/detail/InputState.h"
#include "platform/user/detail/MessageLoopCore.h"
#include "platform/user/detail/MessageQueue.h"
#include "platform/user/detail/PaintQueue.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace user::detail {

namespace {

struct Hooks {
    std::mutex mutex;
    std::function<void()> pendingCalls;
    std::vector<std::weak_ptr<MessageQueue>> queues;
};

Hooks& hooks() {
    static Hooks h;
    return h;
}

// The payload of the message last taken off the queue: valid until it is dispatched or the next one is taken.
thread_local std::unique_ptr<MessagePayload> retainedPayload;

bool RangeIncludes(const MessageFilter& f, UINT msg) {
    return (f.first == 0 && f.last == 0) || (msg >= f.first && msg <= f.last);
}

std::shared_ptr<MessageQueue> LoopQueue() {
    static thread_local bool registered = false;
    auto q = CurrentQueue();
    if (!registered) {
        std::lock_guard lock(hooks().mutex);
        std::erase_if(hooks().queues, [](const std::weak_ptr<MessageQueue>& w) { return w.expired(); });
        hooks().queues.push_back(q);
        registered = true;
    }
    return q;
}

}  // namespace

void RunPendingCalls() {
    std::function<void()> hook;
    {
        std::lock_guard lock(hooks().mutex);
        hook = hooks().pendingCalls;
    }
    if (hook) hook();
}

bool Retrieve(MSG* out, const MessageFilter& filter, bool remove) {
    // Registered before the pending calls are looked at: a call queued in between then still wakes this loop.
    auto q = LoopQueue();
    RunPendingCalls();
    if (auto posted = q->take(filter, remove)) {
        if (remove) {
            retainedPayload = std::move(posted->payload);
            NoteRetrieved(posted->msg);
        }
        *out = posted->msg;
        return true;
    }
    int exitCode = 0;
    if (!filter.hwnd && RangeIncludes(filter, WM_QUIT) && q->quitPosted(&exitCode)) {
        if (remove) q->clearQuit();
        *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, TickCount(), Input().cursor};
        return true;
    }
    if (RangeIncludes(filter, WM_PAINT)) {
        if (HWND h = NextWindowToPaint(*q, filter.hwnd)) {
            *out = MSG{h, WM_PAINT, 0, 0, TickCount(), Input().cursor};
            return true;
        }
    }
    if (auto timer = q->dueTimer(filter, remove)) {
        *out = *timer;
        out->pt = Input().cursor;
        return true;
    }
    return false;
}

void WaitForMessages() {
    auto q = LoopQueue();
    Presenter* presenter = CurrentPresenter();
    if (presenter) presenter->present();
    // Nothing but a message, input, a timer or another thread's call ends the sleep: an idle program makes no
    // system calls.
    std::optional<MessageQueue::Clock::time_point> deadline = q->nextTimerDue();
    if (presenter) {
        if (const auto again = presenter->presentAgainAt()) deadline = deadline ? std::min(*deadline, *again) : *again;
    }
    if (q->waitThroughPresenter(deadline)) {
        presenter->present();
        return;
    }
    q->waitUntil(deadline);
}

LRESULT Dispatch(const MSG& msg) {
    std::unique_ptr<MessagePayload> payload;
    if (retainedPayload && msg.lParam == reinterpret_cast<LPARAM>(retainedPayload.get()))
        payload = std::move(retainedPayload);
    if (!msg.hwnd) return 0;
    if (msg.message == WM_PAINT) {
        DeliverPaint(msg.hwnd);
        return 0;
    }
    if (msg.message == WM_TIMER && msg.lParam) {
        if (!Find(msg.hwnd)) return 0;
        reinterpret_cast<TIMERPROC>(msg.lParam)(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
        return 0;
    }
    return Send(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

}  // namespace user::detail

namespace win {

using namespace user::detail;

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto q = WindowTable::instance().queueOf(hwnd);
    if (!q) return FALSE;
    // The cursor belongs to the UI thread; a worker's message carries none.
    const POINT cursor = q->owner() == std::this_thread::get_id() ? Input().cursor : POINT{};
    q->post(PostedMessage{MSG{hwnd, msg, wParam, lParam, TickCount(), cursor}, nullptr});
    return TRUE;
}

BOOL PostOwnedMessage(HWND hwnd, UINT msg, WPARAM wParam, std::unique_ptr<MessagePayload> payload) {
    auto q = WindowTable::instance().queueOf(hwnd);
    if (!q) return FALSE;
    const LPARAM lParam = reinterpret_cast<LPARAM>(payload.get());
    q->post(PostedMessage{MSG{hwnd, msg, wParam, lParam, TickCount(), POINT{}}, std::move(payload)});
    return TRUE;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto w = Find(hwnd);
    if (!w || w->queue != CurrentQueue()) return 0;
    return Send(hwnd, msg, wParam, lParam);
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove) {
    if (!msg) return FALSE;
    return Retrieve(msg, MessageFilter{hwnd, first, last}, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last) {
    if (!msg) return FALSE;
    const MessageFilter filter{hwnd, first, last};
    while (!Retrieve(msg, filter, true)) WaitForMessages();
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

LRESULT DispatchMessage(const MSG* msg) { return msg ? Dispatch(*msg) : 0; }

BOOL WaitMessage() {
    MSG msg;
    while (!Retrieve(&msg, MessageFilter{}, false)) WaitForMessages();
    return TRUE;
}

void PostQuitMessage(int exitCode) { LoopQueue()->postQuit(exitCode); }

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc) {
    auto w = Find(hwnd);
    if (!w || w->queue != CurrentQueue()) return 0;
    w->queue->setTimer(hwnd, id, intervalMs, proc);
    return id ? id : 1;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto w = Find(hwnd);
    return w && w->queue->killTimer(hwnd, id) ? TRUE : FALSE;
}

DWORD GetTickCount() { return TickCount(); }

}  // namespace win

namespace user {

void SetPendingCallsHook(std::function<void()> hook) {
    std::lock_guard lock(detail::hooks().mutex);
    detail::hooks().pendingCalls = std::move(hook);
}

void WakeMessageLoops() {
    std::vector<std::shared_ptr<detail::MessageQueue>> queues;
    {
        std::lock_guard lock(detail::hooks().mutex);
        for (auto& weak : detail::hooks().queues)
            if (auto q = weak.lock()) queues.push_back(q);
    }
    for (auto& q : queues) q->wake();
}

std::size_t CountQueuedMessages(win::HWND hwnd, win::UINT first, win::UINT last) {
    return detail::CurrentQueue()->count(detail::MessageFilter{hwnd, first, last});
}

}  // namespace user
