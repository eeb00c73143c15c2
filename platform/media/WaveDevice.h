#pragma once
// A waveaudio device: one WAV file's samples in the file's own format, played and recorded through an audio
// backend. The sound stays in files: the opened file, read where it lies (held open, never locked, so a copy
// renamed over it leaves the device's sound as it was), and a working file of what was recorded, created unnamed
// beside it; the recording is a list of pieces of the two, joined by save. Recording inserts at its start
// position. Every member may be called from any thread.
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>

#include "platform/media/MciTypes.h"
#include "platform/media/PcmFormat.h"
#include "platform/media/SoundPieces.h"

namespace platform::media {

class AudioBackend;
class AudioStream;
struct WaveLayout;

enum class WaveMode { Stopped, Playing, Recording };

class WaveDevice {
  public:
    explicit WaveDevice(std::shared_ptr<AudioBackend> backend);
    ~WaveDevice();
    WaveDevice(const WaveDevice&) = delete;
    WaveDevice& operator=(const WaveDevice&) = delete;

    // Opens the file; MCIERR_FILE_NOT_FOUND, MCIERR_INVALID_FILE when it is no readable PCM WAV file, or
    // MCIERR_WAVE_OUTPUTSUNSUITABLE when no sound device takes its sample rate.
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
    // Reads the bytes of pieces from at into buffer; false with the cause when a file cannot be read.
    bool readSound(const SoundPieces& pieces, std::uint64_t at, std::span<std::uint8_t> buffer,
                   std::string& failure) const;
    // The working file, created at the first recording; false with the cause when it cannot be.
    bool makeRecordedFile(std::string& failure);
    // Takes the file as the whole sound, dropping what was recorded before.
    void takeOpenedFile(int file, const WaveLayout& layout, const std::filesystem::path& name);
    void closeFiles();
    std::uint64_t lengthInBytes() const;
    std::uint64_t positionInBytes() const;
    std::uint64_t capturedFrameBytes() const;
    win::MCIERROR fail(win::MCIERROR error, std::string cause);
    void clearFailure();

    const std::shared_ptr<AudioBackend> backend_;
    std::mutex commandMutex_;  // one command at a time; the backend's feeds take only stateMutex_
    mutable std::mutex stateMutex_;
    std::condition_variable playbackEnded_;
    std::unique_ptr<AudioStream> stream_;
    PcmFormat format_;
    SoundPieces pieces_;  // changed only under commandMutex_, never while playing or recording
    int openedFile_ = -1;
    int recordedFile_ = -1;
    std::uint64_t recordedEnd_ = 0;  // bytes of the working file in use
    std::filesystem::path file_;
    WaveMode mode_ = WaveMode::Stopped;
    std::uint64_t position_ = 0;
    std::uint64_t playCursor_ = 0;
    std::uint64_t playEnd_ = 0;
    std::uint64_t recordAt_ = 0;
    std::uint64_t recordStart_ = 0;  // where the running recording begins in the working file
    std::uint64_t captured_ = 0;     // bytes the running recording wrote there
    bool captureFailed_ = false;
    std::string failureCause_;
};

}  // namespace platform::media
