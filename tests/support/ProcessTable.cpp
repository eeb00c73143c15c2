#include "tests/support/ProcessTable.h"

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace testsupport {

namespace {

struct StatLine {
    char state = 0;
    pid_t parent = 0;
};

StatLine readStat(const std::filesystem::path& statFile) {
    std::ifstream in(statFile);
    std::string line;
    if (!std::getline(in, line)) return {};
    // The command name in parentheses may hold blanks; the fields after its closing one are fixed.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) return {};
    std::istringstream fields(line.substr(close + 1));
    StatLine stat;
    fields >> stat.state >> stat.parent;
    return stat;
}

}  // namespace

char processState(pid_t pid) { return readStat("/proc/" + std::to_string(pid) + "/stat").state; }

namespace {

std::vector<pid_t> childrenIn(bool zombiesOnly) {
    std::vector<pid_t> children;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        const StatLine stat = readStat(entry.path() / "stat");
        if (stat.parent == getpid() && (stat.state == 'Z' || (!zombiesOnly && stat.state != 0)))
            children.push_back(std::stoi(name));
    }
    return children;
}

}  // namespace

std::vector<pid_t> zombieChildren() { return childrenIn(true); }

std::vector<pid_t> ourChildren() { return childrenIn(false); }

int openDescriptorCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

int highestOpenDescriptor() {
    int highest = -1;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        highest = std::max(highest, std::stoi(entry.path().filename().string()));
    return highest;
}

int settledDescriptorCount(int expected) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    int count = openDescriptorCount();
    while (count > expected && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        count = openDescriptorCount();
    }
    return count;
}

bool waitUntilGone(pid_t pid, bool allowForeignZombie) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < giveUp) {
        const char state = processState(pid);
        if (state == 0 || (allowForeignZombie && state == 'Z')) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::set<pid_t> threadIds(pid_t pid) {
    std::set<pid_t> ids;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error))
        ids.insert(static_cast<pid_t>(std::stol(entry.path().filename().string())));
    return ids;
}

long contextSwitches(pid_t pid, const std::set<pid_t>& threads) {
    long total = 0;
    for (pid_t tid : threads.empty() ? threadIds(pid) : threads) {
        std::ifstream status("/proc/" + std::to_string(pid) + "/task/" + std::to_string(tid) + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                total += std::stol(line.substr(line.find(':') + 1));
    }
    return total;
}

}  // namespace testsupport
