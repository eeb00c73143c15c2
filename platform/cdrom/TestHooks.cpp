#include "platform/cdrom/TestHooks.h"

#include "platform/cdrom/detail/OperationGate.h"

#include <memory>
#include <mutex>
#include <utility>

namespace platform::cdrom {
namespace {

std::mutex hookMutex;
std::shared_ptr<const OperationHook> installedHook;
std::shared_ptr<const NameLookupHook> installedLookupHook;

}  // namespace

void SetOperationHook(OperationHook hook) {
    auto shared = hook ? std::make_shared<const OperationHook>(std::move(hook)) : nullptr;
    std::lock_guard lock(hookMutex);
    installedHook = std::move(shared);
}

void SetNameLookupHook(NameLookupHook hook) {
    auto shared = hook ? std::make_shared<const NameLookupHook>(std::move(hook)) : nullptr;
    std::lock_guard lock(hookMutex);
    installedLookupHook = std::move(shared);
}

namespace detail {

bool OperationAllowed(CdOperation operation) {
    std::shared_ptr<const OperationHook> hook;
    {
        std::lock_guard lock(hookMutex);
        hook = installedHook;
    }
    return !hook || (*hook)(operation);
}

bool NameLookupAllowed(const std::string& host) {
    std::shared_ptr<const NameLookupHook> hook;
    {
        std::lock_guard lock(hookMutex);
        hook = installedLookupHook;
    }
    return !hook || (*hook)(host);
}

}  // namespace detail
}  // namespace platform::cdrom
