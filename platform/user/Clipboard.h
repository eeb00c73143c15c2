#pragma once
// The clipboard's text: the presenter's (a display's own, so that text copied here pastes into other programs and
// back); without a presenter kept in the window layer for the life of the program. UTF-8.
#include <string>

namespace user {

std::string ClipboardText();
void SetClipboardText(const std::string& text);

}  // namespace user
