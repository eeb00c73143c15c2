#pragma once

#include <utility>

namespace platform::process {

// An owned file descriptor, closed when the owner goes away.
class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor();
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset();

  private:
    int fd_ = -1;
};

struct Pipe {
    Descriptor readEnd;
    Descriptor writeEnd;
};

// A close-on-exec pipe whose two ends lie above 0..2, so that placing a child's end onto a standard
// descriptor never collides with another end. Throws std::system_error carrying errno.
Pipe makePipe();

// /dev/null opened for reading and writing, close-on-exec, above 0..2. Throws std::system_error.
Descriptor openNullDevice();

}  // namespace platform::process
