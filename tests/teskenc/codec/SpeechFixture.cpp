#include "SpeechFixture.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<int16_t> loadSpeechFixture() {
  std::ifstream file(TRACKMILL_TEST_DATA "/speech8k.wav", std::ios::binary);
  if (!file) throw std::runtime_error("speech fixture missing");
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  constexpr size_t kHeaderBytes = 44;
  std::vector<int16_t> samples;
  for (size_t i = kHeaderBytes; i + 1 < bytes.size(); i += 2) {
    samples.push_back(static_cast<int16_t>(bytes[i] | (bytes[i + 1] << 8)));
  }
  return samples;
}
