#pragma once
// The system's or the audio backend's own words for the last failed media command, to go with the error text.
#include <string>

namespace platform::media {

// Why the last command sent on this thread failed to open, play, record or save ("x.wav: Permission denied");
// empty when that command succeeded or its error code says it all.
std::string LastFailureCause();

}  // namespace platform::media
