#include "platform/process/Descriptor.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <system_error>

namespace platform::process {

namespace {

// A parent running with a standard descriptor closed hands out 0..2 to new descriptors.
Descriptor aboveStandardStreams(Descriptor fd) {
    if (fd.get() > 2) return fd;
    const int moved = fcntl(fd.get(), F_DUPFD_CLOEXEC, 3);
    if (moved < 0) throw std::system_error(errno, std::generic_category(), "cannot move descriptor");
    return Descriptor(moved);
}

}  // namespace

Descriptor::~Descriptor() { reset(); }

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        reset();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void Descriptor::reset() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

Pipe makePipe() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "cannot create pipe");
    Descriptor readEnd(ends[0]);
    Descriptor writeEnd(ends[1]);
    return Pipe{aboveStandardStreams(std::move(readEnd)), aboveStandardStreams(std::move(writeEnd))};
}

Descriptor openNullDevice() {
    const int fd = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (fd < 0) throw std::system_error(errno, std::generic_category(), "cannot open /dev/null");
    return aboveStandardStreams(Descriptor(fd));
}

}  // namespace platform::process
