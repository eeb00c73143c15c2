#include "LoopScript.h"

#include <memory>
#include <thread>

#include "platform/framework/Synchronize.h"
#include "platform/framework/forms/Application.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/MessagePayload.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace {

constexpr win::UINT RunStep = win::WM_USER + 900;
constexpr win::UINT kLookAgainMs = 20;
const char* const ClassName = "WindowsTestLoopScript";
LoopScript* current = nullptr;

struct StepAction : win::MessagePayload {
    std::function<void()> action;
};

// What the application's own hook does: calls handed over by workers run, and the loop wakes to see their effects.
void RunWorkerCalls() {
    if (framework::CheckSynchronize() && framework::Application)
        win::PostMessage(framework::Application->Handle(), win::WM_NULL, 0, 0);
}

}  // namespace

LoopScript::LoopScript() {
    static const bool registered = [] {
        win::WNDCLASS wc;
        wc.lpfnWndProc = &LoopScript::Procedure;
        wc.lpszClassName = ClassName;
        return win::RegisterClass(&wc) != 0;
    }();
    (void)registered;
    window_ = win::CreateWindowEx(0, ClassName, "script", win::WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr);
    // The UI thread sleeps until something arrives, but a condition may change without any message (a child
    // started, a file written): the loops look again at least this often.
    win::SetTimer(window_, 1, kLookAgainMs, nullptr);
    current = this;
    Install();
}

void LoopScript::Install() {
    const std::thread::id ui = std::this_thread::get_id();
    user::SetPendingCallsHook([ui] {
        RunWorkerCalls();
        if (current && std::this_thread::get_id() == ui) current->Look();
    });
}

LoopScript::~LoopScript() {
    current = nullptr;
    user::SetPendingCallsHook(&RunWorkerCalls);
    win::DestroyWindow(window_);
}

void LoopScript::Then(std::function<bool()> when, std::function<void()> action, std::string name) {
    steps_.push_back(Step{std::move(when), std::move(action), std::move(name)});
}

void LoopScript::Watch(std::function<void()> look) { watchers_.push_back(std::move(look)); }

std::string LoopScript::Waiting() const {
    if (next_ >= steps_.size()) return posted_ ? "the last step's action" : "nothing";
    const std::string name = steps_[next_].name.empty() ? "step " + std::to_string(next_ + 1) : steps_[next_].name;
    return posted_ ? name + " (posted)" : name;
}

void LoopScript::Look() {
    if (looking_) return;
    looking_ = true;
    for (const auto& look : watchers_) look();
    if (!acting_ && !posted_ && next_ < steps_.size() && steps_[next_].when()) {
        auto payload = std::make_unique<StepAction>();
        payload->action = steps_[next_].action;
        posted_ = true;
        win::PostOwnedMessage(window_, RunStep, 0, std::move(payload));
    }
    looking_ = false;
}

win::LRESULT LoopScript::Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg != RunStep || !current) return win::DefWindowProc(hwnd, msg, wParam, lParam);
    LoopScript* script = current;
    ++script->next_;
    script->posted_ = false;
    const auto* step = dynamic_cast<const StepAction*>(reinterpret_cast<const win::MessagePayload*>(lParam));
    script->acting_ = true;
    if (step && step->action) step->action();
    script->acting_ = false;
    return 0;
}

void LoopScript::Settle() {
    testdriver::PumpUntilIdle();
    if (framework::Application) framework::Application->Idle();
    testdriver::PumpUntilIdle();
}
