#pragma once
// Where top-level windows become visible: a virtual screen or real windows on a display. The window layer tells
// the presenter what changed; the presenter feeds input back through platform/user/Input.h.
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/user/Types.h"

namespace user {

enum class PointerShape;

class Presenter {
  public:
    using Clock = std::chrono::steady_clock;

    virtual ~Presenter() = default;
    // Shown, hidden, moved, resized, restacked, given a region or another owner.
    virtual void windowChanged(win::HWND topLevel) = 0;
    virtual void windowDestroyed(win::HWND topLevel) = 0;
    // A DC over the window was released: the pixels in `area` (window coordinates) may differ.
    virtual void pixelsChanged(win::HWND topLevel, const win::RECT& area) = 0;
    // The window became the active one: it and the windows it owns come to the front and it takes the keyboard.
    virtual void windowActivated(win::HWND topLevel) = 0;
    // Called by message loops before they wait and after: bring the screen up to date, feed input.
    virtual void present() = 0;
    // When present() has something to do by itself (none: only when the loop wakes anyway).
    virtual std::optional<Clock::time_point> presentAgainAt() const { return std::nullopt; }
    // Blocks until input may be there, wake() is called or the deadline (if any) passes. False when the presenter
    // has no input of its own to wait for; the loop then waits on its queue alone.
    virtual bool waitForInput(std::optional<Clock::time_point> deadline) = 0;
    // Any thread: ends a waitForInput that is running or about to run.
    virtual void wake() = 0;

    // The pointer's shape changed (win::SetCursor).
    virtual void cursorChanged(PointerShape) {}

    // The clipboard: the display's where there is one, else the program's own.
    virtual void setClipboardText(const std::string& text) { clipboard_ = text; }
    virtual std::string clipboardText() { return clipboard_; }

  private:
    std::string clipboard_;
};

// Replaces the presenter (none: windows live only in their backing stores); returns the previous one.
std::unique_ptr<Presenter> SetPresenter(std::unique_ptr<Presenter> presenter);
// Safe on any thread while the presenter is not being replaced.
Presenter* CurrentPresenter();

}  // namespace user
