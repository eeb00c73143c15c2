#include "platform/framework/TemporaryOutput.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <system_error>

namespace framework {

namespace {

// A temporary is named ".<target's name>.<hash>.<random>.tmp". The target's name is shortened where the whole
// would pass NAME_MAX; the hash of the full name keeps targets with a shared beginning apart.
constexpr std::size_t kRandomLength = 8;
constexpr char kSuffix[] = ".tmp";
constexpr std::size_t kSuffixLength = sizeof kSuffix - 1;
constexpr std::size_t kHashLength = 8;
constexpr std::size_t kFixedLength = 1 + 1 + kHashLength + 1 + kRandomLength + kSuffixLength;

std::string HashText(const std::string& name) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const unsigned char c : name) hash = (hash ^ c) * 16777619u;
    char text[kHashLength + 1];
    std::snprintf(text, sizeof text, "%08x", hash);
    return text;
}

// The name cut to at most limit bytes, not within a UTF-8 sequence.
std::string Shortened(const std::string& name, std::size_t limit) {
    if (name.size() <= limit) return name;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    return name.substr(0, end);
}

struct Place {
    std::string folder;  // "" or ending in '/'
    std::string prefix;  // the temporaries' names up to the random part
};

Place PlaceFor(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    Place place;
    place.folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = target.substr(place.folder.size());
    place.prefix = "." + Shortened(name, NAME_MAX - kFixedLength) + "." + HashText(name) + ".";
    return place;
}

bool IsTemporaryName(const std::string& entry, const std::string& prefix) {
    return entry.size() == prefix.size() + kRandomLength + kSuffixLength &&
           entry.compare(0, prefix.size(), prefix) == 0 &&
           entry.compare(entry.size() - kSuffixLength, kSuffixLength, kSuffix) == 0;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Removes the temporaries of this prefix in folder whose lock no process holds. Failures are not errors: what
// cannot be removed now is tried again next time.
void RemoveStale(const Place& place) {
    DIR* dir = ::opendir(place.folder.empty() ? "." : place.folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryName(name, place.prefix)) continue;
        const std::string path = place.folder + name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat held {};
        struct stat named {};
        // The name must still be the locked file: a temporary just committed or removed is not touched.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
            ::lstat(path.c_str(), &named) == 0 && SameFile(held, named))
            ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

std::string RandomText() {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[kRandomLength];
    std::size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw std::system_error(errno, std::generic_category(), "getrandom");
        }
        got += static_cast<std::size_t>(n);
    }
    std::string text;
    for (const unsigned char b : bytes) text += kAlphabet[b % (sizeof kAlphabet - 1)];
    return text;
}

}  // namespace

TemporaryOutput::TemporaryOutput(const std::string& target) : target_(target) {
    const Place place = PlaceFor(target);
    RemoveStale(place);
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    for (;;) {
        path_ = place.folder + place.prefix + RandomText() + kSuffix;
        // Created with 0666 so that the umask (and a default ACL) applies as to any new file.
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            if (errno == EEXIST) continue;
            throw std::system_error(errno, std::generic_category(), path_);
        }
        // Locked before anything else may find it; one removed as stale in between is made anew.
        struct stat held {};
        struct stat named {};
        int cause = 0;
        if (::flock(fd_, LOCK_EX) != 0 || ::fstat(fd_, &held) != 0) cause = errno;
        if (cause == 0 && (::lstat(path_.c_str(), &named) != 0 || !SameFile(held, named))) {
            ::close(fd_);
            continue;
        }
        if (cause == 0 && replacing && ::fchmod(fd_, existing.st_mode & 07777) != 0) cause = errno;
        if (cause == 0) return;
        ::close(fd_);
        ::unlink(path_.c_str());
        throw std::system_error(cause, std::generic_category(), path_);
    }
}

TemporaryOutput::~TemporaryOutput() {
    if (fd_ < 0) return;
    if (!committed_) ::unlink(path_.c_str());
    ::close(fd_);
}

bool TemporaryOutput::commit() {
    if (fd_ < 0) {
        errno = EBADF;
        return false;
    }
    int cause = 0;
    if (::fsync(fd_) != 0) cause = errno;
    if (cause == 0 && ::rename(path_.c_str(), target_.c_str()) != 0) cause = errno;
    committed_ = cause == 0;
    if (!committed_) ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    errno = cause;
    return committed_;
}

}  // namespace framework
