#include "platform/media/FileFedAudioBackend.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <thread>

#include "platform/media/PcmConversion.h"

namespace platform::media {

namespace {

// Runs step on its own thread every few milliseconds with the bytes that became due since the last call, as a
// sound card would; stops calling once step returns false.
class PacedStream : public AudioStream {
  public:
    using Step = std::function<bool(std::size_t byteCount)>;

    PacedStream(const PcmFormat& format, Step step)
        : thread_([this, format, step = std::move(step)](std::stop_token stop) { run(stop, format, step); }) {}

  private:
    void run(std::stop_token stop, const PcmFormat& format, const Step& step) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point start = Clock::now();
        std::uint64_t framesDone = 0;
        std::mutex mutex;
        std::condition_variable_any wakeUp;
        std::unique_lock lock(mutex);
        while (!stop.stop_requested()) {
            wakeUp.wait_for(lock, stop, std::chrono::milliseconds(10), [] { return false; });
            const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
            const std::uint64_t framesDue = std::uint64_t(elapsed.count()) * format.sampleRate / 1000000;
            if (framesDue > framesDone && !stop.stop_requested()) {
                if (!step(std::size_t(framesDue - framesDone) * format.blockAlign())) return;
                framesDone = framesDue;
            }
        }
    }

    std::jthread thread_;
};

}  // namespace

void FileFedAudioBackend::setCaptureSource(const WaveContents& source) {
    std::lock_guard lock(mutex_);
    source_ = source;
}

void FileFedAudioBackend::setAvailable(bool available, std::string failureText) {
    std::lock_guard lock(mutex_);
    available_ = available;
    failureText_ = std::move(failureText);
}

std::vector<PlayedSound> FileFedAudioBackend::played() const {
    std::lock_guard feeding(feedMutex_);
    std::lock_guard lock(mutex_);
    return played_;
}

std::unique_ptr<AudioStream> FileFedAudioBackend::startPlayback(const PcmFormat& format, PlaybackFeed feed,
                                                                std::string& failure) {
    std::size_t index = 0;
    {
        std::lock_guard lock(mutex_);
        if (!available_) {
            failure = failureText_;
            return nullptr;
        }
        index = played_.size();
        played_.push_back(PlayedSound{format, {}, false});
    }
    // A feed that fills a step exactly may have handed out its last bytes: one frame more is asked for at once, so
    // the end is seen in the step that reached it, before the device can stop the stream. That frame counts
    // against the next step, keeping the pace.
    std::vector<std::uint8_t> buffer;
    std::size_t aheadBytes = 0;
    const std::size_t frameBytes = format.blockAlign();
    return std::make_unique<PacedStream>(
        format, [this, index, feed = std::move(feed), buffer, aheadBytes, frameBytes](std::size_t byteCount) mutable {
            std::lock_guard feeding(feedMutex_);
            const std::size_t due = byteCount - std::min(aheadBytes, byteCount);
            aheadBytes -= byteCount - due;
            buffer.resize(due + frameBytes);
            std::size_t filled = feed(std::span(buffer).first(due));
            bool ended = filled < due;
            if (!ended) {
                const std::size_t extra = feed(std::span(buffer).subspan(due));
                filled += extra;
                aheadBytes += extra;
                ended = extra == 0;
            }
            appendPlayed(index, std::span(buffer).first(filled), ended);
            return !ended;
        });
}

std::unique_ptr<AudioStream> FileFedAudioBackend::startCapture(const PcmFormat& format, CaptureFeed feed,
                                                               std::string& failure) {
    WaveContents source;
    {
        std::lock_guard lock(mutex_);
        if (!available_) {
            failure = failureText_;
            return nullptr;
        }
        source = source_;
    }
    std::vector<std::uint8_t> converted;
    if (!ConvertPcm(source.samples, source.format, format, converted, failure)) return nullptr;
    std::vector<std::uint8_t> buffer;
    std::size_t cursor = 0;
    const std::uint8_t silence = format.silenceByte();
    return std::make_unique<PacedStream>(format, [feed = std::move(feed), converted = std::move(converted), buffer,
                                                  cursor, silence](std::size_t byteCount) mutable {
        buffer.assign(byteCount, silence);
        const std::size_t fromSource = std::min(byteCount, converted.size() - cursor);
        if (fromSource > 0) std::memcpy(buffer.data(), converted.data() + cursor, fromSource);
        cursor += fromSource;
        feed(buffer);
        return true;
    });
}

void FileFedAudioBackend::appendPlayed(std::size_t index, std::span<const std::uint8_t> bytes, bool reachedEnd) {
    std::lock_guard lock(mutex_);
    PlayedSound& sound = played_[index];
    sound.samples.insert(sound.samples.end(), bytes.begin(), bytes.end());
    sound.reachedEnd = sound.reachedEnd || reachedEnd;
}

}  // namespace platform::media
