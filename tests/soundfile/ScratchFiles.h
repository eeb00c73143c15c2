#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A fresh folder per test for the files it writes and reads back, removed afterwards.
class ScratchFiles {
  public:
    ScratchFiles();
    ~ScratchFiles();
    ScratchFiles(const ScratchFiles&) = delete;
    ScratchFiles& operator=(const ScratchFiles&) = delete;

    std::string path(const std::string& name) const;
    std::string write(const std::string& name, const Bytes& bytes) const;
    static Bytes read(const std::string& path);

  private:
    std::filesystem::path folder;
};

// Little-endian pieces for building files by hand.
void appendText(Bytes& bytes, const std::string& text);
void append16(Bytes& bytes, std::uint16_t value);
void append32(Bytes& bytes, std::uint32_t value);
std::uint32_t little32At(const Bytes& bytes, std::size_t offset);
