#pragma once
// Where top-level windows become visible: a virtual screen or real windows on a display. The window layer tells
// the presenter what changed; the presenter feeds input back through platform/user/Input.h.
#include <memory>

#include "platform/user/Types.h"

namespace user {

class Presenter {
  public:
    virtual ~Presenter() = default;
    // Shown, hidden, moved, resized, restacked or given a region.
    virtual void windowChanged(win::HWND topLevel) = 0;
    virtual void windowDestroyed(win::HWND topLevel) = 0;
    // A DC over the window was released: its pixels may differ.
    virtual void pixelsChanged(win::HWND topLevel) = 0;
    // Called by message loops before they wait and while they wait: bring the screen up to date, feed input.
    virtual void present() = 0;
    // Whether loops must poll present() while waiting (a display that has its own event queue).
    virtual bool needsPolling() const = 0;
};

// Replaces the presenter (none: windows live only in their backing stores); returns the previous one.
std::unique_ptr<Presenter> SetPresenter(std::unique_ptr<Presenter> presenter);
Presenter* CurrentPresenter();

}  // namespace user
