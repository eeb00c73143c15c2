#pragma once
// A seam for tests: a hook consulted at the start of every handle operation. Answering false makes the operation
// fail as a drive would; a hook may also block. A read consults it while holding its handle, so a blocked read
// keeps other calls on that handle waiting.
#include <functional>

namespace platform::cdrom {

enum class CdOperation { GetHandle, CloseHandle, ModifyParms, ReadToc, ReadAudio };

using OperationHook = std::function<bool(CdOperation)>;

// An empty hook removes it.
void SetOperationHook(OperationHook hook);

}  // namespace platform::cdrom
