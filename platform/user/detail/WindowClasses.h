#pragma once
// Registered window classes.
#include <optional>
#include <string>

#include "platform/user/Window.h"

namespace user::detail {

using namespace win;

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HBRUSH background = nullptr;
};

bool AddClass(const WindowClass& cls);
std::optional<WindowClass> FindClass(const std::string& name);

}  // namespace user::detail
