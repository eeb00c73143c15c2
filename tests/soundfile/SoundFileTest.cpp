#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "soundfile/SoundFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ScratchFolder.h"

using namespace testsupport;

namespace soundfile {
namespace {

class SoundFileTest : public testing::Test {
  protected:
    ScratchFolder files;
};

TEST_F(SoundFileTest, KindComesFromTheFirstFourBytes) {
    struct Case {
        Bytes bytes;
        SoundFileKind kind;
    };
    const Case cases[] = {
        {{'R', 'I', 'F', 'F', 0, 0}, SoundFileKind::Wave},
        {{0x00, 0xFF, 0x00, 0xFF, 1}, SoundFileKind::SpeechHeader},
        {{'R', 'I', 'F', 'X'}, SoundFileKind::Raw},
        {{0xFF, 0x00, 0xFF, 0x00}, SoundFileKind::Raw},
        {{'R', 'I', 'F'}, SoundFileKind::Raw},
        {{}, SoundFileKind::Raw},
    };
    for (const Case& c : cases) {
        SoundFile file(files.write("kind", c.bytes));
        file.openRead();
        EXPECT_EQ(file.detectKind(), c.kind);
    }
}

TEST_F(SoundFileTest, NothingIsReadOrWrittenBeforeAnOpen) {
    SoundFile file(files.file("unopened"));
    EXPECT_EQ(file.getSamplesLeft(), -1);
    std::int16_t untouched = 0x5555;
    EXPECT_EQ(file.readSamples(&untouched, 1), 0);
    EXPECT_EQ(file.writeSamples(&untouched, 1), 0);
    EXPECT_EQ(untouched, 0x5555);
    EXPECT_EQ(file.finishWrite(), 1);
    EXPECT_FALSE(std::filesystem::exists(files.file("unopened")));
}

TEST_F(SoundFileTest, RawFilesAreOffsetBinaryLittleEndian) {
    SoundFile file(files.write("raw", {0x00, 0x80, 0xFF, 0xFF, 0x00, 0x00, 0x34}));
    ASSERT_EQ(file.openRead(), 0);
    EXPECT_EQ(file.getSamplesLeft(), 3);
    EXPECT_EQ(file.sampleRate(), 8000);
    EXPECT_EQ(file.channels(), 1);
    std::int16_t samples[4] = {7, 7, 7, 7};
    EXPECT_EQ(file.readSamples(samples, 4), 3);
    EXPECT_EQ(samples[0], 0);
    EXPECT_EQ(samples[1], 32767);
    EXPECT_EQ(samples[2], -32768);
    EXPECT_EQ(samples[3], 7);
    EXPECT_EQ(file.getSamplesLeft(), 0);
    EXPECT_EQ(file.readSamples(samples, 4), 0);
    EXPECT_EQ(samples[0], 0);
}

TEST_F(SoundFileTest, EmptyFileIsRawWithoutSamples) {
    SoundFile file(files.write("empty", {}));
    ASSERT_EQ(file.openRead(), 0);
    EXPECT_EQ(file.getSamplesLeft(), 0);
}

TEST_F(SoundFileTest, ReadsInPiecesUntilTheSamplesRunOut) {
    Bytes bytes;
    for (int i = 0; i < 1000; ++i) {
        appendLe16(bytes, static_cast<std::uint16_t>(0x8000 + i));
    }
    SoundFile file(files.write("raw", bytes));
    ASSERT_EQ(file.openRead(), 0);
    std::vector<std::int16_t> samples(384);
    int next = 0;
    for (const int expected : {384, 384, 232, 0}) {
        ASSERT_EQ(file.readSamples(samples.data(), 384), expected);
        for (int i = 0; i < expected; ++i) {
            ASSERT_EQ(samples[static_cast<std::size_t>(i)], next++);
        }
    }
}

TEST_F(SoundFileTest, WhatCannotBeOpenedForReadingFails) {
    SoundFile missing(files.file("missing.wav"));
    EXPECT_EQ(missing.openRead(), 1);
    EXPECT_EQ(errno, ENOENT);

    std::filesystem::create_directory(files.file("folder"));
    SoundFile folder(files.file("folder"));
    EXPECT_EQ(folder.openRead(), 1);
    EXPECT_EQ(errno, EISDIR);

    SoundFile device("/dev/null");
    EXPECT_EQ(device.openRead(), 1);

    // A pipe without a writer must not stall the open.
    ASSERT_EQ(mkfifo(files.file("pipe").c_str(), 0600), 0);
    SoundFile pipe(files.file("pipe"));
    EXPECT_EQ(pipe.openRead(), 1);

    for (SoundFile* file : {&missing, &folder, &device, &pipe}) {
        std::int16_t untouched = 0x5555;
        EXPECT_EQ(file->readSamples(&untouched, 1), 0);
        EXPECT_EQ(untouched, 0x5555);
    }
}

TEST_F(SoundFileTest, UnwritableKindFailsBeforeTheFileIsTouched) {
    SoundFile fresh(files.file("raw.out"));
    EXPECT_EQ(fresh.openWrite(SoundFileKind::Raw), 1);
    EXPECT_FALSE(std::filesystem::exists(files.file("raw.out")));

    const std::string kept = files.write("kept.out", {1, 2, 3});
    SoundFile existing(kept);
    EXPECT_EQ(existing.openWrite(SoundFileKind::Raw), 1);
    EXPECT_EQ(readFileBytes(kept), (Bytes{1, 2, 3}));
}

TEST_F(SoundFileTest, FloatSamplesAreScaledLimitedAndTruncated) {
    const std::string path = files.file("float.wav");
    {
        SoundFile file(path);
        ASSERT_EQ(file.openWrite(SoundFileKind::Wave), 0);
        const float values[] = {
            0.5f, -1.0f, 1.0f, 2.5f, -3.0f, -0.99999f, 0.00004f, -0.00004f, std::numeric_limits<float>::quiet_NaN()};
        ASSERT_EQ(file.writeFloatSamples(values, 9), 9);
        ASSERT_EQ(file.finishWrite(), 0);
    }
    SoundFile file(path);
    ASSERT_EQ(file.openRead(), 0);
    std::int16_t samples[9] = {};
    ASSERT_EQ(file.readSamples(samples, 9), 9);
    // -0.99999 x 32768 = -32767.67..., 0.00004 x 32768 = 1.31...
    const std::int16_t expected[9] = {16384, -32768, 32767, 32767, -32768, -32767, 1, -1, 0};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(samples[i], expected[i]) << i;
    }

    SoundFile again(path);
    ASSERT_EQ(again.openRead(), 0);
    float values[3] = {};
    ASSERT_EQ(again.readFloatSamples(values, 3), 3);
    EXPECT_EQ(values[0], 0.5f);
    EXPECT_EQ(values[1], -1.0f);
    EXPECT_EQ(values[2], 32767.0f / 32768.0f);
}

TEST_F(SoundFileTest, DisplayTextOnlyForWaveFiles) {
    SoundFile raw(files.write("raw", {0, 0x80}));
    ASSERT_EQ(raw.openRead(), 0);
    raw.setDisplayText("ignored");
    EXPECT_EQ(raw.getDisplayText(), std::nullopt);

    const std::string path = files.file("titled.wav");
    {
        SoundFile file(path);
        ASSERT_EQ(file.openWrite(SoundFileKind::Wave), 0);
        file.setDisplayText("first");
        file.setDisplayText(std::string("second, longer"));
        EXPECT_EQ(file.getDisplayText(), std::optional<std::string>("second, longer"));
        ASSERT_EQ(file.finishWrite(), 0);
    }
    SoundFile file(path);
    ASSERT_EQ(file.openRead(), 0);
    EXPECT_EQ(file.getDisplayText(), std::optional<std::string>("second, longer"));
}

TEST_F(SoundFileTest, ReopeningForReadingStartsAfresh) {
    const std::string path = files.write("reopened", {0, 0x80, 0, 0x80});
    SoundFile file(path);
    ASSERT_EQ(file.openRead(), 0);
    std::int16_t sample = 1;
    ASSERT_EQ(file.readSamples(&sample, 1), 1);
    ASSERT_EQ(file.openRead(), 0);
    EXPECT_EQ(file.getSamplesLeft(), 2);

    // Nothing of the earlier file is left to read once the new one fails.
    files.write("reopened", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'x'});
    ASSERT_EQ(file.openRead(), 1);
    sample = 0x5555;
    EXPECT_EQ(file.readSamples(&sample, 1), 0);
    EXPECT_EQ(sample, 0x5555);
}

}  // namespace
}  // namespace soundfile
