#pragma once
// The drive door, as the media layer's cdaudio commands open and close it. On an image drive opening takes the
// image out and closing puts it back, so the media watcher reports a removal and an arrival.
#include <cstddef>

namespace platform::cdrom {

// driveIndex is the position in the drive list; false when there is no such drive or the drive refused.
bool OpenDoor(std::size_t driveIndex);
bool CloseDoor(std::size_t driveIndex);

}  // namespace platform::cdrom
