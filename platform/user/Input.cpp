#include "platform/user/Input.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

#include "platform/user/ClassicGeometry.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Presenter.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Dispatch.h"
#include "platform/user/detail/Geometry.h"
#include "platform/user/detail/InputState.h"
#include "platform/user/detail/MessageLoopCore.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace user::detail {

InputState& Input() {
    static InputState state;
    return state;
}

void ForgetWindow(HWND hwnd) {
    InputState& s = Input();
    if (s.focus == hwnd) s.focus = nullptr;
    if (s.capture == hwnd) s.capture = nullptr;
    if (s.active == hwnd) s.active = nullptr;
    if (s.lastDownWindow == hwnd) s.lastDownWindow = nullptr;
}

HWND EnabledPopupOf(HWND topLevel) {
    for (HWND top : WindowTable::instance().topLevels()) {
        auto w = Find(top);
        if (!w || w->owner != topLevel || !(w->style & WS_VISIBLE) || (w->exStyle & WS_EX_TOPMOST)) continue;
        const HWND deeper = EnabledPopupOf(top);
        if (deeper != top || !(w->style & WS_DISABLED)) return deeper;
    }
    return topLevel;
}

void NoteRetrieved(const MSG& msg) {
    auto& keys = Input().keys;
    bool& altAlone = Input().altAlone;
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == static_cast<WPARAM>(VK_MENU)) {
        if (!(msg.lParam & (LPARAM{1} << 30))) altAlone = true;
    } else if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN || msg.message == WM_LBUTTONDOWN ||
               msg.message == WM_RBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN || msg.message == WM_MOUSEWHEEL) {
        altAlone = false;
    }
    auto set = [&](int vk, bool down) {
        if (down && !(keys[vk] & 0x80)) keys[vk] ^= 0x01;
        keys[vk] = static_cast<BYTE>((keys[vk] & 0x01) | (down ? 0x80 : 0));
    };
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            set(static_cast<int>(msg.wParam & 0xFF), true);
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            set(static_cast<int>(msg.wParam & 0xFF), false);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            set(VK_LBUTTON, true);
            break;
        case WM_LBUTTONUP:
            set(VK_LBUTTON, false);
            break;
        case WM_RBUTTONDOWN:
            set(VK_RBUTTON, true);
            break;
        case WM_RBUTTONUP:
            set(VK_RBUTTON, false);
            break;
        default:
            break;
    }
}

namespace {

WPARAM MouseKeyFlags() {
    const auto& p = Input().physical;
    WPARAM flags = 0;
    if (p[VK_LBUTTON]) flags |= MK_LBUTTON;
    if (p[VK_RBUTTON]) flags |= MK_RBUTTON;
    if (p[VK_SHIFT]) flags |= MK_SHIFT;
    if (p[VK_CONTROL]) flags |= MK_CONTROL;
    return flags;
}

bool IsDoubleClick(HWND target, UINT downMessage, POINT screen, DWORD now) {
    InputState& s = Input();
    auto w = Find(target);
    const bool dbl = w && (w->classStyle & CS_DBLCLKS) && s.lastDownWindow == target &&
                     s.lastDownMessage == downMessage && now - s.lastDownTime <= classic::kDoubleClickMs &&
                     std::abs(screen.x - s.lastDownPoint.x) <= classic::kDoubleClickDistance / 2 &&
                     std::abs(screen.y - s.lastDownPoint.y) <= classic::kDoubleClickDistance / 2;
    // A double click ends the sequence: a third press starts a new one.
    s.lastDownWindow = dbl ? nullptr : target;
    s.lastDownMessage = downMessage;
    s.lastDownTime = now;
    s.lastDownPoint = screen;
    return dbl;
}

HWND KeyboardTarget() {
    InputState& s = Input();
    if (s.focus && IsWindow(s.focus)) return s.focus;
    return s.active;
}

}  // namespace

}  // namespace user::detail

namespace win {

using namespace user::detail;

short GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    const BYTE k = Input().keys[static_cast<std::size_t>(virtualKey)];
    return static_cast<short>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

HWND SetFocus(HWND hwnd) {
    InputState& s = Input();
    const HWND previous = s.focus;
    if (hwnd && !IsWindow(hwnd)) return nullptr;
    if (hwnd == previous) return previous;
    if (hwnd) {
        const HWND top = TopLevelOf(hwnd);
        if (top != s.active) SetActiveWindow(top);
    }
    s.focus = hwnd;
    if (previous) Send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && s.focus == hwnd) Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetFocus() { return Input().focus; }

HWND SetCapture(HWND hwnd) {
    InputState& s = Input();
    const HWND previous = s.capture;
    if (!IsWindow(hwnd)) return previous;
    s.capture = hwnd;
    if (previous && previous != hwnd) Send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

BOOL ReleaseCapture() {
    InputState& s = Input();
    const HWND previous = std::exchange(s.capture, nullptr);
    if (previous) Send(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return Input().capture; }

HWND SetActiveWindow(HWND hwnd) {
    InputState& s = Input();
    const HWND previous = s.active;
    auto w = Find(hwnd);
    if (!w || w->parent || hwnd == previous) return previous;
    s.active = hwnd;
    if (previous && IsWindow(previous)) {
        Send(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd));
        if (auto p = Find(previous)) p->framePending = true;
    }
    // The windows it owns come along in front of it.
    BringToFront(hwnd);
    Send(hwnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
    if ((w = Find(hwnd))) w->framePending = true;
    if (auto* presenter = user::CurrentPresenter(); presenter && s.active == hwnd) presenter->windowActivated(hwnd);
    return previous;
}

HWND GetActiveWindow() { return Input().active; }

BOOL GetCursorPos(POINT* point) {
    if (!point) return FALSE;
    *point = Input().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    Input().cursor = POINT{x, y};
    return TRUE;
}

}  // namespace win

namespace user {

using namespace win;
using namespace detail;

namespace {

// The window that gets mouse input at a point: the capture window, else the one under the point unless its
// top-level window is disabled (a modal window's owner ignores the mouse).
HWND MouseTarget(POINT screen) {
    if (Input().capture) return Input().capture;
    const HWND target = WindowFromPoint(screen);
    return target && IsWindowEnabled(TopLevelOf(target)) ? target : nullptr;
}

}  // namespace

namespace {

// Which part of a window a screen point is on. Outside the client area mouse messages are the non-client ones.
WPARAM HitTest(const WindowRecord& w, POINT screen) {
    if (Contains(ClientScreenRect(w), screen)) return HTCLIENT;
    const RECT r = ScreenRect(w);
    const RECT frame = classic::NonClientInsets(w.style, w.exStyle);
    const int clientEdge = (w.exStyle & WS_EX_CLIENTEDGE) ? classic::kClientEdge : 0;
    const int barTop = r.top + frame.top - clientEdge;
    if (!w.parent && w.menu && screen.y >= barTop && screen.y < barTop + w.menuBarHeight) return HTMENU;
    if ((w.style & WS_CAPTION) == WS_CAPTION && screen.y < barTop &&
        screen.y >= barTop - classic::Current().captionHeight)
        return HTCAPTION;
    return HTBORDER;
}

}  // namespace

void InputMouseMove(POINT screen) {
    Input().cursor = screen;
    const HWND target = MouseTarget(screen);
    auto w = Find(target);
    if (!w) return;
    const WPARAM hit = Input().capture ? HTCLIENT : HitTest(*w, screen);
    if (!Input().capture)
        PostMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                    MAKELPARAM(hit, hit == HTCLIENT ? WM_MOUSEMOVE : WM_NCMOUSEMOVE));
    if (hit != HTCLIENT) {
        PostMessage(target, WM_NCMOUSEMOVE, hit, MAKELPARAM(screen.x, screen.y));
        return;
    }
    POINT client = screen;
    ScreenToClient(target, &client);
    PostMessage(target, WM_MOUSEMOVE, MouseKeyFlags(), MAKELPARAM(client.x, client.y));
}

void InputMouseButton(MouseButton button, bool down, POINT screen) {
    InputState& s = Input();
    s.cursor = screen;
    const bool left = button == MouseButton::Left;
    const int vk = left ? VK_LBUTTON : VK_RBUTTON;
    s.physical[static_cast<std::size_t>(vk)] = down;
    if (!down && s.swallowRelease == vk) {
        s.swallowRelease = 0;
        return;
    }
    const HWND target = MouseTarget(screen);
    auto w = Find(target);
    if (!w) {
        // A press on a window that waits on a modal window brings that one forward.
        if (const HWND under = WindowFromPoint(screen); down && under && !s.capture) InputActivate(TopLevelOf(under));
        return;
    }
    if (down && !s.capture) {
        const HWND top = TopLevelOf(target);
        auto t = Find(top);
        if (t && !(t->exStyle & WS_EX_TOPMOST) && top != s.active) SetActiveWindow(top);
    }
    const WPARAM hit = s.capture ? HTCLIENT : HitTest(*w, screen);
    if (hit != HTCLIENT) {
        const UINT msg = left ? (down ? WM_NCLBUTTONDOWN : WM_NCLBUTTONUP) : (down ? WM_NCRBUTTONDOWN : WM_NCRBUTTONUP);
        PostMessage(target, msg, hit, MAKELPARAM(screen.x, screen.y));
        return;
    }
    POINT client = screen;
    ScreenToClient(target, &client);
    UINT msg = 0;
    if (left)
        msg = down ? (IsDoubleClick(target, WM_LBUTTONDOWN, screen, GetTickCount()) ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                   : WM_LBUTTONUP;
    else
        msg = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    PostMessage(target, msg, MouseKeyFlags(), MAKELPARAM(client.x, client.y));
}

void InputMouseWheel(int delta) {
    const HWND target = MouseTarget(Input().cursor);
    if (!target) return;
    const WPARAM wParam =
        (static_cast<WPARAM>(static_cast<WORD>(static_cast<std::int16_t>(delta))) << 16) | (MouseKeyFlags() & 0xFFFF);
    PostMessage(target, WM_MOUSEWHEEL, wParam, MAKELPARAM(Input().cursor.x, Input().cursor.y));
}

namespace {

bool AltHeld() {
    const auto& p = Input().physical;
    return p[VK_MENU] && !p[VK_CONTROL];
}

// The character Alt+key stands for, for menu mnemonics; 0 for keys that are not letters or digits.
char32_t MnemonicCharacter(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<char32_t>(virtualKey - 'A' + 'a');
    if (virtualKey >= '0' && virtualKey <= '9') return static_cast<char32_t>(virtualKey);
    return 0;
}

}  // namespace

void InputKey(int virtualKey, bool down) {
    if (virtualKey <= 0 || virtualKey > 255) return;
    InputState& s = Input();
    const bool wasDown = s.physical[static_cast<std::size_t>(virtualKey)];
    // Alt's own release is a system key too: it was held when the release began.
    const bool system = AltHeld() || virtualKey == VK_F10 || (virtualKey == VK_MENU && !s.physical[VK_CONTROL]);
    s.physical[static_cast<std::size_t>(virtualKey)] = down;
    const HWND target = KeyboardTarget();
    if (!target) return;
    // lParam: repeat count 1; bit 29 Alt held; bit 30 the previous key state; bit 31 set for a release.
    LPARAM lParam = 1;
    if (AltHeld() || (virtualKey == VK_MENU && system)) lParam |= LPARAM{1} << 29;
    if (wasDown) lParam |= LPARAM{1} << 30;
    if (!down) lParam |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
    const UINT msg = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    PostMessage(target, msg, static_cast<WPARAM>(virtualKey), lParam);
    if (system && down && AltHeld())
        if (const char32_t c = MnemonicCharacter(virtualKey)) PostMessage(target, WM_SYSCHAR, c, lParam);
}

void InputText(const char* utf8) {
    const HWND target = KeyboardTarget();
    if (!target || !utf8 || AltHeld()) return;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        std::uint32_t cp = *p;
        int extra = 0;
        if (cp >= 0xF0) {
            cp &= 0x07;
            extra = 3;
        } else if (cp >= 0xE0) {
            cp &= 0x0F;
            extra = 2;
        } else if (cp >= 0xC0) {
            cp &= 0x1F;
            extra = 1;
        }
        ++p;
        for (; extra > 0 && (*p & 0xC0) == 0x80; --extra, ++p) cp = (cp << 6) | (*p & 0x3F);
        if (extra == 0) PostMessage(target, WM_CHAR, cp, 1);
    }
}

void InputActivate(HWND topLevel) {
    auto w = Find(topLevel);
    if (!w || w->parent || (w->exStyle & WS_EX_TOPMOST)) return;
    const HWND chosen = (w->style & WS_DISABLED) ? EnabledPopupOf(topLevel) : topLevel;
    if (chosen == Input().active) {
        // Already the active one: still make sure the display shows it in front and gives it the keyboard.
        if (auto* presenter = CurrentPresenter()) presenter->windowActivated(chosen);
        return;
    }
    if (IsWindowEnabled(chosen)) SetActiveWindow(chosen);
}

void InputClose(HWND topLevel) {
    if (!IsWindow(topLevel)) return;
    if (!IsWindowEnabled(topLevel)) {
        InputActivate(topLevel);
        return;
    }
    PostMessage(topLevel, WM_CLOSE, 0, 0);
}

void ResetInputState() {
    InputState& s = Input();
    s.keys.fill(0);
    s.physical.fill(false);
    s.lastDownWindow = nullptr;
    s.lastDownMessage = 0;
    s.swallowRelease = 0;
    s.altAlone = false;
    s.cursor = POINT{};
}

}  // namespace user
