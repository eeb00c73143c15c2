#include <mutex>
#include <unordered_map>

#include "platform/user/detail/MenuRecord.h"

namespace user::detail {

namespace {

struct MenuTable {
    std::mutex mutex;
    std::uintptr_t nextId = 0x20000;
    std::unordered_map<std::uintptr_t, std::shared_ptr<MenuRecord>> menus;
};

MenuTable& table() {
    static MenuTable t;
    return t;
}

}  // namespace

std::shared_ptr<MenuRecord> FindMenu(HMENU menu) {
    std::lock_guard lock(table().mutex);
    auto it = table().menus.find(reinterpret_cast<std::uintptr_t>(menu));
    return it == table().menus.end() ? nullptr : it->second;
}

HMENU AddMenu(std::shared_ptr<MenuRecord> menu) {
    std::lock_guard lock(table().mutex);
    const std::uintptr_t id = table().nextId;
    table().nextId += 4;
    menu->handle = reinterpret_cast<HMENU>(id);
    table().menus.emplace(id, std::move(menu));
    return reinterpret_cast<HMENU>(id);
}

void RemoveMenuRecord(HMENU menu) {
    std::shared_ptr<MenuRecord> doomed;
    std::lock_guard lock(table().mutex);
    auto it = table().menus.find(reinterpret_cast<std::uintptr_t>(menu));
    if (it == table().menus.end()) return;
    doomed = std::move(it->second);
    table().menus.erase(it);
}

}  // namespace user::detail
