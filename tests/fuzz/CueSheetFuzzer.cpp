// The CUE sheet check that stands before libcdio, on any text.
#include <cstdint>
#include <string_view>

#include "platform/cdrom/detail/CueSheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)platform::cdrom::detail::CheckCueSheet(text, "/images/disc.cue");
    return 0;
}
