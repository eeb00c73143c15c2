#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {
class ScratchFolder;
struct ProgramRun;
}  // namespace testsupport

namespace tesk::test {

// A stream file as its 16-bit little-endian words.
std::vector<uint16_t> readWords(const std::string& path);
void writeWords(const std::string& path, const std::vector<uint16_t>& words);
// A mix of two tones with a slow envelope: speech-like enough to exercise every codec path.
std::vector<int16_t> toneSignal(int count, int seed = 0);
// Runs the built teskenc with the arguments in the folder.
testsupport::ProgramRun runTeskencProgram(const std::vector<std::string>& args, const testsupport::ScratchFolder& dir);

}  // namespace tesk::test
