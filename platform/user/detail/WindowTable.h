#pragma once
// The process-wide table of live windows and the z-order of top-level windows.
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

struct WindowRecord;
class MessageQueue;

class WindowTable {
  public:
    static WindowTable& instance();

    // Gives the record a fresh handle; handles are never handed out twice.
    HWND add(std::shared_ptr<WindowRecord> record);
    void remove(HWND hwnd);
    // Null for a handle that never existed or whose window is gone.
    std::shared_ptr<WindowRecord> find(HWND hwnd) const;
    // Safe from any thread: what posting needs.
    std::shared_ptr<MessageQueue> queueOf(HWND hwnd) const;
    std::size_t liveCount() const;

    // Top-level windows, front first. Only the UI threads touch this order.
    std::vector<HWND>& topLevels() { return topLevels_; }

  private:
    mutable std::mutex mutex_;
    std::uintptr_t nextId_ = 0x10000;
    std::unordered_map<std::uintptr_t, std::shared_ptr<WindowRecord>> records_;
    std::vector<HWND> topLevels_;
};

// The record of a live window, or null.
std::shared_ptr<WindowRecord> Find(HWND hwnd);
// Puts a top-level window in front of the others (topmost ones stay in front of it), with the windows it owns in
// front of it. No message is sent.
void BringToFront(HWND topLevel);

}  // namespace user::detail
