#include "finchenc/FinchencProgram.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string_view>

#include <unistd.h>

#include "finchenc/DecodePass.h"
#include "finchenc/FinchCodec.h"
#include "finchenc/FinchFileWriter.h"
#include "finchenc/FrameEncoder.h"
#include "finchenc/ProgramMessages.h"
#include "soundfile/SameFile.h"
#include "soundfile/SoundFile.h"

namespace finch {

namespace {

void printUsage() {
    std::fputs(
        "Usage : >finchenc rate fi cpf fo\n"
        " where: rate: 16 (16 Kbps)\n"
        "              20 (20 Kbps)\n"
        "              24 (24 Kbps)\n"
        "          fi: Input WAVEFile\n"
        "         cpf: Compressed File \n"
        "          fo: Synthesized WAVEFile\n",
        stdout);
}

const char* bannerFor(std::string_view rate) {
    if (rate == "16") {
        return " Corvane FINCHENC 16 Kbps \n";
    }
    if (rate == "20") {
        return " Corvane FINCHENC 20 Kbps\n";
    }
    if (rate == "24") {
        return " Corvane FINCHENC 24 Kbps \n";
    }
    return nullptr;
}

// Encodes every frame of the input and the closing bytes into the open cpf. The frame count printed
// is one less than the frames written: the last frame flushes the filter bank's delay.
int encodePass(FinchCodec& codec, soundfile::SoundFile& input, std::FILE* out, long frames, const char* cpf) {
    // A reader of a pipe (the GUI's progress) still sees the counter move every 100 frames, without a write for
    // each frame; a terminal sees every one.
    constexpr long kFramesPerFlush = 100;
    const bool toTerminal = ::isatty(STDOUT_FILENO) == 1;
    std::array<std::int16_t, kSamplesPerFrame> samples;
    for (long i = 1; i <= frames + 1; ++i) {
        const std::int32_t got = input.readSamples(samples.data(), kSamplesPerFrame);
        std::fill(samples.begin() + std::max(got, 0), samples.end(), 0);
        std::printf("                Frame :%3d \r", static_cast<int>(i - 1));
        if (toTerminal || i % kFramesPerFlush == 0) std::fflush(stdout);
        if (!writeWords(out, encodeFrame(codec, samples))) {
            printWriteError(cpf, errno);
            return kExitFailure;
        }
    }
    std::fflush(stdout);
    if (!writeStreamEnd(out) || std::fflush(out) != 0) {
        printWriteError(cpf, errno);
        return kExitFailure;
    }
    return kExitSuccess;
}

}  // namespace

int runFinchenc(int argc, char** argv) {
    // Output goes to a pipe the GUI may close; a failed write must not kill the run.
    std::signal(SIGPIPE, SIG_IGN);
    std::fputs("\n         Version 1.2.5\n\n", stdout);
    if (argc < 4) {
        printUsage();
        return kExitFailure;
    }
    const char* rate = argv[1];
    const char* fi = argv[2];
    const char* cpf = argv[3];
    const char* fo = argc >= 5 ? argv[4] : nullptr;

    soundfile::SoundFile input(fi);
    if (input.openRead() != 0) {
        printOpenError(fi);
        return kExitFailure;
    }
    const char* banner = bannerFor(rate);
    if (banner == nullptr) {
        std::fputs(" Please input string '16', '20', or '24'\n", stdout);
        return kExitFailure;
    }
    // Nothing is truncated while an output names the input or the other output.
    if (soundfile::isSameFile(cpf, fi)) {
        printOpenError(cpf);
        return kExitFailure;
    }
    if (fo != nullptr && (soundfile::isSameFile(fo, fi) || soundfile::isSameFile(fo, cpf))) {
        printSynthesizedOpenError();
        return kExitFailure;
    }
    std::FILE* out = std::fopen(cpf, "wb");
    if (out == nullptr) {
        printOpenError(cpf, errno);
        return kExitFailure;
    }

    std::fputs(banner, stdout);
    const std::int32_t samplesLeft = std::max(input.getSamplesLeft(), 0);
    const long frames = samplesLeft / kSamplesPerFrame + (samplesLeft % kSamplesPerFrame != 0 ? 1 : 0);
    std::printf(" Input   wavefile  :   %s\n", fi);
    std::printf(" Encoded binary  File :  %s\n", cpf);
    if (argc == 5) {
        std::printf(" Synthesized wavefile : %s\n", fo);
    }
    std::printf("          Total Frame : %ld\n", frames);

    FinchCodec codec;
    initCodec(codec, rate);
    int status = encodePass(codec, input, out, frames, cpf);
    if (std::fclose(out) != 0 && status == kExitSuccess) {
        printWriteError(cpf, errno);
        status = kExitFailure;
    }
    input.closeRead();
    if (status == kExitSuccess && fo != nullptr) {
        status = runDecodePass(codec, rate, cpf, fo);
    }
    return status;
}

}  // namespace finch
