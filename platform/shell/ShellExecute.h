#pragma once
#include "platform/win/Types.h"

namespace win {

// Opens file the way the application asks the shell to: "sndvol32.exe" is the volume control, whose
// parameters "/r" choose the recording page; anything else is a document or URL handed to the desktop.
// The owner window, operation, folder and show command change nothing here: the folder the application
// names for the volume control does not exist on this system. Failure is silent, as callers expect.
void ShellExecuteA(HWND owner, const char* operation, const char* file, const char* parameters, const char* directory,
                   int showCommand);

}  // namespace win
