#pragma once

#include <cstdint>
#include <string>

#include "teskenc/stream/FileHandle.h"

namespace tesk {

// Reads a Lark stream's little-endian 16-bit words.
class LarkReader {
  public:
    // Throws TeskError when the file cannot be opened.
    explicit LarkReader(const std::string& path);

    // Up to count words; fewer only at the end of the file. Throws TeskError on a read error.
    int read(uint16_t* words, int count);
    // The whole file's length in words (a last odd byte is no word).
    int32_t totalWords() const { return totalWords_; }

  private:
    std::string path_;
    FileHandle file_;
    int32_t totalWords_ = 0;
};

}  // namespace tesk
