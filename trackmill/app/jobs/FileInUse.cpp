#include "trackmill/app/jobs/FileInUse.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>

namespace {

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

bool DescriptorsOf(const std::string& fdFolder, const struct stat& file) {
    DIR* folder = opendir(fdFolder.c_str());
    if (folder == nullptr)  // another user's process, or one that has just ended
        return false;
    bool found = false;
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] == '.') continue;
        struct stat target {};
        if (stat((fdFolder + "/" + entry->d_name).c_str(), &target) == 0 && SameFile(target, file)) {
            found = true;
            break;
        }
    }
    closedir(folder);
    return found;
}

// Linux has no exclusive opens, so "in use" means some process holds a descriptor on the file.
bool HeldOpenByAnyProcess(const struct stat& file) {
    DIR* proc = opendir("/proc");
    if (proc == nullptr) return false;
    bool found = false;
    while (const dirent* entry = readdir(proc)) {
        char* end = nullptr;
        std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0') continue;
        if (DescriptorsOf(std::string("/proc/") + entry->d_name + "/fd", file)) {
            found = true;
            break;
        }
    }
    closedir(proc);
    return found;
}

enum class LeaseAnswer { Free, Held, Unknown };

// The kernel grants a write lease only while no other descriptor anywhere has the file open: one call instead of a
// walk over every process's descriptors. Should another program open the file in the moment the lease is held, its
// break is signalled with SIGURG, which nothing here handles and which is ignored by default, not with the fatal
// SIGIO. Not every file system has leases, and a file of another user needs a privilege: then Unknown.
LeaseAnswer AskByLease(int fd) {
    if (fcntl(fd, F_SETSIG, SIGURG) != 0) return LeaseAnswer::Unknown;
    if (fcntl(fd, F_SETLEASE, F_WRLCK) == 0) {
        fcntl(fd, F_SETLEASE, F_UNLCK);
        return LeaseAnswer::Free;
    }
    return errno == EAGAIN ? LeaseAnswer::Held : LeaseAnswer::Unknown;
}

}  // namespace

bool IsFileInUse(const std::string& FileName) {
    struct stat file {};
    if (stat(FileName.c_str(), &file) != 0) return false;
    // A file nobody may write is read-only, also for a superuser who could open it anyway.
    if ((file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    const int fd = open(FileName.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return true;
    const LeaseAnswer answer = AskByLease(fd);
    close(fd);
    if (answer != LeaseAnswer::Unknown) return answer == LeaseAnswer::Held;
    return HeldOpenByAnyProcess(file);
}
