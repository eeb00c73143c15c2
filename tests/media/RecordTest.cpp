// Recording through command strings, as the recorder window drives the device.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "MediaTest.h"
#include "platform/media/MciErrors.h"

using namespace testsupport;

namespace {

// 16-bit mono 8000 Hz: 16 bytes a millisecond.
constexpr std::size_t kBytesPerMs = 16;
// The file-fed capture delivers in 10 ms steps; room for their rounding.
constexpr std::size_t kCaptureSliceMs = 50;

std::size_t millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::size_t(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

class RecordTest : public MediaTest {};

TEST_F(RecordTest, NewFileHoldsWhatWasCapturedAfterSaveAndReopen) {
    // The recorder's new file: the 44-byte header with an empty data chunk.
    const auto path = openFile("MyNoName.wav", 1, 8000, 16, {});
    EXPECT_EQ(send("status rec length"), "0");

    const auto start = std::chrono::steady_clock::now();
    send("record rec");
    EXPECT_EQ(send("status rec mode"), "recording");
    sleepMs(1500);
    waitForLength(1450);
    send("save rec");
    const std::size_t elapsedMs = millisecondsSince(start);
    send("stop rec");
    send("close rec");

    const Bytes file = readFileBytes(path);
    ASSERT_GE(file.size(), 44u);
    EXPECT_EQ(le16At(file, 20), 1);
    EXPECT_EQ(le16At(file, 22), 1);
    EXPECT_EQ(le32At(file, 24), 8000u);
    EXPECT_EQ(le16At(file, 34), 16);
    const Bytes data = dataAfterHeader(file);
    EXPECT_EQ(le32At(file, 40), data.size());
    EXPECT_EQ(le32At(file, 4), 36 + data.size());
    // The capture is paced by the clock: never more sound than time went by.
    EXPECT_GE(data.size() / kBytesPerMs, 1450u);
    EXPECT_LE(data.size() / kBytesPerMs, elapsedMs + kCaptureSliceMs);
    EXPECT_TRUE(data == speechPrefix(data.size())) << "the recording is not the start of the source";

    send("open " + Quoted(path) + " alias rec");
    EXPECT_EQ(std::stoul(send("status rec length")), data.size() / kBytesPerMs);
}

TEST_F(RecordTest, RecordingFromAPositionIsInsertedThere) {
    Bytes original(16000);  // 1000 ms of a ramp that the speech fixture does not contain
    for (std::size_t i = 0; i < original.size(); ++i) original[i] = std::uint8_t(i * 7 + i / 256);
    const auto path = openFile("take.wav", 1, 8000, 16, original);

    const auto start = std::chrono::steady_clock::now();
    send("record rec from 500");
    sleepMs(300);
    waitForLength(1250);
    send("stop rec");
    const std::size_t elapsedMs = millisecondsSince(start);
    const std::size_t insertedMs = std::stoul(send("status rec position")) - 500;
    EXPECT_EQ(std::stoul(send("status rec length")), 1000 + insertedMs);
    send("save rec");
    send("close rec");

    const Bytes data = dataAfterHeader(readFileBytes(path));
    ASSERT_GT(data.size(), original.size());
    const std::size_t inserted = data.size() - original.size();
    EXPECT_EQ(inserted / kBytesPerMs, insertedMs);
    EXPECT_GE(insertedMs, 250u);
    EXPECT_LE(insertedMs, elapsedMs + kCaptureSliceMs);
    EXPECT_TRUE(Bytes(data.begin(), data.begin() + 8000) == Bytes(original.begin(), original.begin() + 8000));
    EXPECT_TRUE(Bytes(data.begin() + 8000, data.begin() + 8000 + std::ptrdiff_t(inserted)) == speechPrefix(inserted));
    EXPECT_TRUE(Bytes(data.begin() + 8000 + std::ptrdiff_t(inserted), data.end()) ==
                Bytes(original.begin() + 8000, original.end()));
}

TEST_F(RecordTest, SaveDuringRecordingWritesWhatWasCapturedAndRecordingGoesOn) {
    // The recorder's stop: save while recording, ask the mode, save again, then stop.
    const auto path = openFile("MyNoName.wav", 1, 8000, 16, {});
    const auto start = std::chrono::steady_clock::now();
    send("record rec");
    sleepMs(400);
    waitForLength(350);
    send("save rec");
    const std::size_t elapsedMs = millisecondsSince(start);
    const std::size_t firstSave = dataAfterHeader(readFileBytes(path)).size();
    EXPECT_GE(firstSave / kBytesPerMs, 350u);
    EXPECT_LE(firstSave / kBytesPerMs, elapsedMs + kCaptureSliceMs);
    EXPECT_EQ(send("status rec mode"), "recording");
    sleepMs(200);
    waitForLength(std::uint32_t(firstSave / kBytesPerMs + 100));
    send("save rec");
    send("stop rec");
    EXPECT_EQ(send("status rec mode"), "stopped");

    const Bytes data = dataAfterHeader(readFileBytes(path));
    EXPECT_GE(data.size(), firstSave + 100 * kBytesPerMs);
    EXPECT_TRUE(data == speechPrefix(data.size()));
    EXPECT_GE(std::stoul(send("status rec length")), data.size() / kBytesPerMs);
}

TEST_F(RecordTest, EightBitFileRecordsEightBitSamples) {
    const auto path = openFile("eight.wav", 1, 8000, 8, {});
    send("record rec");
    waitForLength(300);
    send("stop rec");
    send("save rec");

    const Bytes file = readFileBytes(path);
    EXPECT_EQ(le16At(file, 34), 8);
    EXPECT_EQ(le16At(file, 32), 1);
    const Bytes data = dataAfterHeader(file);
    const Bytes speech = speechFixtureData();
    ASSERT_GT(data.size(), 1000u);
    // Unsigned 8-bit holds the 16-bit sample scaled by 1/256 and offset by 128; converters may scale by
    // 127/128 and round either way, which moves a sample by up to two steps.
    for (std::size_t i = 0; i < data.size(); ++i) {
        const int source = std::int16_t(speech[2 * i] | (speech[2 * i + 1] << 8));
        ASSERT_NEAR(double(data[i]), source / 256.0 + 128, 2.0) << "sample " << i;
    }
}

TEST_F(RecordTest, RecordingPastTheEndIsOutOfRange) {
    openFile("short.wav", 1, 8000, 16, Bytes(1600));
    EXPECT_EQ(error("record rec from 101"), win::MCIERR_OUTOFRANGE);
    EXPECT_EQ(send("status rec mode"), "stopped");
    EXPECT_EQ(send("status rec length"), "100");
}

TEST_F(RecordTest, NoSoundInputFailsAndLeavesTheDeviceStopped) {
    audio_->setAvailable(false);
    openFile("MyNoName.wav", 1, 8000, 16, {});
    EXPECT_EQ(error("record rec"), win::MCIERR_WAVE_INPUTSUNSUITABLE);
    EXPECT_EQ(send("status rec mode"), "stopped");
    EXPECT_EQ(send("status rec length"), "0");
}

}  // namespace
