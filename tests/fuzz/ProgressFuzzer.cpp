// The parsers of the encoders' output on any text: the MP3 encoder's and decoder's progress lines and the Finch
// encoder's frame lines, fed in the chunks a pipe might deliver. The records go to no window and are dropped.
#include <cstdint>
#include <string>

#include "trackmill/app/jobs/KelmEncodeProcess.h"
#include "trackmill/app/jobs/Mp3EncodeProcess.h"

namespace {

class FinchJob : public TKelmEncodeProcess {
  public:
    FinchJob() { FMode = jmFinchEncode; }
    using TKelmEncodeProcess::ParseOutput;
    using TKelmEncodeProcess::ResetProgress;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses where the text is cut into chunks, as reads of a pipe cut it.
    const std::size_t chunk = 1 + data[0] % 64;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    TMp3EncodeProcess encoder;
    TMp3EncodeProcess decoder;
    FinchJob finch;
    finch.ResetProgress();
    for (std::size_t at = 0; at < text.size(); at += chunk) {
        const std::string piece = text.substr(at, chunk);
        encoder.ParseEncodeOutput(piece);
        decoder.ParseDecodeOutput(piece);
        finch.ParseOutput(piece);
    }
    return 0;
}
