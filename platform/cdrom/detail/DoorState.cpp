#include "platform/cdrom/detail/DoorState.h"

#include <mutex>
#include <set>

namespace platform::cdrom::detail {
namespace {

std::mutex doorMutex;
std::set<int> openDoors;

}  // namespace

bool IsImageDoorOpen(int driveId) {
    std::lock_guard lock(doorMutex);
    return openDoors.contains(driveId);
}

void SetImageDoorOpen(int driveId, bool open) {
    std::lock_guard lock(doorMutex);
    if (open)
        openDoors.insert(driveId);
    else
        openDoors.erase(driveId);
}

}  // namespace platform::cdrom::detail
