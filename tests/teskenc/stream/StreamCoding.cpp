#include "tests/teskenc/stream/StreamCoding.h"

#include <array>
#include <stdexcept>

#include "teskenc/stream/StreamDecoder.h"
#include "teskenc/stream/StreamEncoder.h"
#include "tests/support/FileBytes.h"
#include "tests/support/WavFixture.h"
#include "tests/teskenc/stream/TestFiles.h"

namespace tesk::test {

using namespace testsupport;

namespace {

// Words per frame by rate id, as the stream format lists them.
constexpr std::array<int, 11> kWordsPerFrame = {24, 16, 12, 0, 10, 12, 14, 16, 20, 22, 24};

std::vector<uint16_t> take(const std::vector<uint16_t>& words, size_t& at, int count) {
    if (count <= 0 || at + static_cast<size_t>(count) > words.size()) throw std::runtime_error("frame cut short");
    std::vector<uint16_t> frame(words.begin() + static_cast<long>(at), words.begin() + static_cast<long>(at) + count);
    at += static_cast<size_t>(count);
    return frame;
}

}  // namespace

ParsedStream parseStream(const std::vector<uint16_t>& words) {
    if (words.empty()) throw std::runtime_error("empty stream");
    ParsedStream stream;
    stream.header = words[0];
    int rate = stream.header & 0xFF;
    if (rate > 10) throw std::runtime_error("bad rate in header");
    size_t at = 1;
    stream.firstFrame = take(words, at, (stream.header & 0x8000) ? kWordsPerFrame[rate] : 20);
    while (at < words.size()) {
        FrameItem item;
        if (words[at] == 0xFFFF) {
            if (at + 1 >= words.size()) throw std::runtime_error("lone marker");
            item.control = words[at + 1];
            if ((*item.control & 0x100) == 0) rate = *item.control & 0xFF;
            if (rate > 10) throw std::runtime_error("bad rate in control word");
            at += 2;
        }
        item.rateId = rate;
        item.words = take(words, at, kWordsPerFrame[rate]);
        stream.items.push_back(item);
    }
    return stream;
}

std::vector<uint16_t> encodeSamples(const std::string& dir, const std::vector<int16_t>& samples, int32_t startRate,
                                    const std::optional<std::string>& events) {
    const std::string input = dir + "/input.wav";
    const std::string output = dir + "/output.lrk";
    writeWav(input, samples);
    std::optional<std::string> eventPath;
    if (events) {
        eventPath = dir + "/events.txt";
        writeFileText(*eventPath, *events);
    }
    StreamEncoder encoder(startRate, StreamEncoderFiles{output, input, eventPath, std::nullopt, std::nullopt});
    encoder.run();
    return readWords(output);
}

std::vector<int16_t> decodeStream(const std::string& dir, const std::string& streamPath) {
    const std::string wave = dir + "/decoded.wav";
    {
        StreamDecoder decoder(streamPath, wave);
        decoder.run();
        decoder.finish();
    }
    return readCanonicalWav(wave).samples;
}

}  // namespace tesk::test
