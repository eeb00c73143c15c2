#include "platform/cdrom/detail/DoorState.h"

#include <unistd.h>

#include <cstdint>
#include <mutex>
#include <set>

namespace platform::cdrom::detail {
namespace {

std::mutex doorMutex;
std::set<int> openDoors;
std::set<int> listeners;

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
    const std::uint64_t one = 1;
    for (int fd : listeners) [[maybe_unused]] const ssize_t ignored = write(fd, &one, sizeof one);
}

void AddDoorListener(int eventFd) {
    std::lock_guard lock(doorMutex);
    listeners.insert(eventFd);
}

void RemoveDoorListener(int eventFd) {
    std::lock_guard lock(doorMutex);
    listeners.erase(eventFd);
}

}  // namespace platform::cdrom::detail
