#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "teskenc/codec/CodecError.h"
#include "teskenc/stream/StreamDecoder.h"
#include "teskenc/stream/TeskError.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"
#include "tests/teskenc/stream/StreamCoding.h"
#include "tests/teskenc/stream/TestFiles.h"

using namespace testsupport;

namespace tesk {
namespace {

using test::decodeStream;
using test::encodeSamples;
using test::toneSignal;
using test::writeWords;

// A stream of the 300-sample tone at rate 4: header, 10-word first frame, three frame items.
std::vector<uint16_t> sampleStream(const ScratchFolder& dir) { return encodeSamples(dir.file(""), toneSignal(300), 4); }

std::string decodeError(const ScratchFolder& dir, const std::vector<uint16_t>& words) {
    writeWords(dir.file("in.lrk"), words);
    try {
        decodeStream(dir.file(""), dir.file("in.lrk"));
    } catch (const TeskError& e) {
        return e.what();
    } catch (const CodecError& e) {
        return e.what();
    }
    return "";
}

std::vector<int16_t> decodeWords(const ScratchFolder& dir, const std::vector<uint16_t>& words) {
    writeWords(dir.file("in.lrk"), words);
    return decodeStream(dir.file(""), dir.file("in.lrk"));
}

std::vector<uint16_t> frameOf(int words, uint16_t value) { return std::vector<uint16_t>(words, value); }

std::vector<uint16_t> join(std::initializer_list<std::vector<uint16_t>> parts) {
    std::vector<uint16_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(LarkStreamDecoderTest, SampleCountsFromControlWords) {
    ScratchFolder dir;
    const std::vector<uint16_t> head = join({{0x8004}, frameOf(10, 0x1234)});
    EXPECT_EQ(decodeWords(dir, head).size(), 0u);
    EXPECT_EQ(decodeWords(dir, join({head, {0xFFFF, 0x0105}, frameOf(10, 0x0F0F)})).size(), 5u);
    EXPECT_EQ(decodeWords(dir, join({head, {0xFFFF, 0x0100}, frameOf(10, 0x0F0F)})).size(), 128u);
    // a count above 128 stands for the whole frame, never more
    EXPECT_EQ(decodeWords(dir, join({head, {0xFFFF, 0x01FF}, frameOf(10, 0x0F0F)})).size(), 128u);
    // the event id is carried, not acted on
    EXPECT_EQ(decodeWords(dir, join({head, {0xFFFF, 0xFF05}, frameOf(10, 0x0F0F), frameOf(10, 1)})).size(), 133u);
    EXPECT_EQ(decodeWords(dir, join({head, frameOf(10, 0x0F0F), frameOf(10, 0x0F0F)})).size(), 256u);
}

TEST(LarkStreamDecoderTest, RateChangeSwitchesTheFrameLength) {
    ScratchFolder dir;
    // 0xFFFF 0x0404: event 2, rate 4; then 10-word frames
    const std::vector<uint16_t> words =
        join({{0x0001}, frameOf(20, 0), frameOf(16, 0x0101), {0xFFFF, 0x0404}, frameOf(10, 0x2222), frameOf(10, 3)});
    EXPECT_EQ(decodeWords(dir, words).size(), 3u * 128);
}

TEST(LarkStreamDecoderTest, EscapePairIsAFullFrame) {
    ScratchFolder dir;
    const std::vector<uint16_t> head = join({{0x8004}, frameOf(10, 0x5555)});
    const std::vector<uint16_t> frame = join({{0xFFFF}, frameOf(9, 0x0A0A)});
    EXPECT_EQ(decodeWords(dir, join({head, {0xFFFF, 0x0100}, frame, frameOf(10, 7)})).size(), 256u);
    // Without its escape the frame's first two words read as a change to rate id 10.
    EXPECT_EQ(decodeError(dir, join({head, frame, frameOf(10, 7)})), "change teskb data rate error\n");
}

TEST(LarkStreamDecoderTest, StreamEndsCleanly) {
    ScratchFolder dir;
    const std::vector<uint16_t> full = sampleStream(dir);
    const std::vector<uint16_t> head(full.begin(), full.begin() + 11);
    // a lone word or a control pair without its frame is the end of the stream
    EXPECT_EQ(decodeWords(dir, join({head, {0x1234}})).size(), 0u);
    EXPECT_EQ(decodeWords(dir, join({head, {0xFFFF, 0x0120}})).size(), 0u);
    EXPECT_EQ(decodeWords(dir, join({head, {0xFFFF}})).size(), 0u);
    // a frame cut short decodes with zeros for its missing words, the same every time
    const std::vector<uint16_t> cut = join({head, {0xFFFF, 0x0120, 0x1111, 0x2222}});
    const std::vector<int16_t> once = decodeWords(dir, cut);
    EXPECT_EQ(once.size(), 0x20u);
    EXPECT_EQ(decodeWords(dir, join({head, {0xFFFF, 0x0120, 0x1111, 0x2222}, frameOf(8, 0)})), once);
}

TEST(LarkStreamDecoderTest, MalformedHeadersAndRates) {
    ScratchFolder dir;
    EXPECT_EQ(decodeError(dir, {}), "encode_file is empty\n");
    EXPECT_EQ(decodeError(dir, join({{0x0001}, frameOf(19, 0)})), "encode_file size error\n");
    EXPECT_EQ(decodeError(dir, join({{0x8005}, frameOf(11, 0)})), "encode_file size error\n");
    EXPECT_EQ(decodeError(dir, join({{0x0001}, frameOf(20, 0)})), "");
    EXPECT_EQ(decodeError(dir, join({{0x0003}, frameOf(20, 0)})), "rate_id error for teska (0 ~ 2)\n");
    EXPECT_EQ(decodeError(dir, join({{0x800A}, frameOf(24, 0)})), "change teskb data rate error\n");
    EXPECT_EQ(decodeError(dir, join({{0x80FF}, frameOf(24, 0)})), "change teskb data rate error\n");
    EXPECT_EQ(decodeError(dir, join({{0x0001}, frameOf(20, 0), {0xFFFF, 0x0003}, frameOf(24, 0)})),
              "rate_id error for teska (0 ~ 2)\n");
    EXPECT_EQ(decodeError(dir, join({{0x0001}, frameOf(20, 0), {0xFFFF, 0x00C8}, frameOf(24, 0)})),
              "change teskb data rate error\n");
}

TEST(LarkStreamDecoderTest, ErrorMidStreamLeavesACompleteWaveFile) {
    ScratchFolder dir;
    const std::vector<uint16_t> full = sampleStream(dir);
    // two good frame items, then a control word naming rate id 10
    std::vector<uint16_t> words(full.begin(), full.begin() + 11 + 20);
    words = join({words, {0xFFFF, 0x000A}, frameOf(24, 0)});
    EXPECT_EQ(decodeError(dir, words), "change teskb data rate error\n");
    const CanonicalWav wave = readCanonicalWav(dir.file("decoded.wav"));
    EXPECT_EQ(wave.samples.size(), 256u);
    EXPECT_EQ(wave.dataSize, 512u);
    EXPECT_EQ(wave.riffSize, 36u + 512u);
}

TEST(LarkStreamDecoderTest, OpenFailuresNameTheFile) {
    ScratchFolder dir;
    writeWords(dir.file("in.lrk"), sampleStream(dir));
    try {
        StreamDecoder decoder(dir.file("missing.lrk"), dir.file("out.wav"));
        ADD_FAILURE() << "opened a missing stream";
    } catch (const TeskError& e) {
        EXPECT_EQ(std::string(e.what()), "open encode file [" + dir.file("missing.lrk") + "] error\n");
    }
    try {
        StreamDecoder decoder(dir.file("in.lrk"), dir.file("no/such/dir.wav"));
        ADD_FAILURE() << "created a file in a missing folder";
    } catch (const TeskError& e) {
        EXPECT_EQ(std::string(e.what()), "open decoded wave_file file [" + dir.file("no/such/dir.wav") + "] error\n");
    }
}

}  // namespace
}  // namespace tesk
