// The Finch stream reader and frame decoder on any bytes: the rate code, then frame after frame to the end record,
// each frame decoded as the decode pass does.
#include <array>
#include <cstdint>
#include <cstdio>

#include "FuzzInputFile.h"
#include "finchenc/FinchCodec.h"
#include "finchenc/FinchStreamReader.h"
#include "finchenc/FrameDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzzing::WriteInputFile(data, size, ".fnc");
    std::FILE* stream = std::fopen(name.c_str(), "rb");
    if (stream == nullptr) return 0;
    finch::FinchStreamReader reader(stream);
    finch::FinchCodec codec;
    finch::initCodec(codec, reader.rateCode() == 2 ? "16" : reader.rateCode() == 4 ? "20" : "24");
    std::array<std::int16_t, finch::kSamplesPerFrame> samples{};
    for (;;) {
        const finch::FinchStreamPiece piece = reader.next();
        if (piece.kind != finch::FinchStreamPiece::Kind::Frame &&
            piece.kind != finch::FinchStreamPiece::Kind::LastFrame)
            break;
        (void)finch::decodeFrame(codec, piece.words, reader.frameBits(), samples);
        if (piece.kind == finch::FinchStreamPiece::Kind::LastFrame) break;
    }
    std::fclose(stream);
    return 0;
}
