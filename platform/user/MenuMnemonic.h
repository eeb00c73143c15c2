#pragma once
// Menu mnemonics: the character after a single "&" in an item's text, chosen from the keyboard.
#include <string_view>

namespace user {

// The mnemonic of an item's text, folded to lower case (ASCII letters); 0 when it has none. "&&" is a literal "&",
// and the shortcut column after a tab has none.
char32_t MenuMnemonic(std::string_view text);
// A character folded as mnemonics are.
char32_t FoldedMnemonic(char32_t character);

}  // namespace user
