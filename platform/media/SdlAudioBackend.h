#pragma once
// The sound card through SDL audio: the default output and input devices, opened in the file's own format
// (SDL converts when the device differs). A stream's device is closed on a thread of its own: destroying the
// stream waits only for a callback running at that moment, never for the device's buffer to drain.
#include "platform/media/AudioBackend.h"

namespace platform::media {

class SdlAudioBackend : public AudioBackend {
  public:
    std::unique_ptr<AudioStream> startPlayback(const PcmFormat& format, PlaybackFeed feed,
                                               std::string& failure) override;
    std::unique_ptr<AudioStream> startCapture(const PcmFormat& format, CaptureFeed feed, std::string& failure) override;

    // Returns once the devices of every stream destroyed so far are closed, and SDL audio stopped when no stream
    // is left (a new start then reads the driver settings again).
    static void WaitUntilClosed();
};

}  // namespace platform::media
