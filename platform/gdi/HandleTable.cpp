#include "platform/gdi/detail/HandleTable.h"

namespace gdi::detail {

HandleTable& HandleTable::instance() {
    static HandleTable table;
    return table;
}

std::uintptr_t HandleTable::add(ObjectKind kind, std::shared_ptr<void> object, bool stock) {
    std::lock_guard lock(mutex_);
    const std::uintptr_t id = nextId_++;
    entries_.emplace(id, Entry{kind, std::move(object), stock});
    return id;
}

std::shared_ptr<void> HandleTable::find(std::uintptr_t id, ObjectKind kind) const {
    struct LastFound {
        const HandleTable* table = nullptr;
        std::uintptr_t id = 0;
        ObjectKind kind = ObjectKind::DC;
        std::uint64_t removals = 0;
        std::weak_ptr<void> object;
    };
    thread_local LastFound last;
    const std::uint64_t removals = removals_.load(std::memory_order_acquire);
    if (last.table == this && last.id == id && last.kind == kind && last.removals == removals) {
        if (auto object = last.object.lock()) {
            return object;
        }
    }
    std::lock_guard lock(mutex_);
    const auto it = entries_.find(id);
    if (it == entries_.end() || it->second.kind != kind) {
        return nullptr;
    }
    last = LastFound{this, id, kind, removals, it->second.object};
    return it->second.object;
}

bool HandleTable::contains(std::uintptr_t id, ObjectKind kind) const {
    std::lock_guard lock(mutex_);
    const auto it = entries_.find(id);
    return it != entries_.end() && it->second.kind == kind;
}

bool HandleTable::isStock(std::uintptr_t id) const {
    std::lock_guard lock(mutex_);
    const auto it = entries_.find(id);
    return it != entries_.end() && it->second.stock;
}

bool HandleTable::remove(std::uintptr_t id, ObjectKind kind) {
    std::shared_ptr<void> released;  // destroyed outside the lock: a DC's destructor may not re-enter the table
    {
        std::lock_guard lock(mutex_);
        const auto it = entries_.find(id);
        if (it == entries_.end() || it->second.kind != kind) {
            return false;
        }
        if (it->second.stock) {
            return true;
        }
        released = std::move(it->second.object);
        entries_.erase(it);
        removals_.fetch_add(1, std::memory_order_release);
    }
    return true;
}

LiveObjects HandleTable::count() const {
    std::lock_guard lock(mutex_);
    LiveObjects live;
    for (const auto& [id, entry] : entries_) {
        if (entry.stock) {
            continue;
        }
        switch (entry.kind) {
            case ObjectKind::DC:
                ++live.dcs;
                break;
            case ObjectKind::Pen:
                ++live.pens;
                break;
            case ObjectKind::Brush:
                ++live.brushes;
                break;
            case ObjectKind::Font:
                ++live.fonts;
                break;
            case ObjectKind::Bitmap:
                ++live.bitmaps;
                break;
            case ObjectKind::Region:
                ++live.regions;
                break;
            case ObjectKind::ImageList:
                ++live.imageLists;
                break;
        }
    }
    return live;
}

}  // namespace gdi::detail
