#include "platform/gdi/detail/Utf8.h"

namespace gdi::detail {

std::u32string DecodeUtf8(std::string_view text) {
    constexpr char32_t kReplacement = 0xFFFD;
    std::u32string decoded;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t value = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            value = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            value = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            value = lead & 0x07;
            smallest = 0x10000;
        } else {
            decoded.push_back(kReplacement);
            ++i;
            continue;
        }
        bool valid = i + std::size_t(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            valid = (next & 0xC0) == 0x80;
            value = (value << 6) | (next & 0x3F);
        }
        if (!valid || value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            decoded.push_back(kReplacement);
            ++i;
            continue;
        }
        decoded.push_back(value);
        i += std::size_t(extra) + 1;
    }
    return decoded;
}

}  // namespace gdi::detail
