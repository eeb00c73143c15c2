#include "platform/media/PcmConversion.h"

#include <SDL.h>

#include <memory>

namespace platform::media {

namespace {

SDL_AudioFormat SdlFormat(const PcmFormat& format) { return format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB; }

struct StreamFree {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

}  // namespace

bool ConvertPcm(std::span<const std::uint8_t> samples, const PcmFormat& from, const PcmFormat& to,
                std::vector<std::uint8_t>& converted, std::string& failure) {
    if (from == to) {
        converted.assign(samples.begin(), samples.end());
        return true;
    }
    std::unique_ptr<SDL_AudioStream, StreamFree> stream(SDL_NewAudioStream(SdlFormat(from), Uint8(from.channels),
                                                                           int(from.sampleRate), SdlFormat(to),
                                                                           Uint8(to.channels), int(to.sampleRate)));
    if (!stream || SDL_AudioStreamPut(stream.get(), samples.data(), int(samples.size())) != 0 ||
        SDL_AudioStreamFlush(stream.get()) != 0) {
        failure = std::string("conversion: ") + SDL_GetError();
        return false;
    }
    converted.resize(std::size_t(SDL_AudioStreamAvailable(stream.get())));
    const int got = SDL_AudioStreamGet(stream.get(), converted.data(), int(converted.size()));
    if (got < 0) {
        failure = std::string("conversion: ") + SDL_GetError();
        return false;
    }
    converted.resize(std::size_t(got) - std::size_t(got) % to.blockAlign());
    return true;
}

}  // namespace platform::media
