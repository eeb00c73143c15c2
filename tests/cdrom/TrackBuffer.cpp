#include "TrackBuffer.h"

#include <new>

using namespace platform::cdrom;

TrackBuffer::TrackBuffer(int sectors) {
    const std::size_t capacity = static_cast<std::size_t>(sectors) * AUDIO_SECTOR_BYTES;
    storage_ = std::make_unique<std::byte[]>(sizeof(TTrackBuffer) + capacity);
    buffer_ = new (storage_.get()) TTrackBuffer{};
    buffer_->maxLen = static_cast<DWORD>(capacity);
}
