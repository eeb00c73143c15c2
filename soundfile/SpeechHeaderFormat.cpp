#include "soundfile/SpeechHeaderFormat.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "soundfile/DivisorRateTable.h"
#include "soundfile/LittleEndianStream.h"
#include "soundfile/SoundFileState.h"
#include "soundfile/SpeechKeyTable.h"
#include "soundfile/SpeechRateTable.h"

namespace soundfile {

namespace {

constexpr unsigned char kMarker[4] = {0x00, 0xFF, 0x00, 0xFF};
constexpr char kHeaderText[] = "CORVANE SPEECH";  // stored with its zero byte at offsets 4-18
constexpr double kDivisorClock = 5068800.0;
constexpr std::int32_t kDivisorMinimumA = 9;
constexpr std::int32_t kRateWithoutGivenRate = 8000;
constexpr std::int32_t kLegacyRate = 8013;
constexpr double kNoDistanceYet = 44100.0;
constexpr std::size_t kRowBeforeAnyWins = 12;

enum Offset : std::size_t {
    kTextAt = 4,
    kLegacyKeyAt = 4,
    kBitsAt = 22,
    kRateIndexAt = 24,
    kOneAt = 26,
    kDivisorFlagAt = 34,
    kDivisorAAt = 35,
    kDivisorBAt = 36,
};

std::uint16_t little16(const unsigned char* bytes) { return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8); }

std::uint32_t little32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void putLittle16(unsigned char* bytes, std::uint16_t value) {
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8);
}

std::int32_t legacyRate(std::uint32_t key) {
    for (const SpeechKey& row : speechKeyTable) {
        if (row.key == key) {
            return row.rate;
        }
    }
    return kLegacyRate;
}

std::int32_t divisorRate(std::int8_t storedA, std::int8_t storedB) {
    const std::int32_t a = storedA < kDivisorMinimumA ? kDivisorMinimumA : storedA;
    const std::int32_t b = storedB;
    if (b <= 0) {
        return kRateWithoutGivenRate;
    }
    return static_cast<std::int32_t>(std::trunc(kDivisorClock / (2.0 * a * b)));
}

std::int32_t indexedRate(std::int16_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= speechRateTable.size()) {
        return kRateWithoutGivenRate;
    }
    return speechRateTable[static_cast<std::size_t>(index)];
}

std::size_t nearestDivisorRow(std::int32_t sampleRate) {
    double bestDistance = kNoDistanceYet;
    std::size_t bestRow = kRowBeforeAnyWins;
    for (std::size_t row = 0; row < divisorRateTable.size(); ++row) {
        const double distance = std::fabs(static_cast<double>(sampleRate) - divisorRateTable[row].rate);
        if (distance < bestDistance) {
            bestDistance = distance;
            bestRow = row;
        }
    }
    return bestRow;
}

}  // namespace

int SpeechHeaderFormat::readHeader() {
    std::FILE* stream = owner.stream;
    const std::int64_t length = fileLength(stream);
    if (length < headerSize || !seekTo(stream, 0) ||
        std::fread(header.data(), 1, header.size(), stream) != header.size()) {
        return 1;
    }
    owner.channels = 1;
    owner.littleEndian = 1;
    if (std::memcmp(header.data() + kTextAt, kHeaderText, sizeof kHeaderText) != 0) {
        owner.sampleRate = legacyRate(little32(header.data() + kLegacyKeyAt));
        owner.bitsPerSample = 8;
    } else {
        const auto bits = static_cast<std::int16_t>(little16(header.data() + kBitsAt));
        owner.bitsPerSample = bits <= 8 ? 8 : 16;
        owner.sampleRate = header[kDivisorFlagAt] != 0
                               ? divisorRate(static_cast<std::int8_t>(header[kDivisorAAt]),
                                             static_cast<std::int8_t>(header[kDivisorBAt]))
                               : indexedRate(static_cast<std::int16_t>(little16(header.data() + kRateIndexAt)));
    }
    owner.sampleOffset = owner.bitsPerSample == 8 ? 128 : 0x8000;
    std::int64_t samples = length - headerSize;
    if (owner.bitsPerSample == 16) {
        samples /= 2;
    }
    owner.samplesLeft =
        static_cast<std::int32_t>(std::min<std::int64_t>(samples, std::numeric_limits<std::int32_t>::max()));
    owner.reading = true;
    return 0;
}

int SpeechHeaderFormat::writeHeader(SoundFileKind) {
    const std::size_t row = nearestDivisorRow(owner.sampleRate);
    header.fill(0);
    std::memcpy(header.data(), kMarker, sizeof kMarker);
    std::memcpy(header.data() + kTextAt, kHeaderText, sizeof kHeaderText);
    putLittle16(header.data() + kBitsAt, static_cast<std::uint16_t>(owner.bitsPerSample));
    putLittle16(header.data() + kRateIndexAt, static_cast<std::uint16_t>(row));
    putLittle16(header.data() + kOneAt, 1);
    header[kDivisorFlagAt] = 1;
    header[kDivisorAAt] = static_cast<unsigned char>(divisorRateTable[row].a);
    header[kDivisorBAt] = static_cast<unsigned char>(divisorRateTable[row].b);
    // The samples are stored the way a reader of this header will take them.
    owner.samplesLeft = 0;
    owner.sampleOffset = owner.bitsPerSample <= 8 ? 128 : 0x8000;
    owner.littleEndian = 1;
    return std::fwrite(header.data(), 1, header.size(), owner.stream) == header.size() ? 0 : 1;
}

}  // namespace soundfile
