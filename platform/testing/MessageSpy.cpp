#include "platform/testing/MessageSpy.h"

#include <algorithm>
#include <map>

#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace testdriver {

namespace {

// The procedure is a plain function: it finds its spy by window.
std::map<win::HWND, MessageSpy*>& spies() {
    static std::map<win::HWND, MessageSpy*> map;
    return map;
}

}  // namespace

MessageSpy::MessageSpy(win::HWND hwnd) : hwnd_(hwnd), previous_(nullptr) {
    spies()[hwnd] = this;
    previous_ = reinterpret_cast<win::WNDPROC>(
        win::SetWindowLong(hwnd, win::GWL_WNDPROC, reinterpret_cast<win::LONG_PTR>(&MessageSpy::Procedure)));
}

MessageSpy::~MessageSpy() {
    if (win::GetWindowLong(hwnd_, win::GWL_WNDPROC) == reinterpret_cast<win::LONG_PTR>(&MessageSpy::Procedure))
        win::SetWindowLong(hwnd_, win::GWL_WNDPROC, reinterpret_cast<win::LONG_PTR>(previous_));
    spies().erase(hwnd_);
}

std::vector<win::UINT> MessageSpy::ids() const {
    std::vector<win::UINT> out;
    for (const win::MSG& m : messages_) out.push_back(m.message);
    return out;
}

std::vector<win::UINT> MessageSpy::ids(std::initializer_list<win::UINT> wanted) const {
    std::vector<win::UINT> out;
    for (const win::MSG& m : messages_)
        if (std::find(wanted.begin(), wanted.end(), m.message) != wanted.end()) out.push_back(m.message);
    return out;
}

win::LRESULT MessageSpy::Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    auto it = spies().find(hwnd);
    if (it == spies().end()) return win::DefWindowProc(hwnd, msg, wParam, lParam);
    MessageSpy* spy = it->second;
    spy->messages_.push_back(win::MSG{hwnd, msg, wParam, lParam, 0, {}});
    return win::CallWindowProc(spy->previous_, hwnd, msg, wParam, lParam);
}

}  // namespace testdriver
