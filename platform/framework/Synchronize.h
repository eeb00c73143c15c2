#pragma once
// Calls that worker threads hand to the main (UI) thread, and the function that runs them. The user layer's
// message loops run CheckSynchronize each time they look for a message once a TThread has been started, and a
// main thread that joins a worker runs them while it waits.
#include <functional>
#include <thread>

namespace framework {

// The thread that started the program.
std::thread::id MainThreadID();

// Runs call on the main thread and waits for it; the main thread itself runs it at once. An exception that
// call raises is re-raised here, in the calling thread.
void RunOnMainThread(const std::function<void()>& call);

// Runs the waiting calls in the order they were made. On any thread but the main thread it does nothing.
// True when a call ran.
bool CheckSynchronize();

// Makes every message loop run CheckSynchronize. Idempotent.
void InstallSynchronizeHook();

}  // namespace framework
