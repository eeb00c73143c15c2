#pragma once
// Where the waveaudio device's sound goes to and comes from. A stream runs from its start until it is
// destroyed; its feed is called on the backend's own thread and must not destroy the stream.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "platform/media/PcmFormat.h"

namespace platform::media {

// Fills the buffer with the next samples and returns how many bytes it wrote; fewer than asked means the
// sound has ended, and the rest of the buffer is silence.
using PlaybackFeed = std::function<std::size_t(std::span<std::uint8_t>)>;
// Takes the samples captured since the last call.
using CaptureFeed = std::function<void(std::span<const std::uint8_t>)>;

class AudioStream {
  public:
    virtual ~AudioStream() = default;
};

class AudioBackend {
  public:
    virtual ~AudioBackend() = default;
    // Null when no device can take or give the format; failure then says why.
    virtual std::unique_ptr<AudioStream> startPlayback(const PcmFormat& format, PlaybackFeed feed,
                                                       std::string& failure) = 0;
    virtual std::unique_ptr<AudioStream> startCapture(const PcmFormat& format, CaptureFeed feed,
                                                      std::string& failure) = 0;
};

// The backend that devices opened from now on use: SDL audio unless another was set.
std::shared_ptr<AudioBackend> CurrentAudioBackend();
void SetAudioBackend(std::shared_ptr<AudioBackend> backend);

}  // namespace platform::media
