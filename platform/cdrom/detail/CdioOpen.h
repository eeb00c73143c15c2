#pragma once
// libcdio's calls that open a source parse cue sheets and probe devices with process-wide state (strtok among it),
// so they take turns across threads; reads on distinct opened discs need not.
#include <cdio/cdio.h>

namespace platform::cdrom::detail {

CdIo_t* OpenCdio(const char* source, driver_id_t driver);
char** ListDevices();
driver_return_code_t EjectMedia(const char* device);
driver_return_code_t CloseTray(const char* device);

}  // namespace platform::cdrom::detail
