// teskenc's event file on any bytes: every line read and checked as the encoder reads them.
#include <cstdint>
#include <optional>

#include "FuzzInputFile.h"
#include "teskenc/codec/CodecError.h"
#include "teskenc/stream/EventFile.h"
#include "teskenc/stream/TeskError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzzing::WriteInputFile(data, size, ".evt");
    try {
        tesk::EventFile events(name);
        while (events.next()) {
        }
    } catch (const tesk::TeskError&) {
    } catch (const tesk::CodecError&) {
    }
    return 0;
}
