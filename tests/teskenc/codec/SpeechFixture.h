#pragma once

#include <cstdint>
#include <vector>

// Samples of tests/data/speech8k.wav (44-byte header, 16-bit little-endian mono).
std::vector<int16_t> loadSpeechFixture();
