#pragma once
// Seams for tests: a hook consulted at the start of every handle operation, and one before each host-name lookup
// of the CD database. Answering false makes the operation fail as a drive would, or the name unknown; a hook may
// also block. A read consults it while holding its handle, so a blocked read keeps other calls on that handle
// waiting.
#include <functional>
#include <string>

namespace platform::cdrom {

enum class CdOperation { GetHandle, CloseHandle, ModifyParms, ReadToc, ReadAudio };

using OperationHook = std::function<bool(CdOperation)>;
using NameLookupHook = std::function<bool(const std::string& host)>;

// An empty hook removes it.
void SetOperationHook(OperationHook hook);
void SetNameLookupHook(NameLookupHook hook);

}  // namespace platform::cdrom
