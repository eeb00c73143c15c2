#pragma once
// Windows for tests: a class whose procedure records every message and lets a test answer them.
#include <functional>
#include <optional>
#include <vector>

#include "platform/user/Types.h"

namespace usertest {

using Handler = std::function<bool(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam, win::LRESULT* result)>;

class TestWindow {
  public:
    // A visible top-level window (style WS_POPUP unless given) or, with a parent, a child window.
    TestWindow(win::RECT rect, win::DWORD style = 0, win::HWND parent = nullptr, win::DWORD exStyle = 0);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    win::HWND hwnd() const { return hwnd_; }
    // Called before the default handling; returning true skips it.
    void onMessage(Handler handler) { handler_ = std::move(handler); }
    const std::vector<win::MSG>& received() const { return received_; }
    std::vector<win::UINT> receivedIds(std::initializer_list<win::UINT> wanted) const;
    // The last message with this identifier, if any came.
    std::optional<win::MSG> last(win::UINT msg) const;
    void clear() { received_.clear(); }

    static win::LRESULT Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

  private:
    win::HWND hwnd_ = nullptr;
    Handler handler_;
    std::vector<win::MSG> received_;
};

// The class name of TestWindow (registered once, with CS_DBLCLKS and a white background).
const char* TestClassName();
// The same procedure without double clicks.
const char* TestClassNameNoDoubleClicks();

}  // namespace usertest
