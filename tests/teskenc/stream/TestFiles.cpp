#include "TestFiles.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

void putLe(std::vector<unsigned char>& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

uint32_t getLe(const std::vector<unsigned char>& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= static_cast<uint32_t>(bytes.at(at + i)) << (8 * i);
  return value;
}

std::vector<unsigned char> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "teskenc-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void writeTextFile(const std::string& path, const std::string& text) {
  writeBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
}

std::string readTextFile(const std::string& path) {
  const std::vector<unsigned char> bytes = readBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

void writeWave(const std::string& path, const std::vector<int16_t>& samples) {
  const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
  std::vector<unsigned char> bytes;
  for (char c : std::string("RIFF")) bytes.push_back(static_cast<unsigned char>(c));
  putLe(bytes, 36 + dataSize, 4);
  for (char c : std::string("WAVEfmt ")) bytes.push_back(static_cast<unsigned char>(c));
  putLe(bytes, 16, 4);
  putLe(bytes, 1, 2);
  putLe(bytes, 1, 2);
  putLe(bytes, 8000, 4);
  putLe(bytes, 16000, 4);
  putLe(bytes, 2, 2);
  putLe(bytes, 16, 2);
  for (char c : std::string("data")) bytes.push_back(static_cast<unsigned char>(c));
  putLe(bytes, dataSize, 4);
  for (int16_t s : samples) putLe(bytes, static_cast<uint16_t>(s), 2);
  writeBytes(path, bytes);
}

WaveContents readWave(const std::string& path) {
  const std::vector<unsigned char> bytes = readBytes(path);
  if (bytes.size() < 44 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
      std::string(bytes.begin() + 36, bytes.begin() + 40) != "data") {
    throw std::runtime_error("not a canonical WAVE file: " + path);
  }
  WaveContents wave;
  wave.riffSize = getLe(bytes, 4, 4);
  wave.dataSize = getLe(bytes, 40, 4);
  for (size_t at = 44; at + 1 < bytes.size(); at += 2) {
    wave.samples.push_back(static_cast<int16_t>(getLe(bytes, at, 2)));
  }
  return wave;
}

std::vector<uint16_t> readWords(const std::string& path) {
  const std::vector<unsigned char> bytes = readBytes(path);
  std::vector<uint16_t> words;
  for (size_t at = 0; at + 1 < bytes.size(); at += 2) words.push_back(static_cast<uint16_t>(getLe(bytes, at, 2)));
  return words;
}

void writeWords(const std::string& path, const std::vector<uint16_t>& words) {
  std::vector<unsigned char> bytes;
  for (uint16_t w : words) putLe(bytes, w, 2);
  writeBytes(path, bytes);
}

std::vector<int16_t> toneSignal(int count, int seed) {
  std::vector<int16_t> samples(static_cast<size_t>(count));
  const double pi = 3.14159265358979323846;
  for (int n = 0; n < count; ++n) {
    const double envelope = 0.6 + 0.4 * std::sin(2 * pi * n / (1500.0 + 37 * seed));
    const double value = 6000 * std::sin(2 * pi * (440.0 + 13 * seed) * n / 8000) +
                         3000 * std::sin(2 * pi * (1210.0 + 7 * seed) * n / 8000 + 0.3);
    samples[static_cast<size_t>(n)] = static_cast<int16_t>(std::lround(envelope * value));
  }
  return samples;
}
