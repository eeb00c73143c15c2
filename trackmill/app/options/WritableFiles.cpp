#include "trackmill/app/options/WritableFiles.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/framework/forms/Application.h"
#include "trackmill/app/texts/PathSlash.h"

namespace {

bool Writable(const std::string& path) { return access(path.c_str(), W_OK) == 0; }

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

std::string PerUserFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') return AppendPathSlash(config) + "trackmill/";
    const char* home = std::getenv("HOME");
    return AppendPathSlash(home != nullptr ? home : "") + ".config/trackmill/";
}

}  // namespace

std::string ProgramFolder() {
    // The kernel's /proc/self/exe already names the real file; a program path set by tests may be a link.
    const std::filesystem::path program(framework::Application->ExeName());
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(program, error);
    return AppendPathSlash((error ? program : real).parent_path().string());
}

std::string WritableFolder(const std::string& programFolder) {
    return Writable(programFolder) ? programFolder : PerUserFolder();
}

std::string WritableFolder() { return WritableFolder(ProgramFolder()); }

std::string WritableFileName(const std::string& programFolder, const std::string& name) {
    const std::string beside = programFolder + name;
    if (Writable(programFolder) && (!Exists(beside) || Writable(beside))) return beside;
    return PerUserFolder() + name;
}

std::string WritableFileName(const std::string& name) { return WritableFileName(ProgramFolder(), name); }

void MakeFolderOf(const std::string& fileName) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(fileName).parent_path(), ignored);
}
