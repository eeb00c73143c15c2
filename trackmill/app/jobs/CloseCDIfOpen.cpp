#include "trackmill/app/jobs/CloseCDIfOpen.h"

#include "platform/cdrom/CdAudio.h"

bool CloseCDIfOpen(std::uint32_t Handle) { return Handle == 0 || platform::cdrom::CloseCDHandle(Handle) != 0; }
