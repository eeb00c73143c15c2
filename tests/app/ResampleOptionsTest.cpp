// What the resampling step is told to do with a file, read from the file's own "fmt " chunk wherever it stands,
// and where its temporary copy goes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstring>

#include "platform/framework/EInOutError.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"
#include "trackmill/app/jobs/ResampleCopyName.h"
#include "trackmill/app/jobs/ResampleOptions.h"

namespace {

using testsupport::Bytes;

void Append(Bytes& bytes, const char* text) { bytes.insert(bytes.end(), text, text + std::strlen(text)); }

void Append32(Bytes& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void Append16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

Bytes Chunk(const char* id, const Bytes& body) {
    Bytes chunk;
    Append(chunk, id);
    Append32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2) chunk.push_back(0);
    return chunk;
}

Bytes FormatBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    Bytes body;
    Append16(body, tag);
    Append16(body, channels);
    Append32(body, rate);
    Append32(body, rate * channels * bits / 8);
    Append16(body, static_cast<std::uint16_t>(channels * bits / 8));
    Append16(body, bits);
    return body;
}

// A RIFF WAVE image of the given chunks in order.
Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes inner;
    Append(inner, "WAVE");
    for (const Bytes& chunk : chunks) inner.insert(inner.end(), chunk.begin(), chunk.end());
    Bytes file;
    Append(file, "RIFF");
    Append32(file, static_cast<std::uint32_t>(inner.size()));
    file.insert(file.end(), inner.begin(), inner.end());
    return file;
}

class ResampleOptionsTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;

    std::string Options(const Bytes& bytes) { return GetResampleOptions(folder.write("in.wav", bytes)); }
    std::string Canonical(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
        return Options(testsupport::wavFileBytes(channels, rate, bits, Bytes(64, 0)));
    }
};

TEST_F(ResampleOptionsTest, CompactDiscSoundGetsAllThreeOptionsInOrder) {
    EXPECT_EQ(Canonical(2, 44100, 16), " -r 8000  -c 1 -b 16 ");
}

TEST_F(ResampleOptionsTest, EachReasonAloneAndTheReadyFormat) {
    EXPECT_EQ(Canonical(1, 22050, 16), " -r 8000  -b 16 ");
    EXPECT_EQ(Canonical(2, 8000, 16), " -c 1 -b 16 ");
    EXPECT_EQ(Canonical(1, 8000, 24), " -b 16 ");
    EXPECT_EQ(Canonical(1, 8000, 16), "");
}

TEST_F(ResampleOptionsTest, EightBitSpeechGoesToTheEncodersAsItIsAndIsWidenedWhenConverted) {
    EXPECT_EQ(Canonical(1, 8000, 8), "");
    EXPECT_EQ(Canonical(2, 8000, 8), " -c 1 -b 16 ");
    EXPECT_EQ(Canonical(2, 11025, 8), " -r 8000  -c 1 -b 16 ");
}

TEST_F(ResampleOptionsTest, WidthsTheEncodersCannotReadAreConverted) {
    EXPECT_EQ(Canonical(1, 8000, 12), " -b 16 ");
    EXPECT_EQ(Canonical(1, 8000, 32), " -b 16 ");
    EXPECT_EQ(Canonical(1, 8000, 4), " -b 16 ");
}

TEST_F(ResampleOptionsTest, SlowerThanSpeechRateIsResampledUp) {
    EXPECT_EQ(Canonical(1, 6000, 16), " -r 8000  -b 16 ");
}

TEST_F(ResampleOptionsTest, SixteenBitsThatAreNotIntegerPcmAreConverted) {
    const std::uint16_t floatTag = 3, extensibleTag = 0xFFFE, aLawTag = 6;
    for (std::uint16_t tag : {floatTag, extensibleTag, aLawTag})
        EXPECT_EQ(Options(Riff({Chunk("fmt ", FormatBody(tag, 1, 8000, 16)), Chunk("data", Bytes(32, 0))})), " -b 16 ")
            << "format tag " << tag;
}

TEST_F(ResampleOptionsTest, ChunksBeforeTheFormatAreWalkedOverOddOnesWithTheirPad) {
    const Bytes list = Chunk("LIST", Bytes(27, 'x'));  // odd: a pad byte follows
    const Bytes junk = Chunk("JUNK", Bytes(28, 0));
    const Bytes bext = Chunk("bext", Bytes(602, 'b'));
    EXPECT_EQ(Options(Riff({list, junk, bext, Chunk("fmt ", FormatBody(1, 2, 48000, 24)), Chunk("data", Bytes(6, 0))})),
              " -r 8000  -c 1 -b 16 ");
    // The 44-byte reading would have taken the LIST body's bytes for the format and resampled this one.
    EXPECT_EQ(Options(Riff({list, Chunk("fmt ", FormatBody(1, 1, 8000, 16)), Chunk("data", Bytes(4, 0))})), "");
}

TEST_F(ResampleOptionsTest, FilesThatAreNotRiffWaveAreLeftToTheEncoders) {
    EXPECT_EQ(Options(Bytes(48000, 0x11)), "");  // header-less samples
    Bytes speechHeader{0x00, 0xFF, 0x00, 0xFF};
    speechHeader.resize(4800, 0x22);
    EXPECT_EQ(Options(speechHeader), "");
    EXPECT_EQ(Options({}), "");
    Bytes riffButNotWave = Riff({Chunk("fmt ", FormatBody(1, 2, 44100, 16))});
    std::memcpy(riffButNotWave.data() + 8, "AVI ", 4);
    EXPECT_EQ(Options(riffButNotWave), "");
}

TEST_F(ResampleOptionsTest, ABrokenChunkListOrACutFormatGivesNoOptions) {
    Bytes runaway = Riff({Chunk("LIST", Bytes(8, 0)), Chunk("fmt ", FormatBody(1, 2, 44100, 16))});
    runaway[16] = 0xFF;  // the LIST chunk claims far more than the file holds
    runaway[17] = 0xFF;
    runaway[18] = 0xFF;
    runaway[19] = 0x7F;
    EXPECT_EQ(Options(runaway), "");
    Bytes cut = Riff({Chunk("fmt ", FormatBody(1, 2, 44100, 16))});
    cut.resize(cut.size() - 6);
    EXPECT_EQ(Options(cut), "");
    EXPECT_EQ(Options(Riff({Chunk("fmt ", Bytes(14, 1))})), "");  // a format chunk too short to hold the fields
}

TEST_F(ResampleOptionsTest, TheFormatFieldsAsStored) {
    const auto format = ReadWaveFormat(
        folder.write("x.wav", Riff({Chunk("JUNK", Bytes(3, 0)), Chunk("fmt ", FormatBody(1, 2, 44100, 16))})));
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(format->FormatTag, 1);
    EXPECT_EQ(format->Channels, 2);
    EXPECT_EQ(format->SampleRate, 44100u);
    EXPECT_EQ(format->BitsPerSample, 16);
}

TEST_F(ResampleOptionsTest, AnUnreadableFileRaisesWithTheSystemsReason) {
    try {
        GetResampleOptions(folder.file("missing.wav"));
        FAIL() << "no error for a missing file";
    } catch (const framework::EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), ENOENT);
        EXPECT_NE(std::string(error.what()).find(std::strerror(ENOENT)), std::string::npos) << error.what();
    }
}

TEST(ResampleCopyNameTest, BesideTheInputWithAFreeNameWhenTheUsersFileIsThere) {
    testsupport::ScratchFolder folder;
    const std::string input = folder.file("my talk.wav");
    EXPECT_EQ(ResampleCopyName(input), folder.file("r_my talk.wav"));
    folder.write("r_my talk.wav", {1});
    EXPECT_EQ(ResampleCopyName(input), folder.file("r_2_my talk.wav"));
    folder.write("r_2_my talk.wav", {2});
    ASSERT_EQ(symlink("nowhere", folder.file("r_3_my talk.wav").c_str()), 0);  // a dangling link is taken too
    EXPECT_EQ(ResampleCopyName(input), folder.file("r_4_my talk.wav"));
    EXPECT_EQ(ResampleCopyName("talk.wav"), "r_talk.wav");
}

}  // namespace
