#include "platform/framework/controls/HintWindow.h"

#include <algorithm>
#include <string>

#include "platform/framework/controls/Control.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace framework {

namespace {

constexpr char kHintClass[] = "THintWindow";
constexpr win::UINT_PTR kPauseTimer = 1;
// Below the pointer, clear of the arrow.
constexpr int kBelowPointer = 20;
constexpr int kPadding = 3;  // between the one-pixel frame and the text

struct HintState {
    win::HWND window = nullptr;
    TControl* waitingFor = nullptr;  // the control whose pause runs
    std::string text;
};

HintState& State() {
    static HintState state;
    return state;
}

void Hide() {
    HintState& s = State();
    if (s.window && win::IsWindow(s.window)) {
        win::KillTimer(s.window, kPauseTimer);
        win::ShowWindow(s.window, win::SW_HIDE);
    }
}

win::SIZE TextSize(const std::string& text) {
    const win::HDC dc = win::GetDC(nullptr);
    const win::HGDIOBJ oldFont = win::SelectObject(dc, win::GetStockObject(win::DEFAULT_GUI_FONT));
    win::RECT r{0, 0, 0, 0};
    win::DrawText(dc, text.c_str(), -1, &r, win::DT_CALCRECT | win::DT_SINGLELINE | win::DT_NOPREFIX);
    win::SelectObject(dc, oldFont);
    win::ReleaseDC(nullptr, dc);
    return win::SIZE{r.right - r.left, r.bottom - r.top};
}

void Show() {
    HintState& s = State();
    TControl* control = ControlUnderMouse();
    if (!control || control != s.waitingFor || control->Hint().empty()) return;
    s.text = control->Hint();
    const win::SIZE text = TextSize(s.text);
    const int width = text.cx + 2 * (kPadding + 1);
    const int height = text.cy + 2 * (kPadding + 1) - 2;
    win::POINT at{};
    win::GetCursorPos(&at);
    at.y += kBelowPointer;
    const int screenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
    const int screenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
    at.x = std::max(0, std::min<int>(at.x, screenWidth - width));
    if (at.y + height > screenHeight) at.y -= kBelowPointer * 2 + height;
    win::SetWindowPos(s.window, nullptr, at.x, at.y, width, height, win::SWP_NOACTIVATE | win::SWP_NOZORDER);
    win::InvalidateRect(s.window, nullptr, win::TRUE);
    win::ShowWindow(s.window, win::SW_SHOWNOACTIVATE);
}

void Paint(win::HWND hwnd) {
    win::PAINTSTRUCT ps;
    const win::HDC dc = win::BeginPaint(hwnd, &ps);
    if (!dc) return;
    win::RECT r;
    win::GetClientRect(hwnd, &r);
    const win::COLORREF frame = win::GetSysColor(win::COLOR_WINDOWFRAME);
    gdi::Bevel(dc, r, frame, frame);
    gdi::FillSolid(dc, r, win::GetSysColor(win::COLOR_INFOBK));
    const win::HGDIOBJ oldFont = win::SelectObject(dc, win::GetStockObject(win::DEFAULT_GUI_FONT));
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, win::GetSysColor(win::COLOR_INFOTEXT));
    r.left += kPadding;
    r.top += kPadding - 1;
    win::DrawText(dc, State().text.c_str(), -1, &r, win::DT_SINGLELINE | win::DT_NOPREFIX);
    win::SelectObject(dc, oldFont);
    win::EndPaint(hwnd, &ps);
}

win::LRESULT HintProcedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
        case win::WM_TIMER:
            if (wParam != kPauseTimer) break;
            win::KillTimer(hwnd, kPauseTimer);
            Show();
            return 0;
        case win::WM_PAINT:
            Paint(hwnd);
            return 0;
        case win::WM_ERASEBKGND:
            return 1;
        default:
            break;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

// The one hint window, made when first needed (and again should the program's windows have been torn down).
win::HWND Window() {
    HintState& s = State();
    if (s.window && win::IsWindow(s.window)) return s.window;
    static const bool registered = [] {
        win::WNDCLASS wc{};
        wc.lpfnWndProc = &HintProcedure;
        wc.lpszClassName = kHintClass;
        return win::RegisterClass(&wc) != 0;
    }();
    if (!registered) return nullptr;
    s.window =
        win::CreateWindowEx(win::WS_EX_TOPMOST, kHintClass, "", win::WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr);
    return s.window;
}

}  // namespace

void HintMouseEntered(TControl* control) {
    Hide();
    HintState& s = State();
    s.waitingFor = control;
    if (!control || control->Hint().empty()) return;
    if (const win::HWND window = Window()) win::SetTimer(window, kPauseTimer, kHintPauseMs, nullptr);
}

void CancelHint() {
    Hide();
    State().waitingFor = nullptr;
}

bool HidesHint(win::UINT msg) {
    switch (msg) {
        case win::WM_LBUTTONDOWN:
        case win::WM_RBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK:
        case win::WM_KEYDOWN:
        case win::WM_SYSKEYDOWN:
        case win::WM_MOUSEWHEEL:
            return true;
        default:
            return false;
    }
}

win::HWND ShownHintWindow() {
    const win::HWND window = State().window;
    return window && win::IsWindowVisible(window) ? window : nullptr;
}

}  // namespace framework
