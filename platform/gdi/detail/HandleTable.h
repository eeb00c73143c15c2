#pragma once
// The one table behind every drawing handle. Ids count up and are never reused, so a stale handle finds
// nothing.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/gdi/LiveObjects.h"

namespace gdi::detail {

enum class ObjectKind { DC, Pen, Brush, Font, Bitmap, Region, ImageList };

class HandleTable {
  public:
    static HandleTable& instance();

    // Stock objects live for the whole run and are not counted.
    std::uintptr_t add(ObjectKind kind, std::shared_ptr<void> object, bool stock = false);
    std::shared_ptr<void> find(std::uintptr_t id, ObjectKind kind) const;
    bool contains(std::uintptr_t id, ObjectKind kind) const;
    bool isStock(std::uintptr_t id) const;
    // False when the id is stale or of another kind; stock objects stay and report true.
    bool remove(std::uintptr_t id, ObjectKind kind);
    LiveObjects count() const;

  private:
    struct Entry {
        ObjectKind kind;
        std::shared_ptr<void> object;
        bool stock;
    };
    mutable std::mutex mutex_;
    std::unordered_map<std::uintptr_t, Entry> entries_;
    std::uintptr_t nextId_ = 0x1000;
    // Counts removals. A lookup remembered while it is unchanged still names a live entry (ids are never reused),
    // so a run of lookups of one handle (pixels set one at a time) takes the lock once.
    std::atomic<std::uint64_t> removals_ = 0;
};

template <class Handle>
Handle ToHandle(std::uintptr_t id) {
    return reinterpret_cast<Handle>(id);
}

template <class Handle>
std::uintptr_t ToId(Handle handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

template <class T, class Handle>
std::shared_ptr<T> Find(Handle handle, ObjectKind kind) {
    return std::static_pointer_cast<T>(HandleTable::instance().find(ToId(handle), kind));
}

template <class Handle, class T>
Handle Register(ObjectKind kind, std::shared_ptr<T> object) {
    return ToHandle<Handle>(HandleTable::instance().add(kind, std::move(object)));
}

}  // namespace gdi::detail
