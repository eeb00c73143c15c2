#include "ImageDrives.h"

#include <cstdlib>

namespace cdrom_test {

namespace {
constexpr const char* kVariable = "TRACKMILL_CD_IMAGES";
}

ImageDrives::ImageDrives(const std::vector<std::filesystem::path>& cueFiles) {
    if (const char* value = std::getenv(kVariable)) previous_ = value;
    std::string list;
    for (const std::filesystem::path& cue : cueFiles) list += (list.empty() ? "" : ":") + cue.string();
    setenv(kVariable, list.c_str(), 1);
}

ImageDrives::~ImageDrives() {
    if (previous_)
        setenv(kVariable, previous_->c_str(), 1);
    else
        unsetenv(kVariable);
}

}  // namespace cdrom_test
