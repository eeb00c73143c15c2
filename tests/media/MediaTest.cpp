#include "MediaTest.h"

#include <chrono>
#include <thread>

#include "platform/media/Mci.h"

using namespace testsupport;

void MediaTest::SetUp() {
    audio_ = std::make_shared<platform::media::FileFedAudioBackend>();
    platform::media::WaveContents speech;
    speech.format = {1, 8000, 16};
    speech.samples = speechFixtureData();
    ASSERT_GT(speech.samples.size(), 50000u);
    audio_->setCaptureSource(speech);
    platform::media::SetAudioBackend(audio_);
}

void MediaTest::TearDown() {
    win::mciSendString("close rec", nullptr, 0, nullptr);
    platform::media::SetAudioBackend(nullptr);
}

std::string MediaTest::send(const std::string& command) {
    char result[256] = "unchanged";
    const win::MCIERROR error = win::mciSendString(command.c_str(), result, sizeof result, nullptr);
    EXPECT_EQ(error, 0u) << command;
    return result;
}

win::MCIERROR MediaTest::error(const std::string& command) {
    char result[256];
    return win::mciSendString(command.c_str(), result, sizeof result, nullptr);
}

Bytes MediaTest::speechPrefix(std::size_t byteCount) {
    Bytes speech = speechFixtureData();
    speech.resize(byteCount);
    return speech;
}

std::filesystem::path MediaTest::openFile(const std::string& name, std::uint16_t channels, std::uint32_t rate,
                                          std::uint16_t bits, const Bytes& data) {
    const auto path = folder_ / name;
    writeFileBytes(path, wavFileBytes(channels, rate, bits, data));
    send("open " + Quoted(path) + " alias rec");
    send("set rec time format milliseconds");
    return path;
}

void MediaTest::sleepMs(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

void MediaTest::waitForLength(std::uint32_t milliseconds) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::stoul(send("status rec length")) < milliseconds && std::chrono::steady_clock::now() < giveUp)
        sleepMs(10);
}

std::string Quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }
