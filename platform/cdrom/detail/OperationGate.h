#pragma once

namespace platform::cdrom {
enum class CdOperation;
}

namespace platform::cdrom::detail {

// False when the test hook makes the operation fail.
bool OperationAllowed(CdOperation operation);

}  // namespace platform::cdrom::detail
