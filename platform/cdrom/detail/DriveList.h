#pragma once
// The drives the library offers, in list order: the images named in TRACKMILL_CD_IMAGES, then the machine's
// devices. A drive keeps its id once seen, even while the list changes around it.
#include <optional>
#include <vector>

namespace platform::cdrom::detail {

struct Drive;

std::vector<Drive> ListDrives();
std::optional<Drive> FindDrive(int id);

}  // namespace platform::cdrom::detail
