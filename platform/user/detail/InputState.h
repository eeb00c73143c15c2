#pragma once
// Focus, capture, activation and the keyboard and mouse state, as the UI thread sees them.
#include <array>

#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

struct InputState {
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND active = nullptr;
    POINT cursor{};
    std::array<BYTE, 256> keys{};      // as the retrieved messages tell: bit 0x80 down, bit 0x01 toggled
    std::array<bool, 256> physical{};  // as the input arrives
    int swallowRelease = 0;            // the button whose release is dropped (a dismissing click)
    // Alt went down and nothing else has been pressed since, as the retrieved messages tell: its release opens
    // the menu bar.
    bool altAlone = false;
    // The last button press, for double clicks.
    HWND lastDownWindow = nullptr;
    UINT lastDownMessage = 0;
    DWORD lastDownTime = 0;
    POINT lastDownPoint{};
};

InputState& Input();
// Forgets a window that is going away.
void ForgetWindow(HWND hwnd);
// The window a disabled top-level window waits on: the frontmost enabled visible window it owns, directly or
// through others; the window itself when there is none.
HWND EnabledPopupOf(HWND topLevel);

}  // namespace user::detail
