#include "soundfile/SameFile.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace soundfile {

bool isSameFile(const std::string& a, const std::string& b, NewNames newNames) {
    struct stat statA {};
    struct stat statB {};
    const bool existsA = ::stat(a.c_str(), &statA) == 0;
    const bool existsB = ::stat(b.c_str(), &statB) == 0;
    if (existsA && existsB) return statA.st_dev == statB.st_dev && statA.st_ino == statB.st_ino;
    if (existsA || existsB || newNames == NewNames::NameNoFile) return false;
    std::error_code errorA;
    std::error_code errorB;
    const std::filesystem::path pathA = std::filesystem::weakly_canonical(a, errorA);
    const std::filesystem::path pathB = std::filesystem::weakly_canonical(b, errorB);
    return !errorA && !errorB && pathA == pathB;
}

}  // namespace soundfile
