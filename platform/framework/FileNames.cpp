#include "platform/framework/FileNames.h"

#include <filesystem>
#include <system_error>

namespace framework {

std::string ExtractFilePath(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
    const std::size_t slash = fileName.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return fileName + extension;
    return fileName.substr(0, dot) + extension;
}

std::string ExpandFileName(const std::string& fileName) {
    if (fileName.empty()) return fileName;
    std::filesystem::path path(fileName);
    if (path.is_relative()) {
        std::error_code error;
        const auto current = std::filesystem::current_path(error);
        if (!error) path = current / path;
    }
    return path.lexically_normal().string();
}

}  // namespace framework
