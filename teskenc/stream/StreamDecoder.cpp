#include "teskenc/stream/StreamDecoder.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include "soundfile/SoundFile.h"
#include "teskenc/codec/FrameLayout.h"
#include "teskenc/stream/ErrorText.h"
#include "teskenc/stream/LarkLayout.h"
#include "teskenc/stream/TeskError.h"

namespace tesk {

StreamDecoder::StreamDecoder(const std::string& encodePath, const std::string& decodePath)
    : input_(encodePath), decodePath_(decodePath), output_(std::make_unique<soundfile::SoundFile>(decodePath)) {
    if (output_->openWrite(soundfile::SoundFileKind::Wave) != 0) {
        output_.reset();
        throw TeskError(formatMessage("open decoded wave_file file [%s] error\n", decodePath.c_str()));
    }
}

StreamDecoder::~StreamDecoder() {
    if (output_) output_->finishWrite();
}

void StreamDecoder::finish() {
    const int failed = output_->finishWrite();
    const int cause = errno;
    output_.reset();
    if (failed != 0) throw TeskError(systemErrorMessage("write decoded wave_file file", decodePath_, cause));
}

void StreamDecoder::run() {
    running_ = true;
    decodeFirstFrame();
    std::array<uint16_t, kFrameBufferWords> frame{};
    std::array<int16_t, kFrameSamples> samples{};
    for (;;) {
        const int32_t count = readFrame(frame.data());
        if (!running_) break;
        frameDecoder_.decode(samples.data(), frame.data());
        writeSamples(samples.data(), count);
    }
}

void StreamDecoder::decodeFirstFrame() {
    uint16_t header = 0;
    if (input_.read(&header, 1) != 1) throw TeskError("encode_file is empty\n");
    frameDecoder_.setRate(header & kHeaderRateMask);
    const bool startUp = (header & kNormalFirstFrame) == 0;
    const int words = startUp ? kStartFrameWords : frameDecoder_.wordsPerFrame();
    std::array<uint16_t, kFrameBufferWords> frame{};
    if (input_.read(frame.data(), words) != words) throw TeskError("encode_file size error\n");
    frameDecoder_.decodeFirstFrame(frame.data(), startUp);
}

int32_t StreamDecoder::readFrame(uint16_t* frame) {
    // A lone word, or a control pair with no frame after it, is the end of the stream.
    if (input_.read(frame, 2) != 2) {
        running_ = false;
        return 0;
    }
    int32_t count = kFrameSamples;
    int first = 2;
    if (frame[0] == kControlMarker) {
        const int32_t word = frame[1];
        if (word & kSampleCountFlag) {
            const int32_t value = word & kControlValueMask;
            count = value == 0 ? kFrameSamples : std::min(value, kFrameSamples);
        } else {
            frameDecoder_.setRate(word & kControlValueMask);
        }
        wordsRead_ += 2;
        first = 0;
    }
    const int words = frameDecoder_.wordsPerFrame();
    const int got = input_.read(frame + first, words - first);
    if (first == 0 && got == 0) {
        running_ = false;
        return 0;
    }
    // A frame cut short by the end of the stream is decoded with zeros for its missing words.
    std::fill(frame + first + got, frame + kFrameBufferWords, uint16_t{0});
    wordsRead_ += first + got;
    return count;
}

void StreamDecoder::writeSamples(const int16_t* samples, int32_t count) {
    if (output_->writeSamples(samples, count) != count) {
        throw TeskError(systemErrorMessage("write decoded wave_file file", decodePath_, errno));
    }
}

}  // namespace tesk
