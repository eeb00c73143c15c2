#include "platform/gdi/PictureDecoder.h"

namespace gdi {

DecodedPicture DecodePicture(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) {
        return DecodeJpeg(bytes);
    }
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        return DecodeBmp(bytes);
    }
    return std::string("unknown picture format");
}

}  // namespace gdi
