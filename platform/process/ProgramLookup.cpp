#include "platform/process/ProgramLookup.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace platform::process {

namespace {

std::vector<std::string> candidateNames(std::string_view name) {
    std::vector<std::string> names{std::string(name)};
    constexpr std::string_view suffix = ".exe";
    if (name.size() > suffix.size()) {
        const std::string_view tail = name.substr(name.size() - suffix.size());
        bool matches = true;
        for (std::size_t i = 0; i < suffix.size(); ++i)
            matches = matches && std::tolower(static_cast<unsigned char>(tail[i])) == suffix[i];
        if (matches) names.emplace_back(name.substr(0, name.size() - suffix.size()));
    }
    return names;
}

enum class Candidate { Missing, NotExecutable, Runnable };

Candidate examine(const std::filesystem::path& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return Candidate::Missing;
    return access(path.c_str(), X_OK) == 0 ? Candidate::Runnable : Candidate::NotExecutable;
}

}  // namespace

std::vector<std::filesystem::path> programSearchPath() {
    std::vector<std::filesystem::path> folders;
    std::error_code ignored;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ignored);
    if (!self.empty()) folders.push_back(self.parent_path());
    if (const char* path = std::getenv("PATH")) {
        std::string_view rest(path);
        while (true) {
            const std::size_t colon = rest.find(':');
            const std::filesystem::path entry(rest.substr(0, colon));
            if (entry.is_absolute()) folders.push_back(entry);
            if (colon == std::string_view::npos) break;
            rest.remove_prefix(colon + 1);
        }
    }
    return folders;
}

std::filesystem::path findProgram(std::string_view name, const std::vector<std::filesystem::path>& folders,
                                  std::error_code& error) {
    error = std::make_error_code(std::errc::no_such_file_or_directory);
    if (name.empty()) return {};
    const bool isPath = name.find('/') != std::string_view::npos;
    const std::vector<std::filesystem::path> searched =
        isPath ? std::vector<std::filesystem::path>{std::filesystem::path()} : folders;
    for (const std::filesystem::path& folder : searched) {
        for (const std::string& candidate : candidateNames(name)) {
            const std::filesystem::path path = isPath ? std::filesystem::path(candidate) : folder / candidate;
            switch (examine(path)) {
                case Candidate::Runnable: {
                    std::filesystem::path absolute = std::filesystem::absolute(path, error);
                    return error ? std::filesystem::path() : absolute;
                }
                case Candidate::NotExecutable:
                    error = std::make_error_code(std::errc::permission_denied);
                    break;
                case Candidate::Missing:
                    break;
            }
        }
    }
    return {};
}

std::filesystem::path findProgram(std::string_view name, std::error_code& error) {
    return findProgram(name, programSearchPath(), error);
}

}  // namespace platform::process
