#include "platform/media/WaveDevice.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/media/AudioBackend.h"
#include "platform/media/MciErrors.h"
#include "platform/media/WaveFile.h"

namespace platform::media {

WaveDevice::WaveDevice(std::shared_ptr<AudioBackend> backend) : backend_(std::move(backend)) {}

WaveDevice::~WaveDevice() {
    std::lock_guard command(commandMutex_);
    endActivity();
}

win::MCIERROR WaveDevice::open(const std::filesystem::path& file) {
    std::lock_guard command(commandMutex_);
    clearFailure();
    endActivity();
    WaveContents contents;
    std::string failure;
    switch (ReadWaveFile(file, contents, failure)) {
        case WaveReadStatus::Read:
            break;
        case WaveReadStatus::Missing:
            return fail(win::MCIERR_FILE_NOT_FOUND, file.string() + ": no such file");
        case WaveReadStatus::Unreadable:
            return fail(win::MCIERR_INVALID_FILE, failure);
        case WaveReadStatus::Malformed:
            return fail(win::MCIERR_INVALID_FILE,
                        file.string() + ": not a WAV file of 8 or 16-bit PCM in 1 or 2 channels");
    }
    std::lock_guard state(stateMutex_);
    format_ = contents.format;
    samples_ = std::move(contents.samples);
    file_ = file;
    position_ = 0;
    return 0;
}

void WaveDevice::openNew(const PcmFormat& format) {
    std::lock_guard command(commandMutex_);
    endActivity();
    std::lock_guard state(stateMutex_);
    format_ = format;
    samples_.clear();
    file_.clear();
    position_ = 0;
}

std::uint32_t WaveDevice::length() const {
    std::lock_guard state(stateMutex_);
    return format_.millisecondsOf(lengthInBytes());
}

std::uint32_t WaveDevice::position() const {
    std::lock_guard state(stateMutex_);
    return format_.millisecondsOf(positionInBytes());
}

WaveMode WaveDevice::mode() const {
    std::lock_guard state(stateMutex_);
    if (mode_ == WaveMode::Playing && playCursor_ == playEnd_) return WaveMode::Stopped;
    return mode_;
}

PcmFormat WaveDevice::format() const {
    std::lock_guard state(stateMutex_);
    return format_;
}

win::MCIERROR WaveDevice::play(std::optional<std::uint32_t> from, std::optional<std::uint32_t> to) {
    std::lock_guard command(commandMutex_);
    clearFailure();
    endActivity();
    std::unique_lock state(stateMutex_);
    const std::size_t start = from ? format_.bytesAt(*from) : position_;
    const std::size_t end = to ? format_.bytesAt(*to) : samples_.size();
    if (start > samples_.size() || end > samples_.size() || end < start) return win::MCIERR_OUTOFRANGE;
    position_ = start;
    if (start == end) return 0;
    playCursor_ = start;
    playEnd_ = end;
    state.unlock();

    std::string failure;
    auto stream = backend_->startPlayback(
        format_, [this](std::span<std::uint8_t> buffer) { return feedPlayback(buffer); }, failure);
    if (!stream) return fail(win::MCIERR_WAVE_OUTPUTSUNSUITABLE, failure);
    state.lock();
    // The feed may already have run to the end; mode() then reports the device stopped.
    mode_ = WaveMode::Playing;
    stream_ = std::move(stream);
    return 0;
}

void WaveDevice::waitUntilPlaybackEnds() {
    std::unique_lock state(stateMutex_);
    playbackEnded_.wait(state, [this] { return mode_ != WaveMode::Playing || playCursor_ == playEnd_; });
}

win::MCIERROR WaveDevice::record(std::optional<std::uint32_t> from) {
    std::lock_guard command(commandMutex_);
    clearFailure();
    endActivity();
    std::unique_lock state(stateMutex_);
    const std::size_t start = from ? format_.bytesAt(*from) : position_;
    if (start > samples_.size()) return win::MCIERR_OUTOFRANGE;
    recordAt_ = start;
    position_ = start;
    captured_.clear();
    // Set before the stream starts, so no captured byte arrives while the device still looks stopped.
    mode_ = WaveMode::Recording;
    state.unlock();

    std::string failure;
    auto stream = backend_->startCapture(
        format_, [this](std::span<const std::uint8_t> bytes) { takeCapture(bytes); }, failure);
    state.lock();
    if (!stream) {
        mode_ = WaveMode::Stopped;
        state.unlock();
        return fail(win::MCIERR_WAVE_INPUTSUNSUITABLE, failure);
    }
    stream_ = std::move(stream);
    return 0;
}

void WaveDevice::stop() {
    std::lock_guard command(commandMutex_);
    endActivity();
}

win::MCIERROR WaveDevice::seek(std::uint32_t to) {
    std::lock_guard command(commandMutex_);
    endActivity();
    std::lock_guard state(stateMutex_);
    const std::size_t target = format_.bytesAt(to);
    if (target > samples_.size()) return win::MCIERR_OUTOFRANGE;
    position_ = target;
    return 0;
}

void WaveDevice::seekToStart() {
    std::lock_guard command(commandMutex_);
    endActivity();
    std::lock_guard state(stateMutex_);
    position_ = 0;
}

void WaveDevice::seekToEnd() {
    std::lock_guard command(commandMutex_);
    endActivity();
    std::lock_guard state(stateMutex_);
    position_ = samples_.size();
}

win::MCIERROR WaveDevice::save(const std::filesystem::path& file) {
    std::lock_guard command(commandMutex_);
    clearFailure();
    std::unique_lock state(stateMutex_);
    const std::filesystem::path target = file.empty() ? file_ : file;
    if (target.empty()) return win::MCIERR_FILENAME_REQUIRED;
    // samples_ does not change while this command runs, but the capture keeps appending: save a snapshot of
    // it.
    const bool recording = mode_ == WaveMode::Recording;
    const std::vector<std::uint8_t> captured(captured_.begin(), captured_.begin() + capturedFrameBytes());
    const std::size_t insertAt = recording ? recordAt_ : samples_.size();
    const PcmFormat format = format_;
    state.unlock();

    const std::span<const std::uint8_t> all(samples_);
    const std::array<std::span<const std::uint8_t>, 3> pieces{all.first(insertAt), std::span(captured),
                                                              all.subspan(insertAt)};
    std::string failure;
    if (!WriteWaveFile(target, format, pieces, failure)) return fail(win::MCIERR_FILE_NOT_SAVED, failure);
    state.lock();
    if (file_.empty()) file_ = target;
    return 0;
}

std::string WaveDevice::failureCause() const {
    std::lock_guard state(stateMutex_);
    return failureCause_;
}

std::size_t WaveDevice::feedPlayback(std::span<std::uint8_t> buffer) {
    std::lock_guard state(stateMutex_);
    const std::size_t count = std::min(buffer.size(), playEnd_ - playCursor_);
    if (count > 0) std::memcpy(buffer.data(), samples_.data() + playCursor_, count);
    playCursor_ += count;
    if (playCursor_ == playEnd_) playbackEnded_.notify_all();
    return count;
}

void WaveDevice::takeCapture(std::span<const std::uint8_t> bytes) {
    std::lock_guard state(stateMutex_);
    captured_.insert(captured_.end(), bytes.begin(), bytes.end());
}

void WaveDevice::endActivity() {
    std::unique_lock state(stateMutex_);
    auto stream = std::move(stream_);
    state.unlock();
    // Destroying the stream waits for a feed running on the backend's thread, which takes stateMutex_.
    stream.reset();
    state.lock();
    if (mode_ == WaveMode::Recording) {
        const std::size_t count = capturedFrameBytes();
        samples_.insert(samples_.begin() + std::ptrdiff_t(recordAt_), captured_.begin(),
                        captured_.begin() + std::ptrdiff_t(count));
        position_ = recordAt_ + count;
        captured_.clear();
        captured_.shrink_to_fit();
    } else if (mode_ == WaveMode::Playing) {
        position_ = playCursor_;
    }
    mode_ = WaveMode::Stopped;
    playbackEnded_.notify_all();
}

std::size_t WaveDevice::lengthInBytes() const {
    return samples_.size() + (mode_ == WaveMode::Recording ? capturedFrameBytes() : 0);
}

std::size_t WaveDevice::positionInBytes() const {
    switch (mode_) {
        case WaveMode::Playing:
            return playCursor_;
        case WaveMode::Recording:
            return recordAt_ + capturedFrameBytes();
        case WaveMode::Stopped:
            break;
    }
    return position_;
}

std::size_t WaveDevice::capturedFrameBytes() const {
    return captured_.size() - captured_.size() % format_.blockAlign();
}

win::MCIERROR WaveDevice::fail(win::MCIERROR error, std::string cause) {
    std::lock_guard state(stateMutex_);
    failureCause_ = std::move(cause);
    return error;
}

void WaveDevice::clearFailure() {
    std::lock_guard state(stateMutex_);
    failureCause_.clear();
}

}  // namespace platform::media
