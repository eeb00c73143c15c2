#include "platform/testing/MessagePump.h"

#include <thread>

#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"

namespace testdriver {

std::size_t PumpUntilIdle() {
    std::size_t dispatched = 0;
    win::MSG msg;
    while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        if (msg.message == win::WM_QUIT) {
            // Left for the loop that owns the thread.
            win::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        win::DispatchMessage(&msg);
        ++dispatched;
    }
    return dispatched;
}

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpUntilIdle();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::size_t QueuedMessages(win::HWND hwnd, win::UINT first, win::UINT last) {
    return user::CountQueuedMessages(hwnd, first, last);
}

}  // namespace testdriver
