#include "platform/media/WaveDevice.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/media/AudioBackend.h"
#include "platform/media/MciErrors.h"
#include "platform/media/WaveFile.h"

namespace platform::media {

namespace {

int OpenForReading(const std::filesystem::path& file) {
    int descriptor = -1;
    do {
        descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

// An unnamed file in the folder, gone with its last descriptor.
int UnnamedFileIn(const std::filesystem::path& folder) {
    const int file = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (file >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return file;
    // File systems without unnamed files: a named one, unlinked at once.
    std::string name = (folder / "trackmill-recording.XXXXXX").string();
    const int named = ::mkostemp(name.data(), O_CLOEXEC);
    if (named >= 0) ::unlink(name.c_str());
    return named;
}

}  // namespace

WaveDevice::WaveDevice(std::shared_ptr<AudioBackend> backend) : backend_(std::move(backend)) {}

WaveDevice::~WaveDevice() {
    std::lock_guard command(commandMutex_);
    endActivity();
    closeFiles();
}

win::MCIERROR WaveDevice::open(const std::filesystem::path& file) {
    std::lock_guard command(commandMutex_);
    clearFailure();
    endActivity();
    const int descriptor = OpenForReading(file);
    if (descriptor < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fail(win::MCIERR_FILE_NOT_FOUND, file.string() + ": no such file");
        return fail(win::MCIERR_INVALID_FILE, file.string() + ": " + std::strerror(errno));
    }
    WaveLayout layout;
    std::string failure;
    const WaveReadStatus status = ReadWaveLayout(descriptor, layout, failure);
    if (status != WaveReadStatus::Read) ::close(descriptor);
    switch (status) {
        case WaveReadStatus::Read:
            break;
        case WaveReadStatus::Missing:
            return fail(win::MCIERR_FILE_NOT_FOUND, file.string() + ": no such file");
        case WaveReadStatus::Unreadable:
            return fail(win::MCIERR_INVALID_FILE, file.string() + ": " + failure);
        case WaveReadStatus::Malformed:
            return fail(win::MCIERR_INVALID_FILE,
                        file.string() + ": not a WAV file of 8 or 16-bit PCM in 1 or 2 channels");
    }
    if (!PcmFormat::isPlayableRate(layout.format.sampleRate)) {
        ::close(descriptor);
        return fail(win::MCIERR_WAVE_OUTPUTSUNSUITABLE,
                    file.string() + ": " + std::to_string(layout.format.sampleRate) +
                        " Hz, no sound device goes below " + std::to_string(PcmFormat::kLowestRate) + " Hz or above " +
                        std::to_string(PcmFormat::kHighestRate) + " Hz");
    }
    closeFiles();
    takeOpenedFile(descriptor, layout, file);
    std::lock_guard state(stateMutex_);
    position_ = 0;
    return 0;
}

void WaveDevice::openNew(const PcmFormat& format) {
    std::lock_guard command(commandMutex_);
    endActivity();
    closeFiles();
    std::lock_guard state(stateMutex_);
    format_ = format;
    pieces_.reset({});
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
    const std::uint64_t start = from ? format_.bytesAt(*from) : position_;
    const std::uint64_t end = to ? format_.bytesAt(*to) : pieces_.size();
    if (start > pieces_.size() || end > pieces_.size() || end < start) return win::MCIERR_OUTOFRANGE;
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
    const std::uint64_t start = from ? format_.bytesAt(*from) : position_;
    if (start > pieces_.size()) return win::MCIERR_OUTOFRANGE;
    state.unlock();
    std::string failure;
    if (!makeRecordedFile(failure)) return fail(win::MCIERR_OUT_OF_MEMORY, failure);
    state.lock();
    recordAt_ = start;
    position_ = start;
    recordStart_ = recordedEnd_;
    captured_ = 0;
    captureFailed_ = false;
    // Set before the stream starts, so no captured byte arrives while the device still looks stopped.
    mode_ = WaveMode::Recording;
    state.unlock();

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
    const std::uint64_t target = format_.bytesAt(to);
    if (target > pieces_.size()) return win::MCIERR_OUTOFRANGE;
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
    position_ = pieces_.size();
}

win::MCIERROR WaveDevice::save(const std::filesystem::path& file) {
    std::lock_guard command(commandMutex_);
    clearFailure();
    std::unique_lock state(stateMutex_);
    const std::filesystem::path target = file.empty() ? file_ : file;
    if (target.empty()) return win::MCIERR_FILENAME_REQUIRED;
    // pieces_ does not change while this command runs, but the capture keeps writing: what it wrote so far is
    // saved in its place.
    const bool recording = mode_ == WaveMode::Recording;
    SoundPieces sound = pieces_;
    if (recording) sound.insert(recordAt_, SoundPiece{PieceSource::Recorded, recordStart_, capturedFrameBytes()});
    const PcmFormat format = format_;
    state.unlock();

    std::uint64_t cursor = 0;
    std::string failure;
    const bool written = WriteWaveFile(
        target, format, sound.size(),
        [&](std::span<std::uint8_t> buffer, std::size_t& given, std::string& cause) {
            if (!readSound(sound, cursor, buffer, cause)) return false;
            given = buffer.size();
            cursor += given;
            return true;
        },
        failure);
    if (!written) return fail(win::MCIERR_FILE_NOT_SAVED, failure);
    state.lock();
    if (file_.empty()) file_ = target;
    const bool savedOwnFile = target == file_;
    state.unlock();
    // Saved into its own file, the device goes on with that file alone: the working file's pieces are in it now,
    // and the file it replaced need not be held any longer.
    if (savedOwnFile && !recording) {
        const int descriptor = OpenForReading(target);
        WaveLayout layout;
        std::string ignored;
        if (descriptor >= 0 && ReadWaveLayout(descriptor, layout, ignored) == WaveReadStatus::Read &&
            layout.format == format && layout.dataSize == sound.size()) {
            closeFiles();
            takeOpenedFile(descriptor, layout, target);
        } else if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
    return 0;
}

std::string WaveDevice::failureCause() const {
    std::lock_guard state(stateMutex_);
    return failureCause_;
}

std::size_t WaveDevice::feedPlayback(std::span<std::uint8_t> buffer) {
    std::lock_guard state(stateMutex_);
    const std::size_t count = std::size_t(std::min<std::uint64_t>(buffer.size(), playEnd_ - playCursor_));
    std::string failure;
    if (count > 0 && !readSound(pieces_, playCursor_, buffer.first(count), failure)) {
        // A file that can no longer be read ends the sound there.
        failureCause_ = failure;
        playEnd_ = playCursor_;
        playbackEnded_.notify_all();
        return 0;
    }
    playCursor_ += count;
    if (playCursor_ == playEnd_) playbackEnded_.notify_all();
    return count;
}

void WaveDevice::takeCapture(std::span<const std::uint8_t> bytes) {
    std::lock_guard state(stateMutex_);
    if (captureFailed_ || recordedFile_ < 0) return;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count =
            ::pwrite(recordedFile_, bytes.data() + done, bytes.size() - done, off_t(recordStart_ + captured_ + done));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            // A full disk ends the recording where it was: what was written so far is kept.
            failureCause_ = std::string("recording: ") + std::strerror(count < 0 ? errno : ENOSPC);
            captureFailed_ = true;
            break;
        }
        done += std::size_t(count);
    }
    captured_ += done;
}

void WaveDevice::endActivity() {
    std::unique_lock state(stateMutex_);
    auto stream = std::move(stream_);
    state.unlock();
    // Destroying the stream waits for a feed running on the backend's thread, which takes stateMutex_.
    stream.reset();
    state.lock();
    if (mode_ == WaveMode::Recording) {
        const std::uint64_t count = capturedFrameBytes();
        pieces_.insert(recordAt_, SoundPiece{PieceSource::Recorded, recordStart_, count});
        position_ = recordAt_ + count;
        recordedEnd_ = recordStart_ + captured_;
        captured_ = 0;
    } else if (mode_ == WaveMode::Playing) {
        position_ = playCursor_;
    }
    mode_ = WaveMode::Stopped;
    playbackEnded_.notify_all();
}

bool WaveDevice::readSound(const SoundPieces& pieces, std::uint64_t at, std::span<std::uint8_t> buffer,
                           std::string& failure) const {
    std::uint8_t* out = buffer.data();
    return pieces.forEach(at, buffer.size(), [&](const SoundPiece& piece) {
        const int file = piece.source == PieceSource::Opened ? openedFile_ : recordedFile_;
        std::uint64_t done = 0;
        while (done < piece.size) {
            const ssize_t count = ::pread(file, out + done, std::size_t(piece.size - done), off_t(piece.offset + done));
            if (count < 0 && errno == EINTR) continue;
            if (count <= 0) {
                failure = (piece.source == PieceSource::Opened ? file_.string() : std::string("recording")) + ": " +
                          (count < 0 ? std::strerror(errno) : "the file was cut short");
                return false;
            }
            done += std::uint64_t(count);
        }
        out += piece.size;
        return true;
    });
}

bool WaveDevice::makeRecordedFile(std::string& failure) {
    if (recordedFile_ >= 0) return true;
    std::filesystem::path folder = file_.parent_path();
    if (folder.empty()) folder = file_.empty() ? std::filesystem::temp_directory_path() : ".";
    int file = UnnamedFileIn(folder);
    // A folder that takes no new file, as a read-only one: the system's temporary folder instead.
    if (file < 0 && !file_.empty()) file = UnnamedFileIn(std::filesystem::temp_directory_path());
    if (file < 0) {
        failure = folder.string() + ": " + std::strerror(errno);
        return false;
    }
    std::lock_guard state(stateMutex_);
    recordedFile_ = file;
    recordedEnd_ = 0;
    return true;
}

void WaveDevice::takeOpenedFile(int file, const WaveLayout& layout, const std::filesystem::path& name) {
    std::lock_guard state(stateMutex_);
    openedFile_ = file;
    format_ = layout.format;
    pieces_.reset(SoundPiece{PieceSource::Opened, layout.dataOffset, layout.dataSize});
    file_ = name;
    position_ = std::min(position_, pieces_.size());
}

void WaveDevice::closeFiles() {
    std::lock_guard state(stateMutex_);
    if (openedFile_ >= 0) ::close(openedFile_);
    if (recordedFile_ >= 0) ::close(recordedFile_);
    openedFile_ = -1;
    recordedFile_ = -1;
    recordedEnd_ = 0;
    pieces_.reset({});
}

std::uint64_t WaveDevice::lengthInBytes() const {
    return pieces_.size() + (mode_ == WaveMode::Recording ? capturedFrameBytes() : 0);
}

std::uint64_t WaveDevice::positionInBytes() const {
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

std::uint64_t WaveDevice::capturedFrameBytes() const { return captured_ - captured_ % format_.blockAlign(); }

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
