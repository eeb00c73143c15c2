#pragma once
// Menu mnemonics: the character after a single "&" in an item's text, chosen from the keyboard.
#include <string_view>

#include "platform/user/detail/MenuRecord.h"

namespace user::detail {

// The mnemonic of an item's text, folded to lower case (ASCII letters); 0 when it has none. "&&" is a literal "&".
char32_t MenuMnemonic(std::string_view text);
// The first item of a menu that is not a separator and whose mnemonic is the character (any case); -1 when there is
// none. Owner-drawn items have no text here, so no mnemonic.
int ItemWithMnemonic(const MenuRecord& menu, char32_t character);

}  // namespace user::detail
