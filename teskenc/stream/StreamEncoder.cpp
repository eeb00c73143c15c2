#include "teskenc/stream/StreamEncoder.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include "soundfile/SoundFile.h"
#include "teskenc/codec/FrameLayout.h"
#include "teskenc/stream/CreatableFile.h"
#include "teskenc/stream/ErrorText.h"
#include "teskenc/stream/LarkLayout.h"
#include "teskenc/stream/TeskError.h"

namespace tesk {

namespace {

constexpr long kHistoryBytes = 2 * kFrameSamples;

std::unique_ptr<soundfile::SoundFile> openSoundFile(const std::string& path, const char* failureFormat) {
    auto file = std::make_unique<soundfile::SoundFile>(path);
    if (file->openRead() != 0) throw TeskError(formatMessage(failureFormat, path.c_str()));
    return file;
}

}  // namespace

StreamEncoder::StreamEncoder(std::optional<int32_t> startRate, const StreamEncoderFiles& files) {
    // Every input is opened and its first reads made before the stream file is created: a run that cannot start
    // leaves an older stream of that name whole. The name itself is checked first, without creating anything.
    if (!canCreateFile(files.encodePath))
        throw TeskError(formatMessage("open encode file [%s] error\n", files.encodePath.c_str()));
    input_ = openSoundFile(files.inputPath, "open input wav file [%s] error\n");
    if (files.eventPath) eventFile_.emplace(*files.eventPath);
    if (files.previousPath) {
        previousPath_ = *files.previousPath;
        previousFile_.reset(std::fopen(previousPath_.c_str(), "rb"));
        if (!previousFile_)
            throw TeskError(formatMessage("open previous wav file [%s] error\n", previousPath_.c_str()));
    }
    if (files.nextPath) nextFile_ = openSoundFile(*files.nextPath, "open file_wav_next [%s] error\n");
    if (!startRate) throw TeskError("start_up_data_rate is missing or not a number\n");
    frameEncoder_.setRate(*startRate);
    totalSamples_ = std::max(input_->getSamplesLeft(), 0);
    readHistory();
    readNextEvent();
    output_.emplace(files.encodePath);
}

StreamEncoder::~StreamEncoder() = default;

int32_t StreamEncoder::doneCount() const { return static_cast<int32_t>(std::min<int64_t>(position_, INT32_MAX)); }

void StreamEncoder::run() {
    running_ = true;
    std::array<int16_t, kWindowSamples> window{};
    std::array<uint16_t, kFrameBufferWords> frame{};
    const int32_t firstCount = encodeFirstFrame(window.data());
    int32_t previousCount = firstCount;
    for (;;) {
        std::copy(window.begin() + kFrameSamples, window.end(), window.begin());
        const int32_t count = fillNewerHalf(window.data());
        const bool wrote = writeControlWord(previousCount, count);
        frameEncoder_.encode(window.data(), frame.data());
        // A frame that starts like a control pair gets one of its own, so the decoder cannot mistake it.
        if (!wrote && frame[0] == kControlMarker) output_->write(kControlMarker, kSampleCountFlag);
        output_->write(frame.data(), frameEncoder_.wordsPerFrame());
        if (count == 0 || !running_) break;
        position_ += kFrameSamples;
        previousCount = count;
    }
    output_->finish();
}

int32_t StreamEncoder::encodeFirstFrame(int16_t* window) {
    std::copy(history_.begin(), history_.end(), window);
    const int32_t count = fillNewerHalf(window);
    std::array<uint16_t, kFrameBufferWords> frame{};
    const int32_t rateId = frameEncoder_.rateId();
    if (rateId < 4) {
        output_->write(static_cast<uint16_t>(rateId));
        frameEncoder_.encodeStartFrame(window, frame.data(), true);
        output_->write(frame.data(), kStartFrameWords);
    } else {
        output_->write(static_cast<uint16_t>(rateId | kNormalFirstFrame));
        frameEncoder_.encode(window, frame.data());
        output_->write(frame.data(), frameEncoder_.wordsPerFrame());
    }
    return count;
}

int32_t StreamEncoder::fillNewerHalf(int16_t* window) {
    int16_t* newer = window + kFrameSamples;
    const int32_t count = input_->readSamples(newer, kFrameSamples);
    int32_t filled = count;
    if (nextFile_ && filled < kFrameSamples) filled += nextFile_->readSamples(newer + filled, kFrameSamples - filled);
    std::fill(newer + filled, newer + kFrameSamples, int16_t{0});
    return count;
}

// The previous file's last 256 bytes are taken as 128 little-endian samples whatever its layout; a shorter
// file gives the samples it has at the end of the history, zeros in front of them.
void StreamEncoder::readHistory() {
    history_.fill(0);
    if (!previousFile_) return;
    std::FILE* file = previousFile_.get();
    if (std::fseek(file, 0, SEEK_END) != 0)
        throw TeskError(systemErrorMessage("read previous wav file", previousPath_, errno));
    const long length = std::ftell(file);
    if (length < 0) throw TeskError(systemErrorMessage("read previous wav file", previousPath_, errno));
    const long bytes = std::min(length, kHistoryBytes) / 2 * 2;
    if (std::fseek(file, length - bytes, SEEK_SET) != 0) {
        throw TeskError(systemErrorMessage("read previous wav file", previousPath_, errno));
    }
    std::array<unsigned char, kHistoryBytes> raw{};
    if (std::fread(raw.data(), 1, static_cast<size_t>(bytes), file) != static_cast<size_t>(bytes)) {
        const int cause = std::ferror(file) ? errno : EIO;
        throw TeskError(systemErrorMessage("read previous wav file", previousPath_, cause));
    }
    const long samples = bytes / 2;
    int16_t* history = history_.data() + kFrameSamples - samples;
    for (long i = 0; i < samples; ++i) {
        history[i] = static_cast<int16_t>(static_cast<uint16_t>(raw[2 * i] | (raw[2 * i + 1] << 8)));
    }
    previousFile_.reset();
}

bool StreamEncoder::writeControlWord(int32_t previousCount, int32_t count) {
    // A line whose frame has already been coded is applied at this frame rather than never.
    const bool due = nextEvent_ && nextEvent_->position <= position_;
    if (!due && count != 0) return false;
    int32_t word = 0;
    if (count != 0) {
        word = (nextEvent_->eventId << kEventIdShift) + nextEvent_->rate;
        if (nextEvent_->rate != EventLine::kNoRateChange) frameEncoder_.setRate(nextEvent_->rate);
    } else {
        // The end of the input: the count of samples this last frame stands for; a due rate change is dropped.
        word = previousCount + kSampleCountFlag;
        if (due) word += nextEvent_->eventId << kEventIdShift;
    }
    output_->write(kControlMarker, static_cast<uint16_t>(word & 0xFFFF));
    readNextEvent();
    return true;
}

void StreamEncoder::readNextEvent() { nextEvent_ = eventFile_ ? eventFile_->next() : std::nullopt; }

}  // namespace tesk
