#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "finchenc/FinchStreamReader.h"

namespace finch {
namespace {

using Kind = FinchStreamPiece::Kind;

class StreamFile {
  public:
    explicit StreamFile(const std::vector<unsigned char>& bytes) : file_(std::tmpfile()) {
        std::fwrite(bytes.data(), 1, bytes.size(), file_);
        std::rewind(file_);
    }
    ~StreamFile() { std::fclose(file_); }
    StreamFile(const StreamFile&) = delete;
    StreamFile& operator=(const StreamFile&) = delete;
    std::FILE* get() const { return file_; }

  private:
    std::FILE* file_;
};

std::vector<unsigned char> frameOf(unsigned char fill, std::size_t bytes) {
    return std::vector<unsigned char>(bytes, fill);
}

void append(std::vector<unsigned char>& to, const std::vector<unsigned char>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

TEST(FinchStreamReader, DerivesTheFrameLengthFromTheRateCode) {
    const std::vector<std::pair<std::vector<unsigned char>, int>> cases = {
        {{0x02, 0x00}, 768}, {{0x04, 0x00}, 960}, {{0x06, 0x00}, 1152}, {{0x05, 0x00}, 1152}, {{0x02, 0x01}, 1152}};
    for (const auto& [head, bits] : cases) {
        StreamFile file(head);
        FinchStreamReader reader(file.get());
        EXPECT_EQ(reader.frameBits(), bits);
        EXPECT_EQ(reader.next().kind, Kind::End);
    }
}

TEST(FinchStreamReader, ReadsLittleEndianWordsAndStopsAtTheClosingBytes) {
    std::vector<unsigned char> bytes = {0x02, 0x00};
    auto frame = frameOf(0x00, 96);
    frame[0] = 0x90;
    frame[1] = 0x24;
    append(bytes, frame);
    append(bytes, frameOf(0x11, 96));
    append(bytes, {0xFF, 0xFF, 0xFF});
    StreamFile file(bytes);
    FinchStreamReader reader(file.get());
    FinchStreamPiece piece = reader.next();
    ASSERT_EQ(piece.kind, Kind::Frame);
    ASSERT_EQ(piece.words.size(), 48u);
    EXPECT_EQ(piece.words[0], 0x2490);
    EXPECT_EQ(piece.sampleCount, 384);
    piece = reader.next();
    ASSERT_EQ(piece.kind, Kind::Frame);
    EXPECT_EQ(piece.words[47], 0x1111);
    EXPECT_EQ(reader.next().kind, Kind::End);
    EXPECT_EQ(reader.next().kind, Kind::End);
}

TEST(FinchStreamReader, AFileCutInAFrameEndsAtTheLastWholeFrame) {
    std::vector<unsigned char> bytes = {0x04, 0x00};
    append(bytes, frameOf(0x22, 120));
    append(bytes, frameOf(0x33, 119));
    StreamFile file(bytes);
    FinchStreamReader reader(file.get());
    EXPECT_EQ(reader.next().kind, Kind::Frame);
    EXPECT_EQ(reader.next().kind, Kind::End);
}

TEST(FinchStreamReader, AnEndRecordWithHighByteFFEndsTheStream) {
    std::vector<unsigned char> bytes = {0x02, 0x00};
    append(bytes, frameOf(0xFF, 96));
    append(bytes, frameOf(0x44, 96));
    StreamFile file(bytes);
    FinchStreamReader reader(file.get());
    EXPECT_EQ(reader.next().kind, Kind::End);
    EXPECT_EQ(reader.next().kind, Kind::End);
}

TEST(FinchStreamReader, AnEndRecordCarriesTheCountAndTheWholeFrameAfterItsHead) {
    std::vector<unsigned char> bytes = {0x02, 0x00, 0xFF, 0xFF, 0x01, 0x02};  // count 0x0102 = 258
    std::vector<unsigned char> frame(96);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        frame[i] = static_cast<unsigned char>(i);
    }
    append(bytes, frame);
    StreamFile file(bytes);
    FinchStreamReader reader(file.get());
    const FinchStreamPiece piece = reader.next();
    ASSERT_EQ(piece.kind, Kind::LastFrame);
    EXPECT_EQ(piece.sampleCount, 258);
    ASSERT_EQ(piece.words.size(), 48u);
    EXPECT_EQ(piece.words[0], 0x0100);
    EXPECT_EQ(piece.words[47], 0x5F5E);  // the frame's last byte is read too
    EXPECT_EQ(reader.next().kind, Kind::End);
}

TEST(FinchStreamReader, ClampsTheEndRecordCountAndZeroFillsAMissingTail) {
    std::vector<unsigned char> bytes = {0x02, 0x00, 0xFF, 0xFF, 0x7F, 0xFF};  // 32767 samples claimed
    append(bytes, frameOf(0x55, 93));
    StreamFile file(bytes);
    FinchStreamReader reader(file.get());
    const FinchStreamPiece piece = reader.next();
    ASSERT_EQ(piece.kind, Kind::LastFrame);
    EXPECT_EQ(piece.sampleCount, 384);
    EXPECT_EQ(piece.words[45], 0x5555);
    EXPECT_EQ(piece.words[46], 0x0055);
    EXPECT_EQ(piece.words[47], 0x0000);
}

}  // namespace
}  // namespace finch
