// teskenc's control file on any bytes: sections, key lines, comments and "%N" values, then the lookups the
// program makes.
#include <cstdint>
#include <string>

#include "FuzzInputFile.h"
#include "teskenc/stream/ControlFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzzing::WriteInputFile(data, size, ".txt");
    const char* const argv[] = {"teskenc", name.c_str(), "2", "in.wav", "out.lrk"};
    const tesk::ControlFile control(name, 5, argv);
    for (const char* key :
         {"input_wavfile", "encode_file", "rate_event_file", "previous_wavefile", "next_wavefile", "decode_file"}) {
        std::string value;
        control.getString("TESK", key, value);
    }
    std::int32_t rate = 0;
    control.getInt("tesk", "start_up_data_rate", rate);
    return 0;
}
