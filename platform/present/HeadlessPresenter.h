#pragma once
// Windows live only in their backing stores; the screen is composed when someone looks at it.
#include <chrono>
#include <optional>

#include "platform/user/Presenter.h"

namespace present {

class HeadlessPresenter : public user::Presenter {
  public:
    HeadlessPresenter() = default;
    // For scripted runs of a whole program, which have no user to end them: once closeAfter has passed since the
    // first window showed, the active window is sent WM_CLOSE, as a user closing it would, and so is each window
    // that becomes active after it, until the program ends.
    explicit HeadlessPresenter(std::chrono::milliseconds closeAfter);

    void windowChanged(win::HWND topLevel) override;
    void windowDestroyed(win::HWND) override {}
    void pixelsChanged(win::HWND, const win::RECT&) override {}
    void windowActivated(win::HWND) override {}
    void present() override;
    std::optional<Clock::time_point> presentAgainAt() const override;
    bool waitForInput(std::optional<Clock::time_point>) override { return false; }
    void wake() override {}

  private:
    std::optional<std::chrono::milliseconds> closeAfter_;
    std::optional<Clock::time_point> closeAt_;
    win::HWND lastClosed_ = nullptr;
};

}  // namespace present
