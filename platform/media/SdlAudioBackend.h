#pragma once
// The sound card through SDL audio: the default output and input devices, opened in the file's own format
// (SDL converts when the device differs).
#include "platform/media/AudioBackend.h"

namespace platform::media {

class SdlAudioBackend : public AudioBackend {
  public:
    std::unique_ptr<AudioStream> startPlayback(const PcmFormat& format, PlaybackFeed feed,
                                               std::string& failure) override;
    std::unique_ptr<AudioStream> startCapture(const PcmFormat& format, CaptureFeed feed, std::string& failure) override;
};

}  // namespace platform::media
