#pragma once

namespace platform::cdrom::detail {

// The CD libraries print their warnings on stderr by default; ours report through results instead.
void QuietLibraries();

}  // namespace platform::cdrom::detail
