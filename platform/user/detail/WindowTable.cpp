#include "platform/user/detail/WindowTable.h"

#include <algorithm>

#include "platform/user/detail/WindowRecord.h"

namespace user::detail {

WindowTable& WindowTable::instance() {
    static WindowTable table;
    return table;
}

HWND WindowTable::add(std::shared_ptr<WindowRecord> record) {
    std::lock_guard lock(mutex_);
    const std::uintptr_t id = nextId_;
    nextId_ += 4;
    record->handle = reinterpret_cast<HWND>(id);
    records_.emplace(id, std::move(record));
    return reinterpret_cast<HWND>(id);
}

void WindowTable::remove(HWND hwnd) {
    std::shared_ptr<WindowRecord> doomed;  // released after the lock
    {
        std::lock_guard lock(mutex_);
        auto it = records_.find(reinterpret_cast<std::uintptr_t>(hwnd));
        if (it == records_.end()) return;
        doomed = std::move(it->second);
        records_.erase(it);
    }
    std::erase(topLevels_, hwnd);
}

std::shared_ptr<WindowRecord> WindowTable::find(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    auto it = records_.find(reinterpret_cast<std::uintptr_t>(hwnd));
    return it == records_.end() ? nullptr : it->second;
}

std::shared_ptr<MessageQueue> WindowTable::queueOf(HWND hwnd) const {
    std::lock_guard lock(mutex_);
    auto it = records_.find(reinterpret_cast<std::uintptr_t>(hwnd));
    return it == records_.end() ? nullptr : it->second->queue;
}

std::size_t WindowTable::liveCount() const {
    std::lock_guard lock(mutex_);
    return records_.size();
}

std::shared_ptr<WindowRecord> Find(HWND hwnd) { return WindowTable::instance().find(hwnd); }

}  // namespace user::detail
