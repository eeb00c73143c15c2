#include "trackmill/app/jobs/ResampleCopyName.h"

#include <sys/stat.h>

#include "platform/framework/FileNames.h"

namespace {

// Any entry counts as taken, a dangling link too: the resampler would write through it.
bool Taken(const std::string& path) {
    struct stat entry {};
    return lstat(path.c_str(), &entry) == 0;
}

}  // namespace

std::string ResampleCopyName(const std::string& input) {
    const std::string folder = framework::ExtractFilePath(input);
    const std::string name = framework::ExtractFileName(input);
    std::string copy = folder + "r_" + name;
    for (int n = 2; Taken(copy); ++n) copy = folder + "r_" + std::to_string(n) + "_" + name;
    return copy;
}
