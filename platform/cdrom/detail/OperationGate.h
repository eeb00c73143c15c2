#pragma once
#include <string>

namespace platform::cdrom {
enum class CdOperation;
}

namespace platform::cdrom::detail {

// False when the test hook makes the operation fail, or the host name unknown.
bool OperationAllowed(CdOperation operation);
bool NameLookupAllowed(const std::string& host);

}  // namespace platform::cdrom::detail
