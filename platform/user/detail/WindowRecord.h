#pragma once
// What the layer keeps per window. Owned by the window table; touched only on the window's own thread.
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/user/Types.h"

namespace gdi {
class Surface;
}

namespace user::detail {

using namespace win;

class MessageQueue;

struct WindowRecord {
    HWND handle = nullptr;
    std::shared_ptr<MessageQueue> queue;
    std::string className;
    UINT classStyle = 0;
    HBRUSH classBackground = nullptr;
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;

    HWND parent = nullptr;                  // child windows: the parent; top-level windows: none
    HWND owner = nullptr;                   // top-level windows: the owner window
    std::vector<HWND> children;             // front (topmost) first
    RECT rect{};                            // child: in the parent's client coordinates; top-level: screen coordinates
    HMENU menu = nullptr;                   // the menu bar of a top-level window
    int menuBarHeight = 0;                  // as last laid out
    HRGN region = nullptr;                  // owned; in window coordinates
    std::shared_ptr<gdi::Surface> surface;  // top-level windows only: the backing store, non-client area included

    // Pending paint, in client coordinates.
    bool updatePending = false;
    RECT updateRect{};
    bool erasePending = false;
    bool eraseUnanswered = false;  // WM_ERASEBKGND returned 0: BeginPaint reports fErase
    bool framePending = false;

    bool destroying = false;
};

}  // namespace user::detail
