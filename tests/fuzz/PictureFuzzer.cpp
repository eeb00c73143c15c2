// BMP and JPEG decoding on any bytes, as the windows' stored pictures are decoded.
#include <cstdint>
#include <span>

#include "platform/gdi/PictureDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    (void)gdi::DecodePicture(bytes);
    // Both decoders see every input, whatever its first bytes say.
    (void)gdi::DecodeBmp(bytes);
    (void)gdi::DecodeJpeg(bytes);
    return 0;
}
