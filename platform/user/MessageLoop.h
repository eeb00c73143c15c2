#pragma once
// Posting, sending, retrieving and dispatching messages; timers; the hook through which every loop runs the calls
// that other threads left for the UI thread.
#include <cstddef>
#include <functional>

#include "platform/user/Types.h"

namespace win {

// Thread-safe; never runs the window procedure inline. FALSE for a stale window.
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Calls the procedure chain directly. Only the window's own thread may send; elsewhere this fails with 0.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// hwnd 0: every window of the thread; first = last = 0: every message. Order: posted messages (FIFO), WM_QUIT,
// WM_PAINT, WM_TIMER.
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove);
// Waits for a message; 0 for WM_QUIT.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last);
LRESULT DispatchMessage(const MSG* msg);
BOOL WaitMessage();
void PostQuitMessage(int exitCode);

// Coalesced: a timer that fell behind delivers one WM_TIMER. Returns the id, 0 on failure.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);

DWORD GetTickCount();

}  // namespace win

namespace user {

// Run by every message loop of every UI thread each time it looks for a message.
void SetPendingCallsHook(std::function<void()> hook);
// Wakes waiting loops so that they run the hook.
void WakeMessageLoops();
// Posted messages in [first, last] waiting for hwnd (0: any window of the calling thread).
std::size_t CountQueuedMessages(win::HWND hwnd, win::UINT first, win::UINT last);

}  // namespace user
