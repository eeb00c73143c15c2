// Drives the waveaudio device through the media control interface as the recorder does — open, play, record into
// the middle, save — on 44.1 kHz stereo files of 10 minutes and of 2 hours, each in a process of its own, and
// prints each one's peak resident size. Then times a stop on SDL's disk driver at 10 Hz, where one buffer of the
// device lasts 25 seconds.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/media/AudioBackend.h"
#include "platform/media/FileFedAudioBackend.h"
#include "platform/media/Mci.h"
#include "platform/media/SdlAudioBackend.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void PutLe(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(char(value >> (8 * i)));
}

// A 16-bit stereo 44.1 kHz WAV file of a slow ramp lasting the given minutes, written a megabyte at a time.
void WriteLongWav(const std::filesystem::path& path, int minutes) {
    const std::uint64_t dataSize = std::uint64_t(minutes) * 60 * 44100 * 4;
    std::string header = "RIFF";
    PutLe(header, std::uint32_t(36 + dataSize), 4);
    header += "WAVEfmt ";
    PutLe(header, 16, 4);
    PutLe(header, 1, 2);
    PutLe(header, 2, 2);
    PutLe(header, 44100, 4);
    PutLe(header, 44100 * 4, 4);
    PutLe(header, 4, 2);
    PutLe(header, 16, 2);
    header += "data";
    PutLe(header, std::uint32_t(dataSize), 4);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(header.data(), std::streamsize(header.size()));
    std::vector<char> block(1 << 20);
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = char(i / 4096);
    for (std::uint64_t left = dataSize; left > 0;) {
        const std::size_t count = std::size_t(std::min<std::uint64_t>(left, block.size()));
        file.write(block.data(), std::streamsize(count));
        left -= count;
    }
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

std::string Send(const std::string& command) {
    char result[256] = "";
    if (const win::MCIERROR error = win::mciSendString(command.c_str(), result, sizeof result, nullptr)) {
        char text[256] = "";
        win::mciGetErrorString(error, text, sizeof text);
        std::fprintf(stderr, "%s: %s\n", command.c_str(), text);
        std::exit(1);
    }
    return result;
}

long PeakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// In a child: open, play a second from the middle, record two seconds there, save, close.
void DriveTheDevice(const std::filesystem::path& path) {
    auto audio = std::make_shared<platform::media::FileFedAudioBackend>();
    platform::media::WaveContents voice;
    voice.format = {2, 44100, 16};
    voice.samples.assign(44100 * 4, 0x22);
    audio->setCaptureSource(voice);
    platform::media::SetAudioBackend(audio);

    const std::string quoted = "\"" + path.string() + "\"";
    auto start = Clock::now();
    Send("open " + quoted + " alias rec");
    Send("set rec time format milliseconds");
    const unsigned long length = std::stoul(Send("status rec length"));
    const double openSeconds = SecondsSince(start);
    Send("play rec from " + std::to_string(length / 2));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    Send("stop rec");
    Send("record rec from " + std::to_string(length / 2));
    std::this_thread::sleep_for(std::chrono::seconds(2));
    Send("stop rec");
    start = Clock::now();
    Send("save rec");
    const double saveSeconds = SecondsSince(start);
    const unsigned long saved = std::stoul(Send("status rec length"));
    Send("close rec");
    std::printf("  %lu ms, then %lu ms after recording: open %.2f s, save %.2f s, peak resident %ld kB\n", length,
                saved, openSeconds, saveSeconds, PeakResidentKilobytes());
}

void MeasureInAChild(const std::filesystem::path& folder, int minutes) {
    const auto path = folder / ("recorder-" + std::to_string(minutes) + "min.wav");
    std::printf("%d minutes (%.2f GB):\n", minutes, minutes * 60.0 * 44100 * 4 / 1e9);
    WriteLongWav(path, minutes);
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        DriveTheDevice(path);
        std::fflush(stdout);
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    std::filesystem::remove(path);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::printf("  failed\n");
}

void TimeALowRateStop(const std::filesystem::path& folder) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (folder / "recorder-disk-output.raw").c_str(), 1);
    platform::media::SdlAudioBackend backend;
    std::string failure;
    auto stream = backend.startPlayback(
        platform::media::PcmFormat{1, 10, 16}, [](std::span<std::uint8_t>) { return std::size_t(0); }, failure);
    if (!stream) {
        std::printf("10 Hz on the disk driver: %s\n", failure.c_str());
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto start = Clock::now();
    stream.reset();
    std::printf("10 Hz on the disk driver: the stream's owner waited %.3f s for the stop\n", SecondsSince(start));
    std::filesystem::remove(folder / "recorder-disk-output.raw");
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
    MeasureInAChild(folder, 10);
    MeasureInAChild(folder, 120);
    TimeALowRateStop(folder);
    // The device of the low-rate stream may still be closing: the system ends it.
    std::fflush(stdout);
    std::_Exit(0);
}
