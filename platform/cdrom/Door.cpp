#include "platform/cdrom/Door.h"

#include "platform/cdrom/DoorState.h"
#include "platform/cdrom/Drive.h"
#include "platform/cdrom/DriveList.h"
#include "platform/cdrom/detail/CdioOpen.h"

#include <vector>

namespace platform::cdrom {
namespace {

bool MoveDoor(std::size_t driveIndex, bool open) {
    const std::vector<Drive> drives = ListDrives();
    if (driveIndex >= drives.size())
        return false;
    const Drive& drive = drives[driveIndex];
    if (drive.kind == Drive::Kind::Image) {
        SetImageDoorOpen(drive.id, open);
        return true;
    }
    const driver_return_code_t result =
        open ? detail::EjectMedia(drive.path.c_str()) : detail::CloseTray(drive.path.c_str());
    return result == DRIVER_OP_SUCCESS;
}

}  // namespace

bool OpenDoor(std::size_t driveIndex) {
    return MoveDoor(driveIndex, true);
}

bool CloseDoor(std::size_t driveIndex) {
    return MoveDoor(driveIndex, false);
}

}  // namespace platform::cdrom
