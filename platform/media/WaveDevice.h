#pragma once
// A waveaudio device: one WAV file's samples held in memory in the file's own format, played and recorded
// through an audio backend. Recording inserts at its start position. The file is read when the device opens
// and written only by save, so it is never kept open or locked. Every member may be called from any thread.
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/media/MciTypes.h"
#include "platform/media/PcmFormat.h"

namespace platform::media {

class AudioBackend;
class AudioStream;

enum class WaveMode { Stopped, Playing, Recording };

class WaveDevice {
  public:
    explicit WaveDevice(std::shared_ptr<AudioBackend> backend);
    ~WaveDevice();
    WaveDevice(const WaveDevice&) = delete;
    WaveDevice& operator=(const WaveDevice&) = delete;

    // Reads the file; MCIERR_FILE_NOT_FOUND, or MCIERR_INVALID_FILE when it is no readable PCM WAV file.
    win::MCIERROR open(const std::filesystem::path& file);
    // An empty recording with no file yet: save then needs a file name.
    void openNew(const PcmFormat& format);

    // Positions and lengths are milliseconds.
    std::uint32_t length() const;
    std::uint32_t position() const;
    WaveMode mode() const;
    PcmFormat format() const;

    // Plays from (default: the position) up to to (default: the end); ends by itself at to.
    win::MCIERROR play(std::optional<std::uint32_t> from, std::optional<std::uint32_t> to);
    // Returns once a playback running now has reached its end or was stopped.
    void waitUntilPlaybackEnds();
    // Records until stopped, inserting what is captured at from (default: the position).
    win::MCIERROR record(std::optional<std::uint32_t> from);
    // Ends playing or recording; what was recorded becomes part of the samples.
    void stop();
    win::MCIERROR seek(std::uint32_t to);
    void seekToStart();
    void seekToEnd();
    // Writes the samples, with what a running recording has captured so far, to file (default: the opened
    // one).
    win::MCIERROR save(const std::filesystem::path& file = {});

    // Why the last open, play, record or save failed, as the system or the audio backend said it; empty when
    // it succeeded or failed for a reason its error code tells.
    std::string failureCause() const;

  private:
    std::size_t feedPlayback(std::span<std::uint8_t> buffer);
    void takeCapture(std::span<const std::uint8_t> bytes);
    void endActivity();
    std::size_t lengthInBytes() const;
    std::size_t positionInBytes() const;
    std::size_t capturedFrameBytes() const;
    win::MCIERROR fail(win::MCIERROR error, std::string cause);
    void clearFailure();

    const std::shared_ptr<AudioBackend> backend_;
    std::mutex commandMutex_;  // one command at a time; the backend's feeds take only stateMutex_
    mutable std::mutex stateMutex_;
    std::condition_variable playbackEnded_;
    std::unique_ptr<AudioStream> stream_;
    PcmFormat format_;
    std::vector<std::uint8_t> samples_;  // changed only under commandMutex_, never while recording
    std::filesystem::path file_;
    WaveMode mode_ = WaveMode::Stopped;
    std::size_t position_ = 0;
    std::size_t playCursor_ = 0;
    std::size_t playEnd_ = 0;
    std::size_t recordAt_ = 0;
    std::vector<std::uint8_t> captured_;
    std::string failureCause_;
};

}  // namespace platform::media
