#include "platform/framework/TFileStream.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/framework/EInOutError.h"

namespace framework {

namespace {

// A file held by someone else reads as EWOULDBLOCK, whose text says nothing about sharing.
[[noreturn]] void RaiseOpenError(const std::string& what, int cause) {
    throw EInOutError(what, cause == EWOULDBLOCK ? EBUSY : cause);
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : fileName_(fileName) {
    const bool create = mode == fmCreate;
    const std::string what = (create ? "Cannot create file \"" : "Cannot open file \"") + fileName + "\"";
    fd_ = create ? ::open(fileName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)
                 : ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) RaiseOpenError(what, errno);
    if (::flock(fd_, (create ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0 || (create && ::ftruncate(fd_, 0) != 0)) {
        const int cause = errno;
        ::close(fd_);
        fd_ = -1;
        RaiseOpenError(what, cause);
    }
}

TFileStream::~TFileStream() {
    if (fd_ >= 0) ::close(fd_);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
    auto* bytes = static_cast<char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(fd_, bytes + done, static_cast<std::size_t>(count - done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw EInOutError("Cannot read file \"" + fileName_ + "\"", errno);
        if (got == 0) break;
        done += got;
    }
    return done;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t written = ::write(fd_, bytes + done, static_cast<std::size_t>(count - done));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) throw EInOutError("Cannot write file \"" + fileName_ + "\"", errno);
        done += written;
    }
    return done;
}

void TFileStream::ReadBuffer(void* buffer, std::int64_t count) {
    if (Read(buffer, count) != count) throw EInOutError("Cannot read file \"" + fileName_ + "\"", ENODATA);
}

void TFileStream::WriteBuffer(const void* buffer, std::int64_t count) { Write(buffer, count); }

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    const off_t position = ::lseek(fd_, static_cast<off_t>(offset), whence);
    if (position < 0) throw EInOutError("Cannot seek in file \"" + fileName_ + "\"", errno);
    return position;
}

std::int64_t TFileStream::Position() { return Seek(0, soCurrent); }

std::int64_t TFileStream::Size() {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw EInOutError("Cannot read the size of \"" + fileName_ + "\"", errno);
    return info.st_size;
}

}  // namespace framework
