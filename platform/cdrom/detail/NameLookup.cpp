#include "platform/cdrom/detail/NameLookup.h"

#include "platform/cdrom/detail/OperationGate.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform::cdrom::detail {
namespace {

// Shared by the caller and the lookup thread; whichever lets go last frees it, with any answer the caller no
// longer wanted.
struct Lookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    AddressList addresses;
};

}  // namespace

AddressList LookUpWithin(const std::string& host, int port, std::chrono::steady_clock::time_point deadline) {
    auto lookup = std::make_shared<Lookup>();
    std::thread([lookup, host, service = std::to_string(port)] {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        const bool allowed = NameLookupAllowed(host);
        if (allowed && getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0) found = nullptr;
        std::lock_guard lock(lookup->mutex);
        lookup->addresses.reset(found);
        lookup->finished = true;
        lookup->done.notify_all();
    }).detach();
    std::unique_lock lock(lookup->mutex);
    if (!lookup->done.wait_until(lock, deadline, [&] { return lookup->finished; })) return nullptr;
    return std::move(lookup->addresses);
}

}  // namespace platform::cdrom::detail
