#pragma once
// An audio backend without a sound card, for tests: capture gives a recording's samples (as ReadWaveFile reads
// them) to the device as a microphone would, converted to the device's format and paced in real time, then
// silence; playback takes the samples at real-time pace and keeps them for inspection.
#include <filesystem>
#include <mutex>
#include <vector>

#include "platform/media/AudioBackend.h"
#include "platform/media/WaveFile.h"

namespace platform::media {

struct PlayedSound {
    PcmFormat format;
    std::vector<std::uint8_t> samples;  // every byte the device gave, up to the end of its sound or the stop
    bool reachedEnd = false;
};

class FileFedAudioBackend : public AudioBackend {
  public:
    // Each capture starts again at the beginning of the source.
    void setCaptureSource(const WaveContents& source);
    // Whether streams can be started at all; a refused start reports failureText.
    void setAvailable(bool available, std::string failureText = "no audio device");

    // One entry per playback stream, in the order they started.
    std::vector<PlayedSound> played() const;

    std::unique_ptr<AudioStream> startPlayback(const PcmFormat& format, PlaybackFeed feed,
                                               std::string& failure) override;
    std::unique_ptr<AudioStream> startCapture(const PcmFormat& format, CaptureFeed feed, std::string& failure) override;

  private:
    void appendPlayed(std::size_t index, std::span<const std::uint8_t> bytes, bool reachedEnd);

    mutable std::mutex mutex_;
    // Held while a step hands bytes to the device and keeps them: the device may report the end of its sound from
    // inside the feed, and a reader woken by that must still see the step's bytes.
    mutable std::mutex feedMutex_;
    WaveContents source_;
    bool available_ = true;
    std::string failureText_;
    std::vector<PlayedSound> played_;
};

}  // namespace platform::media
