#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it.
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

// A decoded WAVE file as its header states it.
struct WaveContents {
  uint32_t riffSize = 0;
  uint32_t dataSize = 0;
  std::vector<int16_t> samples;
};

void writeTextFile(const std::string& path, const std::string& text);
std::string readTextFile(const std::string& path);
// A canonical 44-byte-header 8000 Hz mono 16-bit WAVE file.
void writeWave(const std::string& path, const std::vector<int16_t>& samples);
// Reads the 44-byte header written by the decoder and the samples behind it.
WaveContents readWave(const std::string& path);
std::vector<uint16_t> readWords(const std::string& path);
void writeWords(const std::string& path, const std::vector<uint16_t>& words);
// A mix of two tones with a slow envelope: speech-like enough to exercise every codec path.
std::vector<int16_t> toneSignal(int count, int seed = 0);
