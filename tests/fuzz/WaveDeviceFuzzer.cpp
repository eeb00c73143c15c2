// The waveaudio device's opening of a WAV file on any bytes: the chunks are walked for the format and the data, and
// a file that opens is measured, sought in and saved, which reads every sample where the header says it lies.
#include <cstdint>
#include <memory>

#include "FuzzInputFile.h"
#include "platform/media/FileFedAudioBackend.h"
#include "platform/media/WaveDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzzing::WriteInputFile(data, size, ".wav");
    platform::media::WaveDevice device(std::make_shared<platform::media::FileFedAudioBackend>());
    if (device.open(name) != 0) return 0;
    const std::uint32_t length = device.length();
    (void)device.seek(length / 2);
    (void)device.seek(length + 1);
    device.seekToEnd();
    (void)device.position();
    (void)device.save(fuzzing::ScratchName(".saved.wav"));
    return 0;
}
