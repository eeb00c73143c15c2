#include "platform/framework/UntypedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/framework/EInOutError.h"

namespace framework {

UntypedFile::~UntypedFile() {
    if (fd_ >= 0) ::close(fd_);
}

void UntypedFile::Open(int flags, const char* verb) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = ::open(fileName_.c_str(), flags | O_CLOEXEC, 0666);
    if (fd_ < 0) throw EInOutError(std::string("Cannot ") + verb + " \"" + fileName_ + "\"", errno);
}

void UntypedFile::CheckOpen() const {
    if (fd_ < 0) throw EInOutError("File \"" + fileName_ + "\" is not open", EBADF);
}

void AssignFile(UntypedFile& file, const std::string& fileName) { file.fileName_ = fileName; }

void Reset(UntypedFile& file) { file.Open(O_RDONLY, "open"); }

void Rewrite(UntypedFile& file) { file.Open(O_WRONLY | O_CREAT | O_TRUNC, "create"); }

void BlockRead(UntypedFile& file, void* buffer, std::int64_t count, std::int64_t& got) {
    file.CheckOpen();
    auto* bytes = static_cast<char*>(buffer);
    got = 0;
    while (got < count) {
        const ssize_t n = ::read(file.fd_, bytes + got, static_cast<std::size_t>(count - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw EInOutError("Cannot read \"" + file.fileName_ + "\"", errno);
        if (n == 0) break;
        got += n;
    }
}

void BlockWrite(UntypedFile& file, const void* buffer, std::int64_t count, std::int64_t& written) {
    file.CheckOpen();
    const auto* bytes = static_cast<const char*>(buffer);
    written = 0;
    while (written < count) {
        const ssize_t n = ::write(file.fd_, bytes + written, static_cast<std::size_t>(count - written));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == ENOSPC) break;
        if (n < 0) throw EInOutError("Cannot write \"" + file.fileName_ + "\"", errno);
        written += n;
    }
}

std::int64_t FileSize(UntypedFile& file) {
    file.CheckOpen();
    struct stat info {};
    if (::fstat(file.fd_, &info) != 0) throw EInOutError("Cannot read the size of \"" + file.fileName_ + "\"", errno);
    return info.st_size;
}

void CloseFile(UntypedFile& file) {
    file.CheckOpen();
    const int fd = file.fd_;
    file.fd_ = -1;
    if (::close(fd) != 0) throw EInOutError("Cannot close \"" + file.fileName_ + "\"", errno);
}

}  // namespace framework
