#include "platform/media/PcmFormat.h"

namespace platform::media {

bool PcmFormat::hasSupportedLayout() const {
    return (channels == 1 || channels == 2) && (bitsPerSample == 8 || bitsPerSample == 16);
}

bool PcmFormat::isSupported() const { return hasSupportedLayout() && isPlayableRate(sampleRate); }

std::size_t PcmFormat::bytesAt(std::uint32_t milliseconds) const {
    const std::uint64_t frames = std::uint64_t(milliseconds) * sampleRate / 1000;
    return std::size_t(frames * blockAlign());
}

std::uint32_t PcmFormat::millisecondsOf(std::size_t byteCount) const {
    const std::uint64_t frames = byteCount / blockAlign();
    const std::uint64_t milliseconds = frames * 1000 / sampleRate;
    return milliseconds > UINT32_MAX ? UINT32_MAX : std::uint32_t(milliseconds);
}

}  // namespace platform::media
