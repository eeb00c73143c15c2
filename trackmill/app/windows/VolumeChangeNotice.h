#pragma once
// The volume record of a posted WM_DEVICECHANGE: the media watcher's thread posts it, the main window reads it.
#include "platform/cdrom/DeviceChange.h"
#include "platform/user/MessagePayload.h"

struct VolumeChangeNotice : win::MessagePayload {
    win::DEV_BROADCAST_VOLUME Volume;
};
