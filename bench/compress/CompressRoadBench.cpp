// The compression road for one minute of 44.1 kHz stereo speech: the progress window resampling the file and
// encoding the copy (Lark or Finch 24K), against the same two programs run by hand one after the other with their
// output thrown away. Each iteration times both, interleaved, so that a busy machine weighs on them alike.
// Counters: x_realtime (minutes of sound per minute through the road), hand_x_realtime, and road_over_hand, the
// road's time over the programs' own; the target is at most 1.10.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/framework/TStringList.h"
#include "platform/framework/forms/Application.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/user/Presenter.h"
#include "soundfile/SoundFile.h"
#include "trackmill/app/jobs/KelmCommandPrefix.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/windows/KelmProcess.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kSeconds = 60.0;
const std::string kBin = TRACKMILL_BIN_DIR;

void Fail(const std::string& why) {
    std::fprintf(stderr, "compress_road_bench: %s\n", why.c_str());
    std::exit(1);
}

// Runs a program to its end with its output thrown away, from the given folder (ours when empty).
void Run(const std::vector<std::string>& argv, const std::string& folder = "") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<char*> words;
    for (const std::string& word : argv) words.push_back(const_cast<char*>(word.c_str()));
    words.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, words[0], &actions, nullptr, words.data(), environ) != 0) Fail("cannot run " + argv[0]);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Fail(argv[0] + " failed");
}

// The scratch folder with one minute of stereo speech made from the committed 8 kHz fixture.
struct Material {
    std::filesystem::path folder;
    std::string input;

    Material() {
        folder = std::filesystem::temp_directory_path() / ("compress-road-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        soundfile::SoundFile speech(TRACKMILL_TEST_DATA "/speech8k.wav");
        if (speech.openRead() != 0) Fail("cannot read the speech fixture");
        std::vector<std::int16_t> samples(static_cast<std::size_t>(speech.getSamplesLeft()));
        samples.resize(
            static_cast<std::size_t>(speech.readSamples(samples.data(), static_cast<std::int32_t>(samples.size()))));
        std::vector<std::int16_t> minute;
        while (minute.size() < static_cast<std::size_t>(kSeconds * 8000))
            minute.insert(minute.end(), samples.begin(), samples.end());
        minute.resize(static_cast<std::size_t>(kSeconds * 8000));
        const std::string narrow = (folder / "narrow.wav").string();
        soundfile::SoundFile out(narrow);
        const auto count = static_cast<std::int32_t>(minute.size());
        if (out.openWrite(soundfile::SoundFileKind::Wave) != 0 || out.writeSamples(minute.data(), count) != count ||
            out.finishWrite() != 0)
            Fail("cannot write " + narrow);
        input = (folder / "speech.wav").string();
        Run({kBin + "/rs", "-r", "44100", "-c", "2", narrow, input});
    }
    ~Material() { std::filesystem::remove_all(folder); }
};

const Material& Input() {
    static const Material material;
    return material;
}

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The resampler and the encoder, as a user would type them.
double ByHand(int model) {
    const Material& m = Input();
    const std::string copy = (m.folder / "hand copy.wav").string();
    const auto start = Clock::now();
    Run({kBin + "/rs", "-r", "8000", "-c", "1", "-b", "16", m.input, copy});
    if (model == FinchModel)
        Run({kBin + "/finchenc", "24", copy, (m.folder / "hand.FNC").string()});
    else
        Run({kBin + "/teskenc", "rc.txt", "0", copy, (m.folder / "hand.LRK").string()}, kBin);
    const double seconds = SecondsSince(start);
    std::filesystem::remove(copy);
    return seconds;
}

// The progress window over the same file, from its creation to its close.
double ThroughTheWindow(int model) {
    const Material& m = Input();
    std::filesystem::remove(m.folder / (model == FinchModel ? "speech.FNC" : "speech.LRK"));
    Options.OutputIndex = 0;
    Options.EncodeName = model;
    framework::TStringList files;
    files.Add(m.input);
    const auto start = Clock::now();
    {
        TfrmKelmProcess process(nullptr, KelmCommandPrefix(model, 2), files);
        process.ShowModal();
    }
    const double seconds = SecondsSince(start);
    if (!std::filesystem::exists(m.folder / (model == FinchModel ? "speech.FNC" : "speech.LRK")))
        Fail("the road wrote nothing");
    return seconds;
}

void BM_CompressRoad(benchmark::State& state) {
    const int model = static_cast<int>(state.range(0));
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    framework::TApplication application(nullptr);
    // The programs the window starts are found beside the others.
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (kBin + ":" + path).c_str(), 1);
    Input();
    double hand = 0;
    double road = 0;
    for (auto _ : state) {
        hand += ByHand(model);
        const double seconds = ThroughTheWindow(model);
        road += seconds;
        state.SetIterationTime(seconds);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["x_realtime"] = kSeconds * iterations / road;
    state.counters["hand_x_realtime"] = kSeconds * iterations / hand;
    state.counters["road_over_hand"] = road / hand;
    state.SetLabel(model == FinchModel ? "Finch 24K" : "Lark 24K");
}

BENCHMARK(BM_CompressRoad)
    ->Arg(FinchModel)
    ->Arg(LarkModel)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace
