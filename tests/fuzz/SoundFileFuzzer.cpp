// The sound-file readers (RIFF WAVE with its display text, speech header, header-less samples) on any bytes: the
// header is read, then every sample, as teskenc and finchenc read their inputs.
#include <array>
#include <cstdint>

#include "FuzzInputFile.h"
#include "soundfile/SoundFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzzing::WriteInputFile(data, size, ".snd");
    soundfile::SoundFile file(name);
    if (file.openRead() != 0) return 0;
    (void)file.getDisplayText();
    std::array<std::int16_t, 1024> samples{};
    std::array<float, 256> floats{};
    // The declared length may be anything: the reads end where the bytes do.
    for (int reads = 0; reads < 4096 && file.readSamples(samples.data(), samples.size()) > 0; ++reads) {
        if (reads % 7 == 0) (void)file.readFloatSamples(floats.data(), floats.size());
    }
    file.closeRead();
    return 0;
}
