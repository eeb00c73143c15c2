#pragma once
// Records every message a window receives, by subclassing it through GWL_WNDPROC, and passes each one on.
// Restores the previous procedure when destroyed, unless someone subclassed the window after the spy.
#include <vector>

#include "platform/user/Types.h"

namespace testdriver {

class MessageSpy {
  public:
    explicit MessageSpy(win::HWND hwnd);
    ~MessageSpy();
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    const std::vector<win::MSG>& messages() const { return messages_; }
    // Only the message identifiers, in order.
    std::vector<win::UINT> ids() const;
    // The identifiers among `wanted`, in order.
    std::vector<win::UINT> ids(std::initializer_list<win::UINT> wanted) const;
    void clear() { messages_.clear(); }

  private:
    static win::LRESULT Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

    win::HWND hwnd_;
    win::WNDPROC previous_;
    std::vector<win::MSG> messages_;
};

}  // namespace testdriver
