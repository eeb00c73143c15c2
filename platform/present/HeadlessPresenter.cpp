#include "platform/present/HeadlessPresenter.h"

#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"

namespace present {

HeadlessPresenter::HeadlessPresenter(std::chrono::milliseconds closeAfter) : closeAfter_(closeAfter) {}

void HeadlessPresenter::windowChanged(win::HWND topLevel) {
    if (closeAfter_ && !closeAt_ && win::IsWindowVisible(topLevel)) closeAt_ = Clock::now() + *closeAfter_;
}

std::optional<user::Presenter::Clock::time_point> HeadlessPresenter::presentAgainAt() const {
    if (closeAt_ && Clock::now() < *closeAt_) return closeAt_;
    return std::nullopt;
}

void HeadlessPresenter::present() {
    // Message loops call this before every wait and wake for the close time, so the close comes on time.
    if (!closeAt_ || Clock::now() < *closeAt_) return;
    const win::HWND active = win::GetActiveWindow();
    if (active == nullptr || active == lastClosed_) return;
    lastClosed_ = active;
    win::PostMessage(active, win::WM_CLOSE, 0, 0);
}

}  // namespace present
