#include "finchenc/DecodePass.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "finchenc/FinchCodec.h"
#include "finchenc/FinchStreamReader.h"
#include "finchenc/FrameDecoder.h"
#include "finchenc/SameFile.h"
#include "soundfile/SoundFile.h"

namespace finch {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

void printDecodeError(const char* cpf, long frameIndex, FrameDecodeResult result) {
    const char* reason = result == FrameDecodeResult::InvalidAllocation ? "has a bit allocation above 5"
                                                                         : "needs more bits than it holds";
    std::printf("Error on decode file \"%s\" : frame %ld %s !\n", cpf, frameIndex, reason);
}

// Decodes frame after frame into output until the stream ends; a frame that cannot be decoded ends
// the pass. Returns the exit status; the caller finishes the output file in every case.
int decodeFrames(FinchCodec& codec, std::FILE* in, const char* cpf, SoundFile& output, const char* fo) {
    FinchStreamReader reader(in);
    std::array<std::int16_t, kSamplesPerFrame> samples;
    for (long frameIndex = 0;; ++frameIndex) {
        const FinchStreamPiece piece = reader.next();
        if (piece.kind == FinchStreamPiece::Kind::End) {
            return kSuccess;
        }
        if (piece.kind == FinchStreamPiece::Kind::ReadError) {
            std::printf("Error on read file \"%s\" : %s !\n", cpf, std::strerror(errno));
            return kFailure;
        }
        const FrameDecodeResult result = decodeFrame(codec, piece.words, reader.frameBits(), samples);
        if (result != FrameDecodeResult::Decoded) {
            printDecodeError(cpf, frameIndex, result);
            return kFailure;
        }
        // The decoder lags the encoder by one frame: the first decoded frame is not part of the sound.
        if (frameIndex > 0 && output.writeSamples(samples.data(), piece.sampleCount) != piece.sampleCount) {
            std::printf("Error on write file \"%s\" : %s !\n", fo, std::strerror(errno));
            return kFailure;
        }
        if (piece.kind == FinchStreamPiece::Kind::LastFrame) {
            return kSuccess;
        }
    }
}

}  // namespace

int runDecodePass(FinchCodec& codec, const char* rate, const char* cpf, const char* fo) {
    // cpf exists by now, so a new file named twice is caught here before fo replaces it.
    if (sameFile(fo, cpf)) {
        std::fputs("Error on open file qbx.wav !!\n", stdout);
        return kFailure;
    }
    SoundFile output(fo, 8000, 16, 1, 0, 1);
    if (output.openWrite(SoundFileKind::Wave) != 0) {
        std::fputs("Error on open file qbx.wav !!\n", stdout);
        return kFailure;
    }
    initCodec(codec, rate);
    int status = kSuccess;
    if (std::FILE* in = std::fopen(cpf, "rb"); in == nullptr) {
        std::printf("Error on open file \"%s\" : %s !\n", cpf, std::strerror(errno));
        status = kFailure;
    } else {
        status = decodeFrames(codec, in, cpf, output, fo);
        std::fclose(in);
    }
    if (output.finishWrite() != 0 && status == kSuccess) {
        std::printf("Error on write file \"%s\" : %s !\n", fo, std::strerror(errno));
        status = kFailure;
    }
    return status;
}

}  // namespace finch
