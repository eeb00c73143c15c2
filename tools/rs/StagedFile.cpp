#include "tools/rs/StagedFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The name a signal handler removes: a plain buffer, since a handler may touch nothing else.
char pendingName[PATH_MAX];

extern "C" void removePendingAndDie(int signal) {
    if (pendingName[0] != '\0') unlink(pendingName);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Being stopped (the program that started rs ends it with SIGTERM) is a failed copy like any other.
void removeOnSignals() {
    struct sigaction action {};
    action.sa_handler = removePendingAndDie;
    sigemptyset(&action.sa_mask);
    for (int signal : kEndingSignals) sigaction(signal, &action, nullptr);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

StagedFile::StagedFile(std::string destination) : destination_(std::move(destination)) {
    const std::size_t slash = destination_.rfind('/');
    const std::string name = slash == std::string::npos ? destination_ : destination_.substr(slash + 1);
    std::string pattern = folderOf(destination_) + "." + name + ".XXXXXX";
    if (pattern.size() >= sizeof pendingName) {
        errno = ENAMETOOLONG;
        return;
    }
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    removeOnSignals();
    // A signal between creating the file and noting its name would leave it behind.
    sigset_t ending;
    sigset_t before;
    sigemptyset(&ending);
    for (int signal : kEndingSignals) sigaddset(&ending, signal);
    sigprocmask(SIG_BLOCK, &ending, &before);
    const int descriptor = mkostemp(buffer.data(), O_CLOEXEC);
    const int failure = errno;
    if (descriptor >= 0) std::strcpy(pendingName, buffer.data());
    sigprocmask(SIG_SETMASK, &before, nullptr);
    if (descriptor < 0) {
        errno = failure;
        return;
    }
    // mkstemp makes a private file; the copy gets the mode any new file of the user gets.
    const bool usable = fchmod(descriptor, newFileMode()) == 0;
    const int cause = errno;
    close(descriptor);
    if (!usable) {
        unlink(buffer.data());
        pendingName[0] = '\0';
        errno = cause;
        return;
    }
    path_ = buffer.data();
}

StagedFile::~StagedFile() {
    if (created() && !committed_) unlink(path_.c_str());
    pendingName[0] = '\0';
}

bool StagedFile::commit() {
    if (!created() || std::rename(path_.c_str(), destination_.c_str()) != 0) return false;
    committed_ = true;
    pendingName[0] = '\0';
    return true;
}
