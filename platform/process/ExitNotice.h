#pragma once

#include "platform/process/Descriptor.h"

#include <sys/types.h>

namespace platform::process {

// A descriptor that polls readable once the child pid has ended (a pidfd); invalid where the kernel offers
// none, and callers then look with waitpid now and then. pid must be our child, not yet reaped.
Descriptor openExitNotice(pid_t pid);

}  // namespace platform::process
