#include "TestWindow.h"

#include <algorithm>
#include <map>

#include "platform/gdi/Objects.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace usertest {

namespace {

std::map<win::HWND, TestWindow*>& windows() {
    static std::map<win::HWND, TestWindow*> map;
    return map;
}

TestWindow* creating = nullptr;

void RegisterClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    win::WNDCLASS wc;
    wc.style = win::CS_DBLCLKS;
    wc.lpfnWndProc = &TestWindow::Procedure;
    wc.hbrBackground = reinterpret_cast<win::HBRUSH>(win::GetStockObject(win::WHITE_BRUSH));
    wc.lpszClassName = TestClassName();
    win::RegisterClass(&wc);
    wc.style = 0;
    wc.lpszClassName = TestClassNameNoDoubleClicks();
    win::RegisterClass(&wc);
}

}  // namespace

const char* TestClassName() { return "TestWindow"; }
const char* TestClassNameNoDoubleClicks() { return "TestWindowNoDblClk"; }

TestWindow::TestWindow(win::RECT r, win::DWORD style, win::HWND parent, win::DWORD exStyle) {
    RegisterClasses();
    if (parent) style |= win::WS_CHILD;
    if (!(style & (win::WS_CHILD | win::WS_CAPTION))) style |= win::WS_POPUP;
    style |= win::WS_VISIBLE;
    creating = this;
    hwnd_ = win::CreateWindowEx(exStyle, TestClassName(), "test", style, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, parent, nullptr, nullptr);
    creating = nullptr;
    windows()[hwnd_] = this;
}

TestWindow::~TestWindow() {
    windows().erase(hwnd_);
    win::DestroyWindow(hwnd_);
}

std::vector<win::UINT> TestWindow::receivedIds(std::initializer_list<win::UINT> wanted) const {
    std::vector<win::UINT> out;
    for (const win::MSG& m : received_)
        if (std::find(wanted.begin(), wanted.end(), m.message) != wanted.end()) out.push_back(m.message);
    return out;
}

std::optional<win::MSG> TestWindow::last(win::UINT msg) const {
    for (auto it = received_.rbegin(); it != received_.rend(); ++it)
        if (it->message == msg) return *it;
    return std::nullopt;
}

win::LRESULT TestWindow::Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    auto it = windows().find(hwnd);
    TestWindow* self = it != windows().end() ? it->second : creating;
    if (self) {
        self->received_.push_back(win::MSG{hwnd, msg, wParam, lParam, 0, {}});
        win::LRESULT result = 0;
        if (self->handler_ && self->handler_(msg, wParam, lParam, &result)) return result;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace usertest
