#include "platform/user/detail/WindowClasses.h"

#include <map>
#include <mutex>

namespace user::detail {

namespace {

struct Registry {
    std::mutex mutex;
    std::map<std::string, WindowClass> classes;
};

Registry& registry() {
    static Registry r;
    return r;
}

}  // namespace

bool AddClass(const WindowClass& cls) {
    if (cls.name.empty() || !cls.proc) return false;
    std::lock_guard lock(registry().mutex);
    return registry().classes.emplace(cls.name, cls).second;
}

std::optional<WindowClass> FindClass(const std::string& name) {
    std::lock_guard lock(registry().mutex);
    auto it = registry().classes.find(name);
    if (it == registry().classes.end()) return std::nullopt;
    return it->second;
}

}  // namespace user::detail
