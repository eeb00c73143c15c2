// Throughput of the Finch codec on the speech fixture, as a multiple of real time on one core
// (counter "x_realtime", seconds of sound per wall-clock second). Targets: encoding at least 1000x, a full
// four-argument run at least 500x.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "finchenc/FinchCodec.h"
#include "finchenc/FinchencProgram.h"
#include "finchenc/FrameDecoder.h"
#include "finchenc/FrameEncoder.h"
#include "soundfile/SoundFile.h"

namespace {

constexpr double kSampleRate = 8000.0;
const std::string kSpeech = TRACKMILL_TEST_DATA "/speech8k.wav";

// The fixture's samples, zero-padded to whole frames.
std::vector<std::int16_t> speechSamples() {
    soundfile::SoundFile file(kSpeech);
    if (file.openRead() != 0) {
        std::fprintf(stderr, "cannot read %s\n", kSpeech.c_str());
        std::exit(1);
    }
    std::vector<std::int16_t> samples(static_cast<std::size_t>(file.getSamplesLeft()));
    samples.resize(
        static_cast<std::size_t>(file.readSamples(samples.data(), static_cast<std::int32_t>(samples.size()))));
    samples.resize((samples.size() / finch::kSamplesPerFrame + 1) * finch::kSamplesPerFrame);
    return samples;
}

void reportRealTime(benchmark::State& state, std::size_t samplesPerIteration) {
    state.counters["x_realtime"] = benchmark::Counter(
        static_cast<double>(samplesPerIteration) / kSampleRate * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}

std::vector<std::uint16_t> encodeAll(finch::FinchCodec& codec, const std::vector<std::int16_t>& samples) {
    std::vector<std::uint16_t> words;
    for (std::size_t at = 0; at < samples.size(); at += finch::kSamplesPerFrame) {
        const auto frame = finch::encodeFrame(codec, std::span<const std::int16_t, finch::kSamplesPerFrame>(
                                                         samples.data() + at, finch::kSamplesPerFrame));
        words.insert(words.end(), frame.begin(), frame.end());
    }
    return words;
}

void BM_Encode(benchmark::State& state) {
    const auto samples = speechSamples();
    for (auto _ : state) {
        finch::FinchCodec codec;
        finch::initCodec(codec, "24");
        benchmark::DoNotOptimize(encodeAll(codec, samples));
    }
    reportRealTime(state, samples.size());
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EncodeDecode(benchmark::State& state) {
    const auto samples = speechSamples();
    std::array<std::int16_t, finch::kSamplesPerFrame> out;
    for (auto _ : state) {
        finch::FinchCodec codec;
        finch::initCodec(codec, "24");
        const auto words = encodeAll(codec, samples);
        finch::initCodec(codec, "24");
        const int frameBits = finch::frameBitsFor(codec.rateCode);
        const std::size_t frameWords = static_cast<std::size_t>(frameBits / 16);
        for (std::size_t at = 1; at + frameWords <= words.size(); at += frameWords) {
            finch::decodeFrame(codec, std::span<const std::uint16_t>(words.data() + at, frameWords), frameBits, out);
            benchmark::DoNotOptimize(out);
        }
    }
    reportRealTime(state, samples.size());
}
BENCHMARK(BM_EncodeDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole program with four arguments: files in, Finch file and decoded WAVE file out. Its
// progress text goes to /dev/null for the duration.
void BM_FullRun(benchmark::State& state) {
    char folder[] = "/tmp/finchenc-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        state.SkipWithError("mkdtemp failed");
        return;
    }
    const std::string cpf = std::string(folder) + "/speech.fnc";
    const std::string fo = std::string(folder) + "/speech.wav";
    std::vector<std::string> arguments = {"finchenc", "24", kSpeech, cpf, fo};
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    std::fflush(stdout);
    const int savedStdout = ::dup(STDOUT_FILENO);
    const int devNull = ::open("/dev/null", O_WRONLY);
    ::dup2(devNull, STDOUT_FILENO);
    int status = 0;
    for (auto _ : state) {
        // New files each time, as a user's run makes: rewriting a truncated file makes the file
        // system write it back at close, which would be timed as the program's work.
        state.PauseTiming();
        std::remove(cpf.c_str());
        std::remove(fo.c_str());
        state.ResumeTiming();
        status |= finch::runFinchenc(static_cast<int>(argv.size()), argv.data());
    }
    std::fflush(stdout);
    ::dup2(savedStdout, STDOUT_FILENO);
    ::close(savedStdout);
    ::close(devNull);
    if (status != 0) {
        state.SkipWithError("finchenc failed");
    }
    reportRealTime(state, speechSamples().size());
    std::remove(cpf.c_str());
    std::remove(fo.c_str());
    ::rmdir(folder);
}
BENCHMARK(BM_FullRun)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
