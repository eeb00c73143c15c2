#include "ProcessTable.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

std::vector<pid_t> ZombieChildren()
{
    std::vector<pid_t> zombies;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        std::ifstream in(entry.path() / "stat");
        std::string line;
        if (!std::getline(in, line))
            continue;
        // The command name in parentheses may hold blanks; the state and the parent follow its closing one.
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream fields(line.substr(close + 1));
        char state = 0;
        pid_t parent = 0;
        fields >> state >> parent;
        if (state == 'Z' && parent == getpid())
            zombies.push_back(static_cast<pid_t>(std::stol(entry.path().filename().string())));
    }
    return zombies;
}

int OpenDescriptorCount()
{
    int count = 0;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator("/proc/self/fd", error);
         it != std::filesystem::directory_iterator(); ++it)
        ++count;
    return count;
}
