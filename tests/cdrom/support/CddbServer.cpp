#include "CddbServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace cdrom_test {
namespace {

constexpr auto kLifetime = std::chrono::seconds(30);
constexpr int kPollMilliseconds = 50;
constexpr std::size_t kMaxRequestBytes = 16384;

int ListenOnLoopback(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::runtime_error(std::string("socket: ") + std::strerror(errno));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 8) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        const int error = errno;
        close(fd);
        throw std::runtime_error(std::string("loopback listener: ") + std::strerror(error));
    }
    port = ntohs(address.sin_port);
    return fd;
}

void SendAll(int fd, const std::string& text) {
    std::size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

// The request line's target, read up to the blank line that ends the head; empty when none came.
std::string ReadTarget(int fd) {
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxRequestBytes) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 2000) <= 0) break;
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    const std::size_t first = head.find(' ');
    const std::size_t second = first == std::string::npos ? first : head.find(' ', first + 1);
    return second == std::string::npos ? std::string() : head.substr(first + 1, second - first - 1);
}

// The words of the cmd parameter: "cmd=cddb+query+..." gives {"cddb", "query", ...}. A doubled, leading or
// trailing "+" gives an empty word, which the server refuses as a real one does.
std::vector<std::string> CommandWords(const std::string& target) {
    std::vector<std::string> words;
    const std::size_t start = target.find("cmd=");
    if (start == std::string::npos) return words;
    const std::size_t end = target.find('&', start);
    const std::string command = target.substr(start + 4, end == std::string::npos ? end : end - start - 4);
    std::size_t from = 0;
    while (from <= command.size()) {
        const std::size_t plus = command.find('+', from);
        words.push_back(command.substr(from, plus == std::string::npos ? plus : plus - from));
        if (plus == std::string::npos) break;
        from = plus + 1;
    }
    return words;
}

// Record lines go out as the protocol has them, ended by CR LF.
std::string WithCrLf(const std::string& lines) {
    std::string text;
    for (char c : lines) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

bool IsNumber(const std::string& word) {
    return !word.empty() && word.find_first_not_of("0123456789") == std::string::npos;
}

// "cddb query <discid> <ntrks> <off1> ... <offn> <nsecs>", every field present and one blank apart.
bool IsWellFormedQuery(const std::vector<std::string>& words) {
    if (words.size() < 6 || words[2].size() != 8 || words[2].find_first_not_of("0123456789abcdef") != std::string::npos)
        return false;
    for (std::size_t i = 3; i < words.size(); ++i)
        if (!IsNumber(words[i])) return false;
    return words[3].size() <= 3 && std::stoul(words[3]) == words.size() - 5;
}

std::string Hex(std::uint32_t id) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", id);
    return text;
}

}  // namespace

CddbServer::CddbServer(std::vector<CannedRecord> records, Behaviour behaviour, std::chrono::milliseconds delay,
                       int maxConnections)
    : records_(std::move(records)), behaviour_(behaviour), delay_(delay) {
    const int listener = ListenOnLoopback(port_);
    thread_ = std::thread([this, listener, maxConnections] { serve(listener, maxConnections); });
}

CddbServer::~CddbServer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    thread_.join();
}

std::vector<std::string> CddbServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

int CddbServer::RefusingPort() {
    int port = 0;
    close(ListenOnLoopback(port));
    return port;
}

bool CddbServer::waitForStop(std::chrono::milliseconds delay) {
    std::unique_lock lock(mutex_);
    return stop_.wait_for(lock, delay, [this] { return stopping_; });
}

void CddbServer::serve(int listener, int maxConnections) {
    const auto deadline = std::chrono::steady_clock::now() + kLifetime;
    int served = 0;
    while (served < maxConnections && std::chrono::steady_clock::now() < deadline &&
           !waitForStop(std::chrono::milliseconds(0))) {
        pollfd waiting{listener, POLLIN, 0};
        if (poll(&waiting, 1, kPollMilliseconds) <= 0) continue;
        const int connection = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) continue;
        ++served;
        answer(connection);
        close(connection);
    }
    close(listener);
}

void CddbServer::answer(int connection) {
    if (behaviour_ == Behaviour::CloseAtOnce) {
        // Reset rather than a polite close, so the client's next write meets a broken connection.
        const linger reset{1, 0};
        setsockopt(connection, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        return;
    }
    const std::string target = ReadTarget(connection);
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(target);
    }
    if (behaviour_ == Behaviour::Slow && waitForStop(delay_)) return;
    if (behaviour_ == Behaviour::Endless) return sendEndlessly(connection);
    SendAll(connection,
            "HTTP/1.0 200 OK\r\nContent-Type: text/plain; charset=UTF-8\r\nConnection: close\r\n\r\n" + reply(target));
}

std::size_t CddbServer::endlessBytesSent() const {
    std::lock_guard lock(mutex_);
    return endlessBytesSent_;
}

void CddbServer::sendEndlessly(int connection) {
    const std::string line = "TTITLE0=" + std::string(1000, 'x') + "\r\n";
    std::string text = "HTTP/1.0 200 OK\r\nConnection: close\r\n\r\n210 misc 00000000 record follows\r\n";
    std::size_t sent = 0;
    // Until the client lets go, or the server is stopped.
    while (!waitForStop(std::chrono::milliseconds(0))) {
        pollfd waiting{connection, POLLOUT, 0};
        if (poll(&waiting, 1, kPollMilliseconds) <= 0) continue;
        if (text.empty()) text = line;
        const ssize_t n = send(connection, text.data(), text.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n <= 0) break;
        text.erase(0, static_cast<std::size_t>(n));
        sent += static_cast<std::size_t>(n);
    }
    std::lock_guard lock(mutex_);
    endlessBytesSent_ += sent;
}

std::string CddbServer::reply(const std::string& target) const {
    const std::vector<std::string> words = CommandWords(target);
    if (words.size() >= 2 && words[0] == "cddb" && words[1] == "query") {
        if (!IsWellFormedQuery(words)) return "500 Command syntax error.\r\n";
        std::vector<const CannedRecord*> matches;
        for (const CannedRecord& record : records_)
            if (Hex(record.discId) == words[2]) matches.push_back(&record);
        if (matches.empty()) return "202 No match for disc ID " + words[2] + ".\r\n";
        if (matches.size() == 1)
            return "200 " + matches[0]->category + " " + words[2] + " " + matches[0]->title + "\r\n";
        std::string list = "211 Found inexact matches, list follows (until terminating `.')\r\n";
        for (const CannedRecord* match : matches)
            list += match->category + " " + words[2] + " " + match->title + "\r\n";
        return list + ".\r\n";
    }
    if (words.size() == 4 && words[0] == "cddb" && words[1] == "read") {
        for (const CannedRecord& record : records_)
            if (record.category == words[2] && Hex(record.discId) == words[3])
                return "210 " + words[2] + " " + words[3] + " CD database entry follows (until terminating `.')\r\n" +
                       WithCrLf(record.body) + ".\r\n";
        return "401 " + words[2] + " " + words[3] + " No such CD entry in database.\r\n";
    }
    return "500 Command syntax error.\r\n";
}

}  // namespace cdrom_test
