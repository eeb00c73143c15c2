#pragma once
// Reads a PNG back for checks: independent of the writer under test.
#include <cstdint>
#include <string>
#include <vector>

namespace presenttest {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes per pixel, rows top to bottom

    std::uint32_t colour(int x, int y) const;  // 0x00BBGGRR
};

// False when the file is missing or not a PNG.
bool ReadPng(const std::string& path, RgbImage* image);

}  // namespace presenttest
