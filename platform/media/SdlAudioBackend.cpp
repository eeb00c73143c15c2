#include "platform/media/SdlAudioBackend.h"

#include <SDL.h>

#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace platform::media {

namespace {

// SDL counts its subsystem starts but does not guard them against concurrent callers. Never destroyed: the
// closing thread may still use it while the program exits.
std::mutex& SubsystemMutex() {
    static auto* mutex = new std::mutex;
    return *mutex;
}

// Near 40 ms per callback: short enough for a responsive stop, long enough for a loaded machine.
Uint16 CallbackFrames(std::uint32_t sampleRate) {
    Uint16 frames = 256;
    while (frames < 8192 && frames * 25u < sampleRate) frames *= 2;
    return frames;
}

// What the device's thread calls back into. It outlives its stream until the device is closed; once detached it
// no longer reaches the feeds, whose owner may be gone.
struct Callbacks {
    PlaybackFeed playback;
    CaptureFeed capture;
    Uint8 silence = 0;
    bool detached = false;  // written and read under the device's lock
};

// Closes devices on a thread of its own: closing waits for the device's thread to finish its buffer, which at a
// low rate or on a slow driver takes long, and the stream's owner must not wait for that. It lives as long as the
// program: a close still waiting at exit is left to the system.
class DeviceCloser {
  public:
    static DeviceCloser& instance() {
        static auto* closer = new DeviceCloser;
        return *closer;
    }

    void close(SDL_AudioDeviceID device, std::shared_ptr<Callbacks> callbacks) {
        std::lock_guard lock(mutex_);
        pending_.push_back({device, std::move(callbacks)});
        ++unfinished_;
        wakeUp_.notify_all();
    }

    void waitUntilClosed() {
        std::unique_lock lock(mutex_);
        wakeUp_.wait(lock, [this] { return unfinished_ == 0; });
    }

  private:
    struct Pending {
        SDL_AudioDeviceID device;
        std::shared_ptr<Callbacks> callbacks;
    };

    DeviceCloser() {
        std::thread([this] { run(); }).detach();
    }

    [[noreturn]] void run() {
        std::unique_lock lock(mutex_);
        while (true) {
            wakeUp_.wait(lock, [this] { return !pending_.empty(); });
            Pending next = std::move(pending_.front());
            pending_.pop_front();
            lock.unlock();
            SDL_CloseAudioDevice(next.device);
            {
                std::lock_guard subsystem(SubsystemMutex());
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
            }
            next.callbacks.reset();
            lock.lock();
            --unfinished_;
            wakeUp_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wakeUp_;
    std::deque<Pending> pending_;
    std::size_t unfinished_ = 0;  // pending or being closed
};

class SdlStream : public AudioStream {
  public:
    SdlStream(PlaybackFeed playback, CaptureFeed capture) : callbacks_(std::make_shared<Callbacks>()) {
        callbacks_->playback = std::move(playback);
        callbacks_->capture = std::move(capture);
    }

    ~SdlStream() override {
        if (device_ != 0) {
            // Waits only for a callback running now; the later ones find the stream detached.
            SDL_LockAudioDevice(device_);
            callbacks_->detached = true;
            SDL_UnlockAudioDevice(device_);
            DeviceCloser::instance().close(device_, std::move(callbacks_));
            return;
        }
        if (!subsystemStarted_) return;
        std::lock_guard lock(SubsystemMutex());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool start(const PcmFormat& format, std::string& failure) {
        {
            std::lock_guard lock(SubsystemMutex());
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
                failure = std::string("audio: ") + SDL_GetError();
                return false;
            }
            subsystemStarted_ = true;
        }
        SDL_AudioSpec wanted{};
        wanted.freq = int(format.sampleRate);
        wanted.format = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
        wanted.channels = Uint8(format.channels);
        wanted.samples = CallbackFrames(format.sampleRate);
        wanted.callback = &SdlStream::callback;
        wanted.userdata = callbacks_.get();
        SDL_AudioSpec obtained{};
        const bool capture = bool(callbacks_->capture);
        device_ = SDL_OpenAudioDevice(nullptr, capture ? 1 : 0, &wanted, &obtained, 0);
        if (device_ == 0) {
            failure = std::string(capture ? "audio input: " : "audio output: ") + SDL_GetError();
            return false;
        }
        callbacks_->silence = obtained.silence;
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

  private:
    static void SDLCALL callback(void* userdata, Uint8* bytes, int length) {
        auto* callbacks = static_cast<Callbacks*>(userdata);
        const std::span buffer(bytes, std::size_t(length));
        std::size_t filled = 0;
        if (!callbacks->detached) {
            if (callbacks->capture) {
                callbacks->capture(buffer);
                return;
            }
            filled = callbacks->playback(buffer);
        }
        std::memset(bytes + filled, callbacks->silence, buffer.size() - filled);
    }

    std::shared_ptr<Callbacks> callbacks_;
    bool subsystemStarted_ = false;
    SDL_AudioDeviceID device_ = 0;
};

std::unique_ptr<AudioStream> Start(const PcmFormat& format, PlaybackFeed playback, CaptureFeed capture,
                                   std::string& failure) {
    auto stream = std::make_unique<SdlStream>(std::move(playback), std::move(capture));
    if (!stream->start(format, failure)) return nullptr;
    return stream;
}

}  // namespace

void SdlAudioBackend::WaitUntilClosed() { DeviceCloser::instance().waitUntilClosed(); }

std::unique_ptr<AudioStream> SdlAudioBackend::startPlayback(const PcmFormat& format, PlaybackFeed feed,
                                                            std::string& failure) {
    return Start(format, std::move(feed), {}, failure);
}

std::unique_ptr<AudioStream> SdlAudioBackend::startCapture(const PcmFormat& format, CaptureFeed feed,
                                                           std::string& failure) {
    return Start(format, {}, std::move(feed), failure);
}

}  // namespace platform::media
