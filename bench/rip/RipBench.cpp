// Ripping the one 74-minute track of a CD image to WAV through the rip window, against `cp` of the image's BIN into
// the same folder. Each iteration times both, interleaved, so that a busy machine weighs on them alike.
// Counters: rip_over_cp, the rip's time over the copy's (the target is at most 1.3), and rip_cpu_over_wall, the
// CPU time of the whole program during the rip over the rip's time (below 1: the rip waits on the disc, not on
// itself).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/cdrom/CdAudio.h"
#include "platform/framework/TStringList.h"
#include "platform/framework/forms/Application.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/user/Presenter.h"
#include "trackmill/app/jobs/RipMode.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/windows/RipForm.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

const std::string kImage = RIP_BENCH_IMAGE;

void Fail(const std::string& why) {
    std::fprintf(stderr, "rip_bench: %s\n", why.c_str());
    std::exit(1);
}

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Copy(const std::string& to) {
    std::vector<std::string> argv = {"cp", kImage + ".bin", to};
    std::vector<char*> words;
    for (std::string& word : argv) words.push_back(word.data());
    words.push_back(nullptr);
    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, "cp", nullptr, nullptr, words.data(), environ) != 0) Fail("cannot run cp");
    int status = 0;
    waitpid(child, &status, 0);
    const double seconds = SecondsSince(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Fail("cp failed");
    return seconds;
}

platform::cdrom::HCDROM OpenImage() {
    platform::cdrom::TCDList list{};
    list.max = 8;
    platform::cdrom::GetCDList(&list);
    if (list.num == 0) Fail("the image is not a drive");
    platform::cdrom::TGetCDHandleParams request{};
    request.ha = list.cd[0].ha;
    const platform::cdrom::HCDROM handle = platform::cdrom::GetCDHandle(&request);
    if (handle == 0) Fail("no handle on the image");
    return handle;
}

void BM_RipImage(benchmark::State& state) {
    setenv("TRACKMILL_CD_IMAGES", (kImage + ".cue").c_str(), 1);
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    framework::TApplication application(nullptr);
    const platform::cdrom::HCDROM handle = OpenImage();
    // Both write into memory where they can: on a disk its write-back, not the program, would set both times.
    const std::filesystem::path memory = "/dev/shm";
    const std::string name = "rip-bench-out-" + std::to_string(getpid());
    const std::filesystem::path folder =
        std::filesystem::is_directory(memory) ? memory / name : std::filesystem::path(kImage).parent_path() / name;
    std::filesystem::create_directories(folder);
    Options.OutputFolder = folder.string();
    Options.OutputFormat = 1;
    Options.IsNormalize = false;
    const auto binBytes = std::filesystem::file_size(kImage + ".bin");
    framework::TStringList items;
    items.Add("1");
    double copy = 0;
    double rip = 0;
    double ripCpu = 0;
    for (auto _ : state) {
        copy += Copy((folder / "copy.bin").string());
        std::filesystem::remove(folder / "copy.bin");
        const double cpuBefore = CpuSeconds(RUSAGE_SELF);
        const auto start = Clock::now();
        {
            TRipForm form(nullptr, rmRipTracks, handle, items);
            form.ShowModal();
        }
        const double seconds = SecondsSince(start);
        ripCpu += CpuSeconds(RUSAGE_SELF) - cpuBefore;
        rip += seconds;
        state.SetIterationTime(seconds);
        const auto wav = folder / "Track1.wav";
        if (!std::filesystem::exists(wav) || std::filesystem::file_size(wav) != binBytes + 44)
            Fail("the rip did not write the whole track");
        std::filesystem::remove(wav);
    }
    platform::cdrom::CloseCDHandle(handle);
    std::filesystem::remove_all(folder);
    const double iterations = static_cast<double>(state.iterations());
    state.counters["rip_ms"] = 1000 * rip / iterations;
    state.counters["cp_ms"] = 1000 * copy / iterations;
    state.counters["rip_over_cp"] = rip / copy;
    state.counters["rip_cpu_over_wall"] = ripCpu / rip;
}

BENCHMARK(BM_RipImage)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
