#include "platform/media/SdlAudioBackend.h"

#include <SDL.h>

#include <cstring>
#include <mutex>

namespace platform::media {

namespace {

// SDL counts its subsystem starts but does not guard them against concurrent callers.
std::mutex& SubsystemMutex() {
    static std::mutex mutex;
    return mutex;
}

// Near 40 ms per callback: short enough for a responsive stop, long enough for a loaded machine.
Uint16 CallbackFrames(std::uint32_t sampleRate) {
    Uint16 frames = 256;
    while (frames < 8192 && frames * 25u < sampleRate) frames *= 2;
    return frames;
}

class SdlStream : public AudioStream {
  public:
    SdlStream(PlaybackFeed playback, CaptureFeed capture)
        : playback_(std::move(playback)), capture_(std::move(capture)) {}

    ~SdlStream() override {
        if (device_ != 0) SDL_CloseAudioDevice(device_);
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
        wanted.userdata = this;
        SDL_AudioSpec obtained{};
        const bool capture = bool(capture_);
        device_ = SDL_OpenAudioDevice(nullptr, capture ? 1 : 0, &wanted, &obtained, 0);
        if (device_ == 0) {
            failure = std::string(capture ? "audio input: " : "audio output: ") + SDL_GetError();
            return false;
        }
        silence_ = obtained.silence;
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

  private:
    static void SDLCALL callback(void* userdata, Uint8* bytes, int length) {
        auto* stream = static_cast<SdlStream*>(userdata);
        const std::span buffer(bytes, std::size_t(length));
        if (stream->capture_) {
            stream->capture_(buffer);
            return;
        }
        const std::size_t filled = stream->playback_(buffer);
        std::memset(bytes + filled, stream->silence_, buffer.size() - filled);
    }

    PlaybackFeed playback_;
    CaptureFeed capture_;
    bool subsystemStarted_ = false;
    SDL_AudioDeviceID device_ = 0;
    Uint8 silence_ = 0;
};

std::unique_ptr<AudioStream> Start(const PcmFormat& format, PlaybackFeed playback, CaptureFeed capture,
                                   std::string& failure) {
    auto stream = std::make_unique<SdlStream>(std::move(playback), std::move(capture));
    if (!stream->start(format, failure)) return nullptr;
    return stream;
}

}  // namespace

std::unique_ptr<AudioStream> SdlAudioBackend::startPlayback(const PcmFormat& format, PlaybackFeed feed,
                                                            std::string& failure) {
    return Start(format, std::move(feed), {}, failure);
}

std::unique_ptr<AudioStream> SdlAudioBackend::startCapture(const PcmFormat& format, CaptureFeed feed,
                                                           std::string& failure) {
    return Start(format, {}, std::move(feed), failure);
}

}  // namespace platform::media
