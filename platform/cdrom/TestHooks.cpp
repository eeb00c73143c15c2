#include "platform/cdrom/TestHooks.h"

#include "platform/cdrom/detail/OperationGate.h"

#include <memory>
#include <mutex>
#include <utility>

namespace platform::cdrom {
namespace {

std::mutex hookMutex;
std::shared_ptr<const OperationHook> installedHook;

}  // namespace

void SetOperationHook(OperationHook hook) {
    auto shared = hook ? std::make_shared<const OperationHook>(std::move(hook)) : nullptr;
    std::lock_guard lock(hookMutex);
    installedHook = std::move(shared);
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

}  // namespace detail
}  // namespace platform::cdrom
