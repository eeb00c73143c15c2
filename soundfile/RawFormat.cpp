#include "soundfile/RawFormat.h"

#include <algorithm>
#include <limits>

#include "soundfile/LittleEndianStream.h"
#include "soundfile/SoundFileState.h"

namespace soundfile {

int RawFormat::readHeader() {
    const std::int64_t length = fileLength(owner.stream);
    if (length < 0 || !seekTo(owner.stream, 0)) {
        return 1;
    }
    owner.samplesLeft =
        static_cast<std::int32_t>(std::min<std::int64_t>(length / 2, std::numeric_limits<std::int32_t>::max()));
    owner.sampleRate = 8000;
    owner.channels = 1;
    owner.bitsPerSample = 16;
    owner.sampleOffset = 0x8000;
    owner.littleEndian = 1;
    owner.reading = true;
    return 0;
}

}  // namespace soundfile
