#pragma once
// Host-name lookup bounded in time: the resolver itself cannot be told when to give up, so it runs on a thread of
// its own, which a caller that stops waiting leaves to finish and clean up alone.
#include <netdb.h>

#include <chrono>
#include <memory>
#include <string>

namespace platform::cdrom::detail {

struct AddressListFree {
    void operator()(addrinfo* list) const { freeaddrinfo(list); }
};
using AddressList = std::unique_ptr<addrinfo, AddressListFree>;

// The stream addresses of host:port, or none when the name is unknown or not found by the deadline.
AddressList LookUpWithin(const std::string& host, int port, std::chrono::steady_clock::time_point deadline);

}  // namespace platform::cdrom::detail
