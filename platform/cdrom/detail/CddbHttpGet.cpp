#include "platform/cdrom/detail/CddbHttpGet.h"

#include "platform/cdrom/detail/NameLookup.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>

#include <memory>

namespace platform::cdrom::detail {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxAnswerBytes = 64 * 1024;

class Socket {
  public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

// Waits for the event until the deadline; false when the time ran out or the socket failed.
bool WaitFor(int fd, short event, Clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd waiting{fd, event, 0};
        const int ready = poll(&waiting, 1, static_cast<int>(left));
        if (ready > 0) return (waiting.revents & (event | POLLHUP)) != 0;
        if (ready < 0 && errno != EINTR) return false;
    }
}

int ConnectWithin(const std::string& host, int port, Clock::time_point deadline) {
    const AddressList addresses = LookUpWithin(host, port, deadline);
    for (const addrinfo* a = addresses.get(); a != nullptr; a = a->ai_next) {
        const int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0) continue;
        if (connect(fd, a->ai_addr, a->ai_addrlen) == 0) return fd;
        int error = errno;
        if (error == EINPROGRESS && WaitFor(fd, POLLOUT, deadline)) {
            socklen_t length = sizeof error;
            if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) return fd;
        }
        close(fd);
    }
    return -1;
}

bool SendWithin(int fd, const std::string& text, Clock::time_point deadline) {
    std::size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n > 0)
            sent += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EAGAIN && WaitFor(fd, POLLOUT, deadline))
            continue;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return false;
    }
    return true;
}

// Everything the server sends until it closes the connection. A server that keeps sending is cut off by the
// deadline, checked before every read, or by the size of the answer, far above that of any real record.
std::optional<std::string> ReceiveWithin(int fd, Clock::time_point deadline) {
    std::string answer;
    char buffer[4096];
    for (;;) {
        if (Clock::now() >= deadline) return std::nullopt;
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            if (answer.size() + static_cast<std::size_t>(n) > kMaxAnswerBytes) return std::nullopt;
            answer.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            return answer;
        } else if (!((errno == EAGAIN && WaitFor(fd, POLLIN, deadline)) || errno == EINTR)) {
            return std::nullopt;
        }
    }
}

}  // namespace

std::optional<std::string> HttpGet(const std::string& host, int port, const std::string& target,
                                   std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    const Socket socket(ConnectWithin(host, port, deadline));
    if (socket.fd() < 0) return std::nullopt;
    const std::string request = "GET " + target + " HTTP/1.0\r\nHost: " + host + ":" + std::to_string(port) +
                                "\r\nAccept: text/plain\r\nConnection: close\r\n\r\n";
    if (!SendWithin(socket.fd(), request, deadline)) return std::nullopt;
    std::optional<std::string> answer = ReceiveWithin(socket.fd(), deadline);
    if (!answer) return std::nullopt;
    const std::size_t space = answer->find(' ');
    const std::size_t bodyStart = answer->find("\r\n\r\n");
    if (answer->rfind("HTTP/", 0) != 0 || space == std::string::npos || answer->compare(space + 1, 3, "200") != 0 ||
        bodyStart == std::string::npos)
        return std::nullopt;
    return answer->substr(bodyStart + 4);
}

}  // namespace platform::cdrom::detail
