// The Lark stream decoder on any bytes, as teskenc's decoder pass runs it: header word, first frame, frames with
// their control pairs, into a WAVE file.
#include <cstdint>

#include "FuzzInputFile.h"
#include "teskenc/codec/CodecError.h"
#include "teskenc/stream/StreamDecoder.h"
#include "teskenc/stream/TeskError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string stream = fuzzing::WriteInputFile(data, size, ".lrk");
    try {
        tesk::StreamDecoder decoder(stream, fuzzing::ScratchName(".wav"));
        decoder.run();
        decoder.finish();
    } catch (const tesk::TeskError&) {
    } catch (const tesk::CodecError&) {
    }
    return 0;
}
