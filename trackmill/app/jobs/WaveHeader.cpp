#include "trackmill/app/jobs/WaveHeader.h"

#include <cstring>

namespace {

void Put16(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t value) {
    Put16(at, value & 0xFFFF);
    Put16(at + 2, value >> 16);
}

std::uint16_t Get16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] | at[1] << 8); }

std::uint32_t Get32(const std::uint8_t* at) { return Get16(at) | static_cast<std::uint32_t>(Get16(at + 2)) << 16; }

}  // namespace

TWaveHeader TWaveHeader::CdAudio(std::uint32_t dataSize) { return TWaveHeader{2, 44100, 16, dataSize}; }

TWaveHeader TWaveHeader::FromBytes(const std::array<std::uint8_t, Size>& bytes) {
    return TWaveHeader{Get16(&bytes[22]), Get32(&bytes[24]), Get16(&bytes[34]), Get32(&bytes[40])};
}

std::array<std::uint8_t, TWaveHeader::Size> TWaveHeader::ToBytes() const {
    const std::uint32_t blockAlign = Channels * (BitsPerSample / 8u);
    std::array<std::uint8_t, Size> bytes{};
    std::memcpy(&bytes[0], "RIFF", 4);
    Put32(&bytes[4], DataSize + 36);
    std::memcpy(&bytes[8], "WAVE", 4);
    std::memcpy(&bytes[12], "fmt ", 4);
    Put32(&bytes[16], 16);
    Put16(&bytes[20], 1);
    Put16(&bytes[22], Channels);
    Put32(&bytes[24], SampleRate);
    Put32(&bytes[28], SampleRate * blockAlign);
    Put16(&bytes[32], blockAlign);
    Put16(&bytes[34], BitsPerSample);
    std::memcpy(&bytes[36], "data", 4);
    Put32(&bytes[40], DataSize);
    return bytes;
}
