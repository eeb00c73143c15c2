#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tesk::test {

// One frame item of a Lark stream as a reader independent of the coders sees it.
struct FrameItem {
    std::optional<uint16_t> control;  // the word after 0xFFFF, when a control pair stands before the frame
    int rateId = 0;                   // rate id the frame is coded at
    std::vector<uint16_t> words;
};

struct ParsedStream {
    uint16_t header = 0;
    std::vector<uint16_t> firstFrame;
    std::vector<FrameItem> items;
};

// Splits a stream by the layout's rules; throws std::runtime_error when the words do not fit it.
ParsedStream parseStream(const std::vector<uint16_t>& words);

// Encodes samples (written as a WAVE file in dir) at startRate with an optional event file text; returns the
// stream's words.
std::vector<uint16_t> encodeSamples(const std::string& dir, const std::vector<int16_t>& samples, int32_t startRate,
                                    const std::optional<std::string>& events = std::nullopt);
// Decodes a stream file in process into a WAVE file and returns its samples.
std::vector<int16_t> decodeStream(const std::string& dir, const std::string& streamPath);

}  // namespace tesk::test
