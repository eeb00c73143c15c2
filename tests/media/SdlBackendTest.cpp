// The SDL audio backend, on SDL's drivers that need no sound card: dummy for output, disk for input.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/media/MciErrors.h"
#include "platform/media/SdlAudioBackend.h"
#include "platform/media/WaveDevice.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"

using namespace testsupport;

namespace {

using platform::media::WaveDevice;
using platform::media::WaveMode;

class SdlBackendTest : public ::testing::Test {
  protected:
    void TearDown() override {
        device_.stop();
        platform::media::SdlAudioBackend::WaitUntilClosed();
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILEIN");
        unsetenv("SDL_DISKAUDIOFILE");
    }

    std::filesystem::path speechFile() {
        const auto path = folder_ / "speech.wav";
        writeFileBytes(path, wavFileBytes(1, 8000, 16, speechFixtureData()));
        return path;
    }

    ScratchFolder folder_;
    WaveDevice device_{std::make_shared<platform::media::SdlAudioBackend>()};
};

TEST_F(SdlBackendTest, PlaysToItsEndOnTheDummyDriver) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(device_.open(speechFile()), 0u);
    ASSERT_EQ(device_.play(6200, std::nullopt), 0u) << device_.failureCause();
    EXPECT_EQ(device_.mode(), WaveMode::Playing);
    device_.waitUntilPlaybackEnds();
    EXPECT_EQ(device_.mode(), WaveMode::Stopped);
    EXPECT_EQ(device_.position(), speechFixtureData().size() / 16);
}

TEST_F(SdlBackendTest, RecordsWhatTheDiskDriverReads) {
    const Bytes speech = speechFixtureData();
    const auto input = folder_ / "input.raw";
    writeFileBytes(input, speech);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILEIN", input.c_str(), 1);
    setenv("SDL_DISKAUDIOFILE", (folder_ / "output.raw").c_str(), 1);

    const auto path = folder_ / "new.wav";
    writeFileBytes(path, wavFileBytes(1, 8000, 16, {}));
    ASSERT_EQ(device_.open(path), 0u);
    ASSERT_EQ(device_.record(std::nullopt), 0u) << device_.failureCause();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    device_.stop();
    ASSERT_EQ(device_.save(), 0u);

    const Bytes data = dataAfterHeader(readFileBytes(path));
    ASSERT_GT(data.size(), 1000u);
    EXPECT_TRUE(data == Bytes(speech.begin(), speech.begin() + std::ptrdiff_t(std::min(data.size(), speech.size()))));
}

TEST_F(SdlBackendTest, DriverThatCannotStartGivesItsCause) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ASSERT_EQ(device_.open(speechFile()), 0u);
    EXPECT_EQ(device_.play(0, std::nullopt), win::MCIERR_WAVE_OUTPUTSUNSUITABLE);
    EXPECT_FALSE(device_.failureCause().empty());
    EXPECT_EQ(device_.record(std::nullopt), win::MCIERR_WAVE_INPUTSUNSUITABLE);
    EXPECT_EQ(device_.mode(), WaveMode::Stopped);
}

}  // namespace
