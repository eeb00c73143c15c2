#include "platform/user/MenuMnemonic.h"

#include "platform/gdi/detail/Utf8.h"

namespace user {

char32_t FoldedMnemonic(char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; }

char32_t MenuMnemonic(std::string_view text) {
    const std::u32string decoded = gdi::detail::DecodeUtf8(text.substr(0, text.find('\t')));
    for (std::size_t i = 0; i + 1 < decoded.size(); ++i) {
        if (decoded[i] != U'&') continue;
        if (decoded[i + 1] != U'&') return FoldedMnemonic(decoded[i + 1]);
        ++i;
    }
    return 0;
}

}  // namespace user
