#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace finch::test {

// A fresh directory under the system's temporary folder, removed with everything in it.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string path(const std::string& name) const { return (root_ / name).string(); }

  private:
    std::filesystem::path root_;
};

std::vector<unsigned char> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// A canonical 44-byte-header 8000 Hz 16-bit mono PCM WAVE file.
void writeWave(const std::string& path, const std::vector<std::int16_t>& samples);
// The samples of a canonical 44-byte-header 16-bit WAVE file.
std::vector<std::int16_t> waveSamples(const std::vector<unsigned char>& file);

std::uint32_t little32(const std::vector<unsigned char>& bytes, std::size_t at);
std::uint16_t little16(const std::vector<unsigned char>& bytes, std::size_t at);

// Reads fields most significant bit first from 16-bit little-endian words, independently of the codec.
class FieldReader {
  public:
    FieldReader(const std::vector<unsigned char>& bytes, std::size_t start)
        : bytes_(bytes), bit_(start * 8) {}
    unsigned read(int n);
    std::size_t bitPosition() const { return bit_; }

  private:
    const std::vector<unsigned char>& bytes_;
    std::size_t bit_;
};

// Builds a byte image MSB first into 16-bit little-endian words, independently of the codec.
class FieldWriter {
  public:
    void write(unsigned value, int n);
    // The words so far (the bit count must be a multiple of 16), low byte first.
    std::vector<unsigned char> bytes() const;
    std::size_t bitCount() const { return bits_.size(); }

  private:
    std::vector<bool> bits_;
};

}  // namespace finch::test
