#pragma once
#include "platform/cdrom/CdRecords.h"

// Opens the drive at a position of the drive list the way the application does; 0 when there is none.
platform::cdrom::HCDROM OpenDriveAt(int index);
