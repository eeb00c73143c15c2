#pragma once
// The door of an image drive: opening it takes the image out of the drive, closing it puts it back.

namespace platform::cdrom::detail {

bool IsImageDoorOpen(int driveId);
void SetImageDoorOpen(int driveId, bool open);

}  // namespace platform::cdrom::detail
