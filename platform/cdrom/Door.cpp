#include "platform/cdrom/Door.h"

#include "platform/cdrom/detail/CdioOpen.h"
#include "platform/cdrom/detail/DoorState.h"
#include "platform/cdrom/detail/Drive.h"
#include "platform/cdrom/detail/DriveList.h"

#include <vector>

namespace platform::cdrom {
namespace {

bool MoveDoor(std::size_t driveIndex, bool open) {
    const std::vector<detail::Drive> drives = detail::ListDrives();
    if (driveIndex >= drives.size()) return false;
    const detail::Drive& drive = drives[driveIndex];
    if (drive.kind == detail::Drive::Kind::Image) {
        detail::SetImageDoorOpen(drive.id, open);
        return true;
    }
    const driver_return_code_t result =
        open ? detail::EjectMedia(drive.path.c_str()) : detail::CloseTray(drive.path.c_str());
    return result == DRIVER_OP_SUCCESS;
}

}  // namespace

bool OpenDoor(std::size_t driveIndex) { return MoveDoor(driveIndex, true); }

bool CloseDoor(std::size_t driveIndex) { return MoveDoor(driveIndex, false); }

}  // namespace platform::cdrom
