#include "platform/media/CdDoor.h"

#include <cdio/cdio.h>

#include <mutex>

namespace platform::media {

namespace {

bool MoveDefaultDrive(DoorMove move) {
    if (move == DoorMove::Open) return cdio_eject_media_drive(nullptr) == DRIVER_OP_SUCCESS;
    driver_id_t driver = DRIVER_DEVICE;
    return cdio_close_tray(nullptr, &driver) == DRIVER_OP_SUCCESS;
}

std::mutex handlerMutex;
CdDoorHandler handler = MoveDefaultDrive;

}  // namespace

void SetCdDoorHandler(CdDoorHandler replacement) {
    std::lock_guard lock(handlerMutex);
    handler = replacement ? std::move(replacement) : CdDoorHandler(MoveDefaultDrive);
}

bool MoveCdDoor(DoorMove move) {
    CdDoorHandler current;
    {
        std::lock_guard lock(handlerMutex);
        current = handler;
    }
    return current(move);
}

}  // namespace platform::media
