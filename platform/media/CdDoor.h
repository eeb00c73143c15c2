#pragma once
// The CD drive door that the cdaudio device opens and closes. By default it is the machine's default CD
// drive; the application points it elsewhere (its own drive list, image drives) through SetCdDoorHandler.
#include <functional>

namespace platform::media {

enum class DoorMove { Open, Close };

// Returns whether the door moved.
using CdDoorHandler = std::function<bool(DoorMove)>;

void SetCdDoorHandler(CdDoorHandler handler);
bool MoveCdDoor(DoorMove move);

}  // namespace platform::media
