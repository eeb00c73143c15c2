#include "tests/teskenc/stream/TestFiles.h"

#include <cmath>

#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace tesk::test {

using namespace testsupport;

std::vector<uint16_t> readWords(const std::string& path) {
    const Bytes bytes = readFileBytes(path);
    std::vector<uint16_t> words;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) words.push_back(le16At(bytes, at));
    return words;
}

void writeWords(const std::string& path, const std::vector<uint16_t>& words) {
    Bytes bytes;
    for (uint16_t w : words) appendLe16(bytes, w);
    writeFileBytes(path, bytes);
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

ProgramRun runTeskencProgram(const std::vector<std::string>& args, const ScratchFolder& dir) {
    std::vector<std::string> argv = {builtProgram("teskenc")};
    argv.insert(argv.end(), args.begin(), args.end());
    RunOptions options;
    options.workingDirectory = dir.path();
    return runProgram(argv, options);
}

}  // namespace tesk::test
