#include "platform/cdrom/detail/HandleTable.h"

#include "platform/cdrom/detail/OpenDrive.h"

#include <map>
#include <mutex>

namespace platform::cdrom::detail {
namespace {

std::mutex tableMutex;
std::map<HCDROM, std::shared_ptr<OpenDrive>> handles;
HCDROM lastHandle = 0;

}  // namespace

HCDROM AddHandle(const Drive& drive) {
    auto open = std::make_shared<OpenDrive>(drive);
    std::lock_guard lock(tableMutex);
    if (lastHandle == ~HCDROM{0}) return 0;
    handles.emplace(++lastHandle, std::move(open));
    return lastHandle;
}

std::shared_ptr<OpenDrive> FindHandle(HCDROM handle) {
    std::lock_guard lock(tableMutex);
    const auto found = handles.find(handle);
    return found == handles.end() ? nullptr : found->second;
}

bool RemoveHandle(HCDROM handle) {
    std::lock_guard lock(tableMutex);
    return handles.erase(handle) == 1;
}

}  // namespace platform::cdrom::detail
