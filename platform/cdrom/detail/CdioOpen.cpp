#include "platform/cdrom/detail/CdioOpen.h"

#include "platform/cdrom/detail/QuietLibraries.h"

#include <mutex>

namespace platform::cdrom::detail {
namespace {

std::mutex openMutex;

}  // namespace

CdIo_t* OpenCdio(const char* source, driver_id_t driver) {
    QuietLibraries();
    std::lock_guard lock(openMutex);
    return cdio_open(source, driver);
}

char** ListDevices() {
    QuietLibraries();
    std::lock_guard lock(openMutex);
    return cdio_get_devices(DRIVER_DEVICE);
}

driver_return_code_t EjectMedia(const char* device) {
    QuietLibraries();
    std::lock_guard lock(openMutex);
    return cdio_eject_media_drive(device);
}

driver_return_code_t CloseTray(const char* device) {
    QuietLibraries();
    std::lock_guard lock(openMutex);
    return cdio_close_tray(device, nullptr);
}

}  // namespace platform::cdrom::detail
