#include "FuzzInputFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fuzzing {

std::string ScratchName(const std::string& extension) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) folder = "/tmp";
    return (folder / ("trackmill-fuzz-" + std::to_string(getpid()) + extension)).string();
}

std::string WriteInputFile(const std::uint8_t* data, std::size_t size, const std::string& extension) {
    const std::string name = ScratchName(extension);
    std::FILE* file = std::fopen(name.c_str(), "wb");
    // Without a scratch file the fuzzer would test nothing: stop at once.
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
    return name;
}

}  // namespace fuzzing
