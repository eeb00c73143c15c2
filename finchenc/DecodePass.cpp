#include "finchenc/DecodePass.h"

#include <array>
#include <cerrno>
#include <cstdio>

#include "finchenc/FinchCodec.h"
#include "finchenc/FinchStreamReader.h"
#include "finchenc/FrameDecoder.h"
#include "finchenc/ProgramMessages.h"
#include "soundfile/SameFile.h"
#include "soundfile/SoundFile.h"

namespace finch {

namespace {

void printDecodeError(const char* cpf, long frameIndex, FrameDecodeResult result) {
    const char* reason = result == FrameDecodeResult::InvalidAllocation ? "has a bit allocation above 5"
                                                                        : "needs more bits than it holds";
    std::printf("Error on decode file \"%s\" : frame %ld %s !\n", cpf, frameIndex, reason);
}

// Decodes frame after frame into output until the stream ends; a frame that cannot be decoded ends
// the pass. Returns the exit status; the caller finishes the output file in every case.
int decodeFrames(FinchCodec& codec, std::FILE* in, const char* cpf, soundfile::SoundFile& output, const char* fo) {
    FinchStreamReader reader(in);
    std::array<std::int16_t, kSamplesPerFrame> samples;
    for (long frameIndex = 0;; ++frameIndex) {
        const FinchStreamPiece piece = reader.next();
        if (piece.kind == FinchStreamPiece::Kind::End) {
            return kExitSuccess;
        }
        if (piece.kind == FinchStreamPiece::Kind::ReadError) {
            printReadError(cpf, errno);
            return kExitFailure;
        }
        const FrameDecodeResult result = decodeFrame(codec, piece.words, reader.frameBits(), samples);
        if (result != FrameDecodeResult::Decoded) {
            printDecodeError(cpf, frameIndex, result);
            return kExitFailure;
        }
        // The decoder lags the encoder by one frame: the first decoded frame is not part of the sound.
        if (frameIndex > 0 && output.writeSamples(samples.data(), piece.sampleCount) != piece.sampleCount) {
            printWriteError(fo, errno);
            return kExitFailure;
        }
        if (piece.kind == FinchStreamPiece::Kind::LastFrame) {
            return kExitSuccess;
        }
    }
}

}  // namespace

int runDecodePass(FinchCodec& codec, const char* rate, const char* cpf, const char* fo) {
    // cpf exists by now, so a new file named twice is caught here before fo replaces it.
    if (soundfile::isSameFile(fo, cpf)) {
        printSynthesizedOpenError();
        return kExitFailure;
    }
    soundfile::SoundFile output(fo, 8000, 16, 1, 0, 1);
    if (output.openWrite(soundfile::SoundFileKind::Wave) != 0) {
        printSynthesizedOpenError();
        return kExitFailure;
    }
    initCodec(codec, rate);
    int status = kExitSuccess;
    if (std::FILE* in = std::fopen(cpf, "rb"); in == nullptr) {
        printOpenError(cpf, errno);
        status = kExitFailure;
    } else {
        status = decodeFrames(codec, in, cpf, output, fo);
        std::fclose(in);
    }
    if (output.finishWrite() != 0 && status == kExitSuccess) {
        printWriteError(fo, errno);
        status = kExitFailure;
    }
    return status;
}

}  // namespace finch
