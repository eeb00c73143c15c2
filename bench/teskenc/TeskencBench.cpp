// Throughput of the Lark stream coders on the committed speech, as a multiple of real time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "teskenc/stream/StreamDecoder.h"
#include "teskenc/stream/StreamEncoder.h"

namespace tesk {
namespace {

constexpr double kSampleRate = 8000;

std::string speechPath() { return std::string(TRACKMILL_TEST_DATA) + "/speech8k.wav"; }

std::string scratchPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("teskenc-bench-" + name)).string();
}

double speechSeconds() {
    // 44-byte header, 16-bit mono samples
    return static_cast<double>(std::filesystem::file_size(speechPath()) - 44) / 2 / kSampleRate;
}

void encodeSpeech(int rate, const std::string& streamPath) {
    StreamEncoder encoder(rate, StreamEncoderFiles{streamPath, speechPath(), std::nullopt, std::nullopt, std::nullopt});
    encoder.run();
}

void BM_Encode(benchmark::State& state) {
    const int rate = static_cast<int>(state.range(0));
    const std::string stream = scratchPath("encode-" + std::to_string(rate) + ".lrk");
    for (auto _ : state) encodeSpeech(rate, stream);
    state.counters["x_realtime"] =
        benchmark::Counter(speechSeconds() * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    std::remove(stream.c_str());
}

void BM_Decode(benchmark::State& state) {
    const int rate = static_cast<int>(state.range(0));
    const std::string stream = scratchPath("decode-" + std::to_string(rate) + ".lrk");
    const std::string wave = scratchPath("decode-" + std::to_string(rate) + ".wav");
    encodeSpeech(rate, stream);
    for (auto _ : state) {
        StreamDecoder decoder(stream, wave);
        decoder.run();
        decoder.finish();
    }
    state.counters["x_realtime"] =
        benchmark::Counter(speechSeconds() * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    std::remove(stream.c_str());
    std::remove(wave.c_str());
}

void rateIds(benchmark::internal::Benchmark* bench) {
    for (int rate : {0, 1, 2, 4, 5, 6, 7, 8, 9}) bench->Arg(rate);
}

BENCHMARK(BM_Encode)->Apply(rateIds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode)->Apply(rateIds)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesk
