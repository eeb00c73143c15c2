#pragma once
// Driving the calling thread's message loop from a test, and looking into its queue.
#include <chrono>
#include <cstddef>
#include <functional>

#include "platform/user/Types.h"

namespace testdriver {

// Dispatches until no posted message, paint or due timer is left; returns how many were dispatched.
std::size_t PumpUntilIdle();
// Pumps until the condition holds (true) or the time is up (false).
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);
// Posted messages in [first, last] waiting for hwnd.
std::size_t QueuedMessages(win::HWND hwnd, win::UINT first, win::UINT last);

}  // namespace testdriver
