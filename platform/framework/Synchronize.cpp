#include "platform/framework/Synchronize.h"

#include <mutex>

#include "platform/framework/SyncQueue.h"
#include "platform/user/MessageLoop.h"

namespace framework {

namespace {

// Set during static initialisation, which runs on the thread that starts the program.
const std::thread::id mainThreadId = std::this_thread::get_id();

}  // namespace

std::thread::id MainThreadID() { return mainThreadId; }

void RunOnMainThread(const std::function<void()>& call) {
    if (std::this_thread::get_id() == mainThreadId) {
        call();
        return;
    }
    detail::SyncQueue::Instance().Run(call);
}

bool CheckSynchronize() {
    if (std::this_thread::get_id() != mainThreadId) return false;
    return detail::SyncQueue::Instance().RunPending();
}

void InstallSynchronizeHook() {
    static std::once_flag installed;
    std::call_once(installed, [] { user::SetPendingCallsHook([] { CheckSynchronize(); }); });
}

}  // namespace framework
