// Playing, stopping, seeking and the mode texts through command strings.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "MediaTest.h"
#include "platform/media/Mci.h"
#include "platform/media/MciErrors.h"

using namespace testsupport;

namespace {

constexpr std::size_t kBytesPerMs = 16;

class PlayTest : public MediaTest {
  protected:
    // The fixture's first 6500 ms.
    void openSpeech() { openFile("speech.wav", 1, 8000, 16, speech_); }

    const Bytes speech_ = speechPrefix(6500 * kBytesPerMs);
};

TEST_F(PlayTest, PlayFromAPositionSendsTheSamplesFromThereToTheEnd) {
    openSpeech();
    const Bytes& speech = speech_;
    send("play rec from 6000 wait");

    const auto played = audio_->played();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].format, (platform::media::PcmFormat{1, 8000, 16}));
    EXPECT_TRUE(played[0].reachedEnd);
    EXPECT_TRUE(played[0].samples == Bytes(speech.begin() + 6000 * kBytesPerMs, speech.end()));
    EXPECT_EQ(send("status rec mode"), "stopped");
    EXPECT_EQ(send("status rec position"), send("status rec length"));
}

TEST_F(PlayTest, PlayToEndsThere) {
    openSpeech();
    const Bytes& speech = speech_;
    send("play rec from 1000 to 1200 wait");
    const auto played = audio_->played();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_TRUE(played[0].samples == Bytes(speech.begin() + 1000 * kBytesPerMs, speech.begin() + 1200 * kBytesPerMs));
    EXPECT_EQ(send("status rec position"), "1200");
}

TEST_F(PlayTest, ModeFollowsPlayRecordAndStop) {
    openSpeech();
    EXPECT_EQ(send("status rec mode"), "stopped");
    send("play rec from 6300");
    EXPECT_EQ(send("status rec mode"), "playing");
    sleepMs(600);
    EXPECT_EQ(send("status rec mode"), "stopped");
    send("record rec");
    EXPECT_EQ(send("status rec mode"), "recording");
    send("stop rec");
    EXPECT_EQ(send("status rec mode"), "stopped");
    send("close rec");
    EXPECT_EQ(error("status rec mode"), win::MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(error("status rec length"), win::MCIERR_INVALID_DEVICE_NAME);
}

TEST_F(PlayTest, StopKeepsThePositionPlayedTo) {
    openSpeech();
    send("play rec from 0");
    sleepMs(250);
    send("stop rec");
    EXPECT_EQ(send("status rec mode"), "stopped");
    const unsigned long position = std::stoul(send("status rec position"));
    EXPECT_GT(position, 100u);
    EXPECT_LT(position, 2000u);
    const auto played = audio_->played();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_FALSE(played[0].reachedEnd);
    EXPECT_EQ(played[0].samples.size() / kBytesPerMs, position);
    sleepMs(50);
    EXPECT_EQ(audio_->played()[0].samples.size(), played[0].samples.size()) << "the sink went on after stop";
}

TEST_F(PlayTest, SeekMovesTheStartOfTheNextPlayAndRecord) {
    openSpeech();
    const std::string length = send("status rec length");
    EXPECT_EQ(length, "6500");
    send("seek rec to end");
    EXPECT_EQ(send("status rec position"), length);
    send("play rec wait");
    EXPECT_TRUE(audio_->played().empty()) << "nothing is left to play at the end";
    send("seek rec to start");
    EXPECT_EQ(send("status rec position"), "0");
    send("seek rec to 3000");
    send("play rec to 3010 wait");
    ASSERT_EQ(audio_->played().size(), 1u);
    EXPECT_EQ(audio_->played()[0].samples.size(), 10 * kBytesPerMs);
    EXPECT_EQ(error("seek rec to 6501"), win::MCIERR_OUTOFRANGE);

    // Recording after seeking to the end appends.
    send("seek rec to end");
    send("record rec");
    sleepMs(150);
    send("stop rec");
    EXPECT_GT(std::stoul(send("status rec length")), 6600u);
}

TEST_F(PlayTest, PositionsOutsideTheRecordingAreRefused) {
    openSpeech();
    EXPECT_EQ(error("play rec from 6501"), win::MCIERR_OUTOFRANGE);
    EXPECT_EQ(error("play rec from 100 to 6501"), win::MCIERR_OUTOFRANGE);
    EXPECT_EQ(error("play rec from 200 to 100"), win::MCIERR_OUTOFRANGE);
    EXPECT_TRUE(audio_->played().empty());
}

TEST_F(PlayTest, CloseEndsAPlayThatAnotherThreadWaitsFor) {
    openSpeech();
    std::thread waiter([] { win::mciSendString("play rec from 0 wait", nullptr, 0, nullptr); });
    sleepMs(200);
    const auto closing = std::chrono::steady_clock::now();
    send("close rec");
    waiter.join();
    EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(3));
    EXPECT_FALSE(audio_->played().at(0).reachedEnd);
}

TEST_F(PlayTest, NoSoundOutputFailsAndLeavesTheDeviceStopped) {
    openSpeech();
    audio_->setAvailable(false);
    EXPECT_EQ(error("play rec from 0"), win::MCIERR_WAVE_OUTPUTSUNSUITABLE);
    EXPECT_EQ(send("status rec mode"), "stopped");
}

}  // namespace
