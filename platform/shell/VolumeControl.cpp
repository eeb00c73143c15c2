#include "platform/shell/VolumeControl.h"

#include "platform/process/DetachedLaunch.h"
#include "platform/process/ProgramLookup.h"

#include <system_error>

namespace platform::shell {

std::vector<std::string> volumeControlCommand(bool recording, const std::function<bool(std::string_view)>& installed) {
    if (installed("pavucontrol")) {
        // Its second tab is the recording page.
        return recording ? std::vector<std::string>{"pavucontrol", "--tab=2"} : std::vector<std::string>{"pavucontrol"};
    }
    if (!installed("alsamixer")) return {};
    for (const char* terminal : {"x-terminal-emulator", "xterm"}) {
        if (installed(terminal)) {
            std::vector<std::string> command{terminal, "-e", "alsamixer"};
            if (recording) command.emplace_back("--view=capture");
            return command;
        }
    }
    return {};
}

void openVolumeControl(bool recording) {
    const std::vector<std::string> command = volumeControlCommand(recording, [](std::string_view name) {
        std::error_code error;
        return !platform::process::findProgram(name, error).empty();
    });
    if (command.empty()) return;
    try {
        platform::process::launchDetached(command);
    } catch (const std::system_error&) {
        // A volume control that does not start is not worth an error box.
    }
}

}  // namespace platform::shell
