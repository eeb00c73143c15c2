#include "finchenc/FinchStreamReader.h"

#include <algorithm>

#include "finchenc/FinchCodec.h"

namespace finch {

namespace {

constexpr unsigned char kEndMarker = 0xFF;
constexpr std::size_t kEndRecordHead = 4;

void toWords(const unsigned char* bytes, std::vector<std::uint16_t>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
}

}  // namespace

FinchStreamReader::FinchStreamReader(std::FILE* stream) : stream_(stream) {
    unsigned char code[2];
    if (std::fread(code, 1, 2, stream_) == 2) {
        rateCode_ = static_cast<std::int16_t>(code[0] | (code[1] << 8));
    } else {
        ended_ = true;
    }
    frameBits_ = frameBitsFor(rateCode_);
    words_.resize(frameBits_ / 16);
    // Room for an end record: its 4-byte head, then a whole frame.
    bytes_.resize(kEndRecordHead + frameBits_ / 8);
}

FinchStreamPiece FinchStreamReader::finished(bool readFailed) {
    ended_ = true;
    FinchStreamPiece piece;
    piece.kind = readFailed ? FinchStreamPiece::Kind::ReadError : FinchStreamPiece::Kind::End;
    return piece;
}

FinchStreamPiece FinchStreamReader::next() {
    if (ended_) {
        return finished(false);
    }
    const std::size_t frameBytes = frameBits_ / 8;
    if (std::fread(bytes_.data(), 1, frameBytes, stream_) != frameBytes) {
        return finished(std::ferror(stream_) != 0);
    }
    if (bytes_[0] == kEndMarker && bytes_[1] == kEndMarker) {
        return endRecord();
    }
    toWords(bytes_.data(), words_);
    FinchStreamPiece piece;
    piece.kind = FinchStreamPiece::Kind::Frame;
    piece.words = words_;
    piece.sampleCount = kSamplesPerFrame;
    return piece;
}

// A frame-sized piece starting FF FF: byte 2 (high) and byte 3 (low) give how many samples of the
// frame after the 4-byte head are the stream's last; a high byte of FF ends the stream at once.
FinchStreamPiece FinchStreamReader::endRecord() {
    if (bytes_[2] == kEndMarker) {
        return finished(false);
    }
    const std::size_t frameBytes = frameBits_ / 8;
    // The frame after the head reaches 4 bytes beyond the piece; a missing tail reads as zero bits.
    const std::size_t tail = std::fread(bytes_.data() + frameBytes, 1, kEndRecordHead, stream_);
    if (std::ferror(stream_) != 0) {
        return finished(true);
    }
    std::fill(bytes_.begin() + frameBytes + tail, bytes_.end(), 0);
    toWords(bytes_.data() + kEndRecordHead, words_);
    ended_ = true;
    FinchStreamPiece piece;
    piece.kind = FinchStreamPiece::Kind::LastFrame;
    piece.words = words_;
    piece.sampleCount = std::min((bytes_[2] << 8) | bytes_[3], kSamplesPerFrame);
    return piece;
}

}  // namespace finch
