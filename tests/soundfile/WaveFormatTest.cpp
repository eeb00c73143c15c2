#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

// 8000 Hz, mono, 16-bit PCM with 1000 samples, worked out field by field.
const Bytes kHeaderOf1000Samples = {
    'R',  'I',  'F',  'F',  0xF4, 0x07, 0x00, 0x00,                          // RIFF size 2036
    'W',  'A',  'V',  'E',  'f',  'm',  't',  ' ',  0x10, 0x00, 0x00, 0x00,  // fmt size 16
    0x01, 0x00, 0x01, 0x00,                                                  // PCM, 1 channel
    0x40, 0x1F, 0x00, 0x00, 0x80, 0x3E, 0x00, 0x00,                          // 8000 Hz, 16000 bytes/s
    0x02, 0x00, 0x10, 0x00,                                                  // block align 2, 16 bits
    'd',  'a',  't',  'a',  0xD0, 0x07, 0x00, 0x00,                          // data size 2000
};

std::vector<std::int16_t> ramp(std::size_t count) {
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<std::int16_t>(static_cast<int>(i) * 67 - 30000);
    }
    return samples;
}

// A RIFF WAVE file assembled from chunks given as (id, body) or raw bytes.
struct WaveBuilder {
    Bytes bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};

    WaveBuilder& chunk(const std::string& id, std::uint32_t size, const Bytes& body) {
        appendText(bytes, id);
        appendLe32(bytes, size);
        bytes.insert(bytes.end(), body.begin(), body.end());
        return *this;
    }
    WaveBuilder& chunk(const std::string& id, const Bytes& body) {
        return chunk(id, static_cast<std::uint32_t>(body.size()), body);
    }
    WaveBuilder& fmt(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                     std::size_t extraBytes = 0) {
        Bytes body;
        appendLe16(body, tag);
        appendLe16(body, channels);
        appendLe32(body, rate);
        appendLe32(body, rate * channels * (bits <= 8 ? 1 : 2));
        appendLe16(body, static_cast<std::uint16_t>(channels * (bits <= 8 ? 1 : 2)));
        appendLe16(body, bits);
        body.resize(body.size() + extraBytes, 0);
        return chunk("fmt ", body);
    }
    WaveBuilder& raw(const Bytes& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
};

Bytes pcm16(std::initializer_list<std::int16_t> samples) {
    Bytes body;
    for (std::int16_t sample : samples) {
        appendLe16(body, static_cast<std::uint16_t>(sample));
    }
    return body;
}

std::vector<std::int16_t> readAll(SoundFile& file) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(std::max(file.getSamplesLeft(), 0)) + 16, 0x5555);
    const std::int32_t count = file.readSamples(samples.data(), static_cast<std::int32_t>(samples.size()));
    samples.resize(static_cast<std::size_t>(count));
    return samples;
}

class WaveWriting : public testing::Test {
  protected:
    ScratchFolder files;
};

TEST_F(WaveWriting, HeaderAndSamplesAreLaidOutByteForByte) {
    const std::string path = files.file("out.wav");
    const std::vector<std::int16_t> samples = ramp(1000);
    {
        SoundFile file(path, 8000, 16, 1, 0, 1);
        ASSERT_EQ(file.openWrite(SoundFileKind::Wave), 0);
        EXPECT_EQ(file.getSamplesLeft(), 0);
        EXPECT_EQ(file.writeSamples(samples.data(), 600), 600);
        EXPECT_EQ(file.writeSamples(samples.data() + 600, 400), 400);
        EXPECT_EQ(file.getSamplesLeft(), 1000);
        EXPECT_EQ(file.finishWrite(), 0);
    }
    const Bytes written = readFileBytes(path);
    ASSERT_EQ(written.size(), 2044u);
    EXPECT_EQ(Bytes(written.begin(), written.begin() + 44), kHeaderOf1000Samples);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto value = static_cast<std::uint16_t>(samples[i]);
        ASSERT_EQ(written[44 + 2 * i], value & 0xFF) << i;
        ASSERT_EQ(written[45 + 2 * i], value >> 8) << i;
    }
}

TEST_F(WaveWriting, DisplayTextChunkFollowsTheSamplesAndCountsInTheRiffSize) {
    const std::string path = files.file("text.wav");
    {
        SoundFile file(path);
        ASSERT_EQ(file.openWrite(SoundFileKind::Wave), 0);
        const std::int16_t samples[3] = {1, -1, 0x1234};
        ASSERT_EQ(file.writeSamples(samples, 3), 3);
        {
            // The file keeps its own copy: the caller's text may be gone before the header is finished.
            std::string text = "abc";
            file.setDisplayText(text);
            text.assign("xyz");
        }
        ASSERT_EQ(file.finishWrite(), 0);
    }
    const Bytes written = readFileBytes(path);
    ASSERT_EQ(written.size(), 44u + 6 + 16);
    const Bytes tail(written.begin() + 50, written.end());
    EXPECT_EQ(tail, (Bytes{'D', 'I', 'S', 'P', 8, 0, 0, 0, 1, 0, 0, 0, 'a', 'b', 'c', 0}));
    EXPECT_EQ(le32At(written, 4), 36u + 6 + 16);
    EXPECT_EQ(le32At(written, 40), 6u);
    EXPECT_EQ(Bytes(written.begin() + 44, written.begin() + 50), (Bytes{0x01, 0x00, 0xFF, 0xFF, 0x34, 0x12}));

    SoundFile reader(path);
    ASSERT_EQ(reader.openRead(), 0);
    EXPECT_EQ(reader.getDisplayText(), std::optional<std::string>("abc"));
    EXPECT_EQ(readAll(reader), (std::vector<std::int16_t>{1, -1, 0x1234}));
}

TEST_F(WaveWriting, SampleFormIsForcedToWhatTheHeaderSays) {
    // Constructed big-endian offset-binary: a WAVE file still stores signed little-endian samples, and the
    // block align counts every channel.
    const std::string wide = files.file("stereo16.wav");
    {
        SoundFile file(wide, 44100, 16, 2, 0x8000, 0);
        ASSERT_EQ(file.openWrite(SoundFileKind::Wave), 0);
        EXPECT_EQ(file.littleEndian(), 1);
        EXPECT_EQ(file.sampleOffset(), 0);
        const std::int16_t samples[2] = {0x1234, -2};
        ASSERT_EQ(file.writeSamples(samples, 2), 2);
        ASSERT_EQ(file.finishWrite(), 0);
    }
    Bytes written = readFileBytes(wide);
    ASSERT_EQ(written.size(), 48u);
    EXPECT_EQ(Bytes(written.begin() + 22, written.begin() + 36),
              (Bytes{0x02, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x10, 0xB1, 0x02, 0x00, 0x04, 0x00, 0x10, 0x00}));
    EXPECT_EQ(Bytes(written.begin() + 44, written.end()), (Bytes{0x34, 0x12, 0xFE, 0xFF}));

    const std::string narrow = files.file("stereo8.wav");
    {
        SoundFile file(narrow, 22050, 8, 2, 0, 1);
        ASSERT_EQ(file.openWrite(SoundFileKind::Wave), 0);
        EXPECT_EQ(file.sampleOffset(), 128);
        const std::int16_t samples[3] = {0, -32768, 32767};
        ASSERT_EQ(file.writeSamples(samples, 3), 3);
        ASSERT_EQ(file.finishWrite(), 0);
    }
    written = readFileBytes(narrow);
    ASSERT_EQ(written.size(), 47u);
    EXPECT_EQ(Bytes(written.begin() + 22, written.begin() + 36),
              (Bytes{0x02, 0x00, 0x22, 0x56, 0x00, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x02, 0x00, 0x08, 0x00}));
    EXPECT_EQ(le32At(written, 4), 39u);
    EXPECT_EQ(le32At(written, 40), 3u);
    EXPECT_EQ(Bytes(written.begin() + 44, written.end()), (Bytes{0x80, 0x00, 0xFF}));
}

TEST_F(WaveWriting, RoundTripKeepsSamplesFormAndText) {
    struct Form {
        std::int32_t rate, bits, channels;
    };
    for (const Form form : {Form{8000, 16, 1}, Form{11025, 8, 1}, Form{44100, 16, 2}}) {
        SCOPED_TRACE(form.bits);
        const std::string path = files.file("round.wav");
        std::vector<std::int16_t> samples = ramp(999);
        if (form.bits == 8) {
            for (std::int16_t& sample : samples) {
                sample = static_cast<std::int16_t>(sample & ~0xFF);  // what 8 bits can hold
            }
        }
        {
            SoundFile file(path, form.rate, form.bits, form.channels, 0, 1);
            ASSERT_EQ(file.openWrite(SoundFileKind::Wave), 0);
            file.setDisplayText("speech sample");
            ASSERT_EQ(file.writeSamples(samples.data(), 999), 999);
            ASSERT_EQ(file.finishWrite(), 0);
        }
        SoundFile file(path);
        ASSERT_EQ(file.openRead(), 0);
        EXPECT_EQ(file.sampleRate(), form.rate);
        EXPECT_EQ(file.bitsPerSample(), form.bits);
        EXPECT_EQ(file.channels(), form.channels);
        EXPECT_EQ(file.getSamplesLeft(), 999);
        EXPECT_EQ(file.getDisplayText(), std::optional<std::string>("speech sample"));
        EXPECT_EQ(readAll(file), samples);
        EXPECT_EQ(file.getSamplesLeft(), 0);
    }
}

TEST_F(WaveWriting, FixtureCopiedSampleForSampleReadsBackIdentical) {
    SoundFile source(TRACKMILL_TEST_DATA "/speech8k.wav");
    ASSERT_EQ(source.openRead(), 0);
    ASSERT_EQ(source.sampleRate(), 8000);
    const std::vector<std::int16_t> samples = readAll(source);
    ASSERT_GT(samples.size(), 40000u);

    const std::string path = files.file("copy.wav");
    {
        SoundFile copy(path, source.sampleRate(), source.bitsPerSample(), source.channels(), 0, 1);
        ASSERT_EQ(copy.openWrite(SoundFileKind::Wave), 0);
        ASSERT_EQ(copy.writeSamples(samples.data(), static_cast<std::int32_t>(samples.size())),
                  static_cast<std::int32_t>(samples.size()));
        ASSERT_EQ(copy.finishWrite(), 0);
    }
    SoundFile copy(path);
    ASSERT_EQ(copy.openRead(), 0);
    EXPECT_EQ(readAll(copy), samples);
    EXPECT_EQ(copy.getDisplayText(), std::nullopt);
}

TEST_F(WaveWriting, FailsCleanlyWhereTheFileCannotBeCreated) {
    SoundFile file(files.file("no-such-folder/out.wav"));
    EXPECT_EQ(file.openWrite(SoundFileKind::Wave), 1);
    const std::int16_t sample = 0;
    EXPECT_EQ(file.writeSamples(&sample, 1), 0);
    EXPECT_EQ(file.finishWrite(), 1);
}

TEST_F(WaveWriting, FullDeviceIsReportedByFinishWrite) {
    SoundFile file("/dev/full");
    ASSERT_EQ(file.openWrite(SoundFileKind::Wave), 0);  // buffered: the device refuses on flush
    const std::vector<std::int16_t> samples = ramp(20000);
    file.writeSamples(samples.data(), 20000);
    EXPECT_EQ(file.finishWrite(), 1);
}

class WaveReading : public testing::Test {
  protected:
    int open(const Bytes& bytes) {
        file.emplace(files.write("in.wav", bytes));
        return file->openRead();
    }

    ScratchFolder files;
    std::optional<SoundFile> file;
};

TEST_F(WaveReading, SkipsForeignChunksAndALongFmtChunk) {
    const Bytes bytes = WaveBuilder()
                            .fmt(1, 1, 8000, 16, 4)
                            .chunk("LIST", Bytes{'I', 'N', 'F', 'O', 'x', 'y'})
                            .chunk("data", pcm16({5, -6, 7}))
                            .bytes;
    ASSERT_EQ(open(bytes), 0);
    EXPECT_EQ(file->getSamplesLeft(), 3);
    EXPECT_EQ(readAll(*file), (std::vector<std::int16_t>{5, -6, 7}));
}

TEST_F(WaveReading, OddChunkBeforeDataIsReadWithOrWithoutItsPadByte) {
    const Bytes padded = WaveBuilder()
                             .chunk("junk", Bytes{1, 2, 3})
                             .raw({0})
                             .fmt(1, 1, 8000, 16)
                             .chunk("LIST", Bytes{'a', 'b', 'c', 'd', 'e'})
                             .raw({0})
                             .chunk("data", pcm16({100, 200}))
                             .bytes;
    ASSERT_EQ(open(padded), 0);
    EXPECT_EQ(readAll(*file), (std::vector<std::int16_t>{100, 200}));

    const Bytes unpadded = WaveBuilder()
                               .fmt(1, 1, 8000, 16)
                               .chunk("LIST", Bytes{'a', 'b', 'c', 'd', 'e'})
                               .chunk("data", pcm16({300}))
                               .bytes;
    ASSERT_EQ(open(unpadded), 0);
    EXPECT_EQ(readAll(*file), (std::vector<std::int16_t>{300}));
}

TEST_F(WaveReading, EightBitSamplesAreCentredOn128) {
    ASSERT_EQ(open(WaveBuilder().fmt(1, 1, 11025, 8).chunk("data", Bytes{0x00, 0x80, 0xFF}).bytes), 0);
    EXPECT_EQ(file->sampleOffset(), 128);
    EXPECT_EQ(readAll(*file), (std::vector<std::int16_t>{-32768, 0, 32512}));
}

TEST_F(WaveReading, DataSizeIsBoundedByTheBytesPresent) {
    for (const std::uint32_t claimed : {1000u, 0x80000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(claimed);
        Bytes body = pcm16({1, 2, 3});
        body.push_back(0x44);  // half a sample
        ASSERT_EQ(open(WaveBuilder().fmt(1, 1, 8000, 16).chunk("data", claimed, body).bytes), 0);
        EXPECT_EQ(file->getSamplesLeft(), 3);
        EXPECT_EQ(readAll(*file), (std::vector<std::int16_t>{1, 2, 3}));
    }
}

TEST_F(WaveReading, DisplayTextIsBoundedByItsChunkAndTheFile) {
    const Bytes data = pcm16({9});
    const auto textOf = [&](std::uint32_t size, const Bytes& body) {
        EXPECT_EQ(open(WaveBuilder().fmt(1, 1, 8000, 16).chunk("data", data).chunk("DISP", size, body).bytes), 0);
        return file->getDisplayText();
    };
    EXPECT_EQ(textOf(9, {1, 0, 0, 0, 'h', 'e', 'l', 'l', 'o'}), std::optional<std::string>("hello"));
    EXPECT_EQ(textOf(9, {7, 0, 0, 0, 'h', 'i', 0, 'x', 'y'}), std::optional<std::string>("hi"));
    EXPECT_EQ(textOf(0xFFFFFFFF, {1, 0, 0, 0, 'c', 'u', 't'}), std::optional<std::string>("cut"));
    EXPECT_EQ(textOf(4, {1, 0, 0, 0}), std::optional<std::string>(""));
    EXPECT_EQ(textOf(3, {1, 0, 0}), std::nullopt);
    EXPECT_EQ(textOf(0, {}), std::nullopt);
    EXPECT_EQ(textOf(2, {'a', 'b'}), std::nullopt);
    EXPECT_EQ(readAll(*file), (std::vector<std::int16_t>{9}));
}

TEST_F(WaveReading, ChunksBeforeFmtAreNotLookedAt) {
    const Bytes bytes =
        WaveBuilder().chunk("DISP", Bytes{1, 0, 0, 0, 'x', 0}).chunk("data", pcm16({1})).fmt(1, 1, 8000, 16).bytes;
    EXPECT_EQ(open(bytes), 1);
}

TEST_F(WaveReading, MalformedHeadersFailToOpen) {
    const Bytes data = pcm16({1, 2});
    struct Case {
        const char* why;
        Bytes bytes;
    };
    Bytes shortFmt = WaveBuilder().chunk("fmt ", Bytes(14, 0)).chunk("data", data).bytes;
    shortFmt[20] = 1;  // PCM tag inside the short body
    const Case cases[] = {
        {"only the RIFF id", Bytes{'R', 'I', 'F', 'F'}},
        {"not WAVE",
         [] {
             Bytes bytes = WaveBuilder().fmt(1, 1, 8000, 16).chunk("data", pcm16({1})).bytes;
             bytes[11] = 'X';
             return bytes;
         }()},
        {"no chunks", WaveBuilder().bytes},
        {"fmt shorter than 16 bytes", shortFmt},
        {"fmt body cut off by the end of the file", WaveBuilder().chunk("fmt ", 16, Bytes{1, 0, 1, 0}).bytes},
        {"no fmt", WaveBuilder().chunk("data", data).bytes},
        {"no data", WaveBuilder().fmt(1, 1, 8000, 16).chunk("LIST", Bytes{1, 2}).bytes},
        {"not PCM", WaveBuilder().fmt(3, 1, 8000, 16).chunk("data", data).bytes},
        {"24-bit PCM", WaveBuilder().fmt(1, 1, 8000, 24).chunk("data", data).bytes},
        {"32-bit PCM", WaveBuilder().fmt(1, 1, 8000, 32).chunk("data", data).bytes},
        {"chunk larger than the file before fmt",
         WaveBuilder().chunk("LIST", 0xFFFFFFFF, Bytes{1, 2}).fmt(1, 1, 8000, 16).chunk("data", data).bytes},
        {"fmt larger than the file", WaveBuilder().chunk("fmt ", 0xFFFFFFF0, Bytes(40, 1)).bytes},
        {"chunk head cut off", WaveBuilder().fmt(1, 1, 8000, 16).raw({'d', 'a', 't', 'a', 4}).bytes},
    };
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.why);
        EXPECT_EQ(open(bad.bytes), 1);
        std::int16_t untouched = 0x5555;
        EXPECT_EQ(file->readSamples(&untouched, 1), 0);
        EXPECT_EQ(untouched, 0x5555);
    }
}

TEST_F(WaveReading, EveryTruncationOfAFileOpensOrFailsWithinItsBytes) {
    const std::string path = files.file("whole.wav");
    {
        SoundFile writer(path, 8000, 16, 1, 0, 1);
        ASSERT_EQ(writer.openWrite(SoundFileKind::Wave), 0);
        writer.setDisplayText("truncated");
        const std::vector<std::int16_t> samples = ramp(11);
        ASSERT_EQ(writer.writeSamples(samples.data(), 11), 11);
        ASSERT_EQ(writer.finishWrite(), 0);
    }
    const Bytes whole = readFileBytes(path);
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE(length);
        const int result = open(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)));
        if (length < 4) {
            // Too short to say "RIFF": header-less samples.
            EXPECT_EQ(result, 0);
            EXPECT_EQ(readAll(*file).size(), length / 2);
        } else if (length < 44) {
            EXPECT_EQ(result, 1);
        } else {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(readAll(*file).size(), std::min<std::size_t>(11, (length - 44) / 2));
            // The DISP head ends at 74 and its text starts at 78: what is left of the text is read.
            const std::optional<std::string> text =
                length < 74 ? std::nullopt
                            : std::optional<std::string>(
                                  std::string("truncated").substr(0, std::clamp<std::size_t>(length, 78, 87) - 78));
            EXPECT_EQ(file->getDisplayText(), text);
        }
    }
}

}  // namespace
}  // namespace soundfile
