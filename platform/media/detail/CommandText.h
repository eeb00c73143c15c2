#pragma once
// A command message with its flags and parameter block told as a line of command-string words.
#include <string>

#include "platform/media/MciTypes.h"

namespace platform::media::detail {

std::string CommandText(win::UINT message, win::DWORD_PTR flags, win::DWORD_PTR parms);
// Tells the installed command observer, if there is one, the command's line.
void TellCommand(win::UINT message, win::DWORD_PTR flags, win::DWORD_PTR parms);

}  // namespace platform::media::detail
