#pragma once
// One HTTP/1.0 GET to the CD-database server, bounded in time as a whole, name lookup included, and in size.
#include <chrono>
#include <optional>
#include <string>

namespace platform::cdrom::detail {

// The body of a 200 answer to "GET target"; empty when the server cannot be reached, answers otherwise, sends
// more than 64 KiB or does not finish within the timeout.
std::optional<std::string> HttpGet(const std::string& host, int port, const std::string& target,
                                   std::chrono::milliseconds timeout);

}  // namespace platform::cdrom::detail
