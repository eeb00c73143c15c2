#include "platform/process/DetachedLaunch.h"

#include "platform/process/ChildReaper.h"
#include "platform/process/Descriptor.h"
#include "platform/process/Spawn.h"

namespace platform::process {

pid_t launchDetached(const std::vector<std::string>& argv, const std::filesystem::path& workingDirectory) {
    const Descriptor nullDevice = openNullDevice();
    const int null = nullDevice.get();
    const pid_t pid = spawnProcess(argv, workingDirectory, {null, null, null});
    ChildReaper::instance().adoptDetached(pid);
    return pid;
}

}  // namespace platform::process
