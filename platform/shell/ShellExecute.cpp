#include "platform/shell/ShellExecute.h"

#include "platform/shell/ShellOpen.h"
#include "platform/shell/VolumeControl.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace win {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

void ShellExecuteA(HWND, const char*, const char* file, const char* parameters, const char*, int) {
    if (!file || !*file) return;
    if (sameIgnoringCase(file, "sndvol32.exe")) {
        platform::shell::openVolumeControl(parameters && sameIgnoringCase(parameters, "/r"));
        return;
    }
    platform::shell::openDocument(file);
}

}  // namespace win
