#pragma once
// The door of an image drive: opening it takes the image out of the drive, closing it puts it back. Media
// watchers hear of every move through an event descriptor of theirs.

namespace platform::cdrom::detail {

bool IsImageDoorOpen(int driveId);
void SetImageDoorOpen(int driveId, bool open);

// eventFd is written to (a count of 1) whenever a door moves, until it is removed.
void AddDoorListener(int eventFd);
void RemoveDoorListener(int eventFd);

}  // namespace platform::cdrom::detail
