#include "teskenc/stream/CreatableFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace tesk {

bool canCreateFile(const std::string& path) {
    if (path.empty()) return false;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) return !S_ISDIR(status.st_mode) && ::access(path.c_str(), W_OK) == 0;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const char* folder = parent.empty() ? "." : parent.c_str();
    return ::stat(folder, &status) == 0 && S_ISDIR(status.st_mode) && ::access(folder, W_OK | X_OK) == 0;
}

}  // namespace tesk
