#pragma once
// How a CD drive of the drive list names itself: its vendor text directly followed by its product text.
#include <string>

namespace platform::cdrom {
struct TCDDriveInfo;
}

std::string DriveText(const platform::cdrom::TCDDriveInfo& drive);
