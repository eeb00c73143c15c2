#pragma once

#include <cstdint>
#include <string>

#include "teskenc/stream/FileHandle.h"

namespace tesk {

// Writes a Lark stream as little-endian 16-bit words. A stream that was never finished is removed when the
// writer goes away, so an error leaves no partial file behind.
class LarkWriter {
  public:
    // Throws TeskError when the file cannot be created.
    explicit LarkWriter(const std::string& path);
    ~LarkWriter();
    LarkWriter(const LarkWriter&) = delete;
    LarkWriter& operator=(const LarkWriter&) = delete;

    // Throw TeskError on a write error.
    void write(const uint16_t* words, int count);
    void write(uint16_t word);
    void write(uint16_t first, uint16_t second);
    // Flushes and closes the file and keeps it.
    void finish();

  private:
    // Drops the file unless it is something other than a plain file (a device such as /dev/null stays).
    void discard();

    std::string path_;
    FileHandle file_;
    bool regularFile_ = false;
};

}  // namespace tesk
