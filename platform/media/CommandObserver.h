#pragma once
// Who is told of every command message the media control interface runs, as one line of text in the words of
// the command strings: "open /x/MyTemp.wav", "set time format milliseconds", "play from 15000", "record",
// "stop", "seek to end", "save /x/a.wav", "close", "status length". Lines come on the thread that sent the
// command, before it runs.
#include <functional>
#include <string>

namespace platform::media {

using CommandObserver = std::function<void(const std::string& command)>;

// Installs the observer (an empty one: nobody is told) and returns the previous one.
CommandObserver SetCommandObserver(CommandObserver observer);

}  // namespace platform::media
