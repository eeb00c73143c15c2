#pragma once
// A CD-database server on 127.0.0.1 for tests: it answers HTTP queries and reads from canned records, or
// misbehaves as asked. Like a strict real server it refuses a query that is not "cddb query <discid> <ntrks>
// <off1> ... <offn> <nsecs>" with single blanks, so a malformed request fails the lookup instead of passing
// unnoticed. It takes a bounded number of connections and stops by itself after them or after a while.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace cdrom_test {

struct CannedRecord {
    std::string category;  // e.g. "misc"
    std::uint32_t discId = 0;
    std::string title;  // the "artist / title" of the query answer
    std::string body;   // the record's lines, each ended by "\n"
};

class CddbServer {
  public:
    enum class Behaviour {
        Answer,       // matches from the canned records, "no match" when none fits
        CloseAtOnce,  // accepts and resets the connection without a word
        Slow,         // answers only after the delay
        Endless,      // starts a record and never stops sending it, as fast as the client reads
    };

    explicit CddbServer(std::vector<CannedRecord> records, Behaviour behaviour = Behaviour::Answer,
                        std::chrono::milliseconds delay = std::chrono::milliseconds(0), int maxConnections = 8);
    ~CddbServer();
    CddbServer(const CddbServer&) = delete;
    CddbServer& operator=(const CddbServer&) = delete;

    int port() const { return port_; }
    // The request targets (path and query) received, in order.
    std::vector<std::string> requests() const;
    // Bytes of endless records the clients took before they let go.
    std::size_t endlessBytesSent() const;

    // A loopback port where nothing listens, so connecting is refused.
    static int RefusingPort();

  private:
    void serve(int listener, int maxConnections);
    void answer(int connection);
    void sendEndlessly(int connection);
    std::string reply(const std::string& target) const;
    bool waitForStop(std::chrono::milliseconds delay);

    std::vector<CannedRecord> records_;
    Behaviour behaviour_;
    std::chrono::milliseconds delay_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::vector<std::string> requests_;
    std::size_t endlessBytesSent_ = 0;
    std::thread thread_;
};

}  // namespace cdrom_test
