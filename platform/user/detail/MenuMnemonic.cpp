#include "platform/user/detail/MenuMnemonic.h"

#include "platform/gdi/detail/Utf8.h"

namespace user::detail {

namespace {

char32_t Folded(char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; }

}  // namespace

char32_t MenuMnemonic(std::string_view text) {
    const std::u32string decoded = gdi::detail::DecodeUtf8(text.substr(0, text.find('\t')));
    for (std::size_t i = 0; i + 1 < decoded.size(); ++i) {
        if (decoded[i] != U'&') continue;
        if (decoded[i + 1] != U'&') return Folded(decoded[i + 1]);
        ++i;
    }
    return 0;
}

int ItemWithMnemonic(const MenuRecord& menu, char32_t character) {
    const char32_t wanted = Folded(character);
    if (!wanted) return -1;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        const MenuItem& item = menu.items[i];
        if (!item.separator() && !item.ownerDrawn() && MenuMnemonic(item.text) == wanted) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace user::detail
