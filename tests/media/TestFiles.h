#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything in it at the end of scope.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// A canonical 44-byte-header PCM WAV file, every field laid out here byte by byte.
Bytes WaveFileBytes(std::uint16_t channels, std::uint32_t sampleRate, std::uint16_t bits, const Bytes& data);

Bytes ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);

// The data chunk of the committed speech fixture (8000 Hz, 16-bit, mono, 44-byte header).
Bytes SpeechSamples();
// The data chunk of a file with a 44-byte header.
Bytes DataAfterHeader(const Bytes& file);

std::uint32_t Le32At(const Bytes& bytes, std::size_t at);
std::uint16_t Le16At(const Bytes& bytes, std::size_t at);
