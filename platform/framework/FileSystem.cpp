#include "platform/framework/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/framework/TemporaryOutput.h"

#include "platform/framework/FileNames.h"

namespace framework {

namespace {

bool WriteAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(size));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool CopyContents(int from, int to) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        if (!WriteAll(to, buffer, got)) return false;
    }
}

// The cross-device half of a move: copy, then remove the original. Any failure undoes the copy and keeps the
// errno of the first failure.
bool MoveByCopy(const std::string& oldName, const std::string& newName) {
    struct stat info {};
    if (::stat(oldName.c_str(), &info) != 0) return false;
    if (!S_ISREG(info.st_mode)) {
        errno = EXDEV;
        return false;
    }
    const int from = ::open(oldName.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return false;
    const int to = ::open(newName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 07777);
    if (to < 0) {
        const int cause = errno;
        ::close(from);
        errno = cause;
        return false;
    }
    bool moved = CopyContents(from, to);
    int cause = moved ? 0 : errno;
    ::close(from);
    if (::close(to) != 0 && moved) {
        moved = false;
        cause = errno;
    }
    if (moved && ::unlink(oldName.c_str()) != 0) {
        moved = false;
        cause = errno;
    }
    if (!moved) {
        ::unlink(newName.c_str());
        errno = cause;
    }
    return moved;
}

}  // namespace

bool FileExists(const std::string& fileName) {
    struct stat info {};
    return ::stat(fileName.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const std::string& directory) {
    struct stat info {};
    return ::stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ExistingFolder(const std::string& folder) {
    std::string path = ExpandFileName(folder.empty() ? "." : folder);
    while (path.size() > 1 && !DirectoryExists(path)) {
        const std::string parent = ExtractFilePath(path.back() == '/' ? path.substr(0, path.size() - 1) : path);
        path = parent.size() > 1 ? parent.substr(0, parent.size() - 1) : "/";
    }
    return path;
}

bool DeleteFile(const std::string& fileName) { return ::unlink(fileName.c_str()) == 0; }

bool RenameFile(const std::string& oldName, const std::string& newName) {
    if (::renameat2(AT_FDCWD, oldName.c_str(), AT_FDCWD, newName.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno == EXDEV) return MoveByCopy(oldName, newName);
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without no-replace renames: check first, accepting the small race.
    if (::access(newName.c_str(), F_OK) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(oldName.c_str(), newName.c_str()) == 0;
}

bool CopyFileReplacing(const std::string& source, const std::string& dest) {
    const int from = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return false;
    struct stat sourceInfo {};
    const bool regular = ::fstat(from, &sourceInfo) == 0 && S_ISREG(sourceInfo.st_mode);
    if (!regular) {
        const int cause = S_ISDIR(sourceInfo.st_mode) ? EISDIR : sourceInfo.st_mode != 0 ? EINVAL : errno;
        ::close(from);
        errno = cause;
        return false;
    }
    bool copied = false;
    int cause = 0;
    try {
        TemporaryOutput output(dest);
        const int to = ::open(output.path().c_str(), O_WRONLY | O_CLOEXEC);
        // A new dest takes source's permissions; an existing one keeps its own, as the temporary has them.
        struct stat destInfo {};
        const bool replacing = ::stat(dest.c_str(), &destInfo) == 0;
        copied = to >= 0 && (replacing || ::fchmod(to, sourceInfo.st_mode & 07777) == 0) && CopyContents(from, to);
        cause = errno;
        if (to >= 0 && ::close(to) != 0 && copied) {
            copied = false;
            cause = errno;
        }
        if (copied && !output.commit()) {
            copied = false;
            cause = errno;
        }
    } catch (const std::system_error& error) {
        cause = error.code().value();
    }
    ::close(from);
    errno = cause;
    return copied;
}

bool MoveFileReplacing(const std::string& oldName, const std::string& newName) {
    if (::rename(oldName.c_str(), newName.c_str()) == 0) return true;
    if (errno != EXDEV || !CopyFileReplacing(oldName, newName)) return false;
    ::unlink(oldName.c_str());
    return true;
}

}  // namespace framework
