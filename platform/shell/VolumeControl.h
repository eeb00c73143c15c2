#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::shell {

// The mixer to run for the volume control, on its recording page when asked: the desktop's sound mixer
// when installed, else the console mixer in a terminal; empty when there is none. installed tells whether
// a program can be found.
std::vector<std::string> volumeControlCommand(bool recording, const std::function<bool(std::string_view)>& installed);

// Starts the volume control, detached; failure is silent.
void openVolumeControl(bool recording);

}  // namespace platform::shell
