#include "teskenc/stream/TeskencProgram.h"

#include <optional>
#include <string>
#include <vector>

#include "soundfile/SameFile.h"
#include "teskenc/codec/CodecError.h"
#include "teskenc/stream/AsciiCase.h"
#include "teskenc/stream/ControlFile.h"
#include "teskenc/stream/ErrorText.h"
#include "teskenc/stream/StreamDecoder.h"
#include "teskenc/stream/StreamEncoder.h"
#include "teskenc/stream/TeskError.h"

namespace tesk {

namespace {

constexpr const char* kSection = "TESK";

struct Settings {
    std::string inputPath;
    std::string encodePath;
    std::optional<std::string> eventPath;
    std::optional<std::string> previousPath;
    std::optional<std::string> nextPath;
    std::optional<int32_t> startRate;
    std::string decodePath;
};

std::string readText(const ControlFile& control, const char* key) {
    std::string value;
    control.getString(kSection, key, value);
    return value;
}

std::optional<std::string> readOptionalPath(const ControlFile& control, const char* key) {
    std::string value = readText(control, key);
    if (equalsIgnoringAsciiCase(value, "none")) return std::nullopt;
    return value;
}

Settings readSettings(const ControlFile& control) {
    Settings settings;
    settings.inputPath = readText(control, "input_wavfile");
    settings.encodePath = readText(control, "encode_file");
    settings.eventPath = readOptionalPath(control, "rate_event_file");
    settings.previousPath = readOptionalPath(control, "previous_wavefile");
    settings.nextPath = readOptionalPath(control, "next_wavefile");
    int32_t startRate = 0;
    if (control.getInt(kSection, "start_up_data_rate", startRate)) settings.startRate = startRate;
    // "none" is no switch here: the decoded file is then named none.
    settings.decodePath = readText(control, "decode_file");
    return settings;
}

// The files written must not be any other file of the run: creating them would destroy it.
void requireDistinctFiles(const Settings& settings) {
    struct Role {
        const char* key;
        std::string path;
        bool written;
    };
    std::vector<Role> roles = {{"input_wavfile", settings.inputPath, false},
                               {"encode_file", settings.encodePath, true}};
    if (settings.eventPath) roles.push_back({"rate_event_file", *settings.eventPath, false});
    if (settings.previousPath) roles.push_back({"previous_wavefile", *settings.previousPath, false});
    if (settings.nextPath) roles.push_back({"next_wavefile", *settings.nextPath, false});
    roles.push_back({"decode_file", settings.decodePath, true});
    for (const Role& output : roles) {
        if (!output.written || output.path.empty()) continue;
        for (const Role& other : roles) {
            if (&other == &output || other.path.empty() ||
                !soundfile::isSameFile(output.path, other.path, soundfile::NewNames::CompareByPath))
                continue;
            throw TeskError(
                formatMessage("%s and %s name the same file [%s]\n", output.key, other.key, output.path.c_str()));
        }
    }
}

void encode(const Settings& settings) {
    StreamEncoder encoder(settings.startRate,
                          StreamEncoderFiles{settings.encodePath, settings.inputPath, settings.eventPath,
                                             settings.previousPath, settings.nextPath});
    encoder.run();
}

void decode(const Settings& settings) {
    StreamDecoder decoder(settings.encodePath, settings.decodePath);
    decoder.run();
    decoder.finish();
}

}  // namespace

int runTeskenc(int argc, const char* const* argv, std::FILE* errors) {
    try {
        const ControlFile control(argc > 1 ? argv[1] : "", argc, argv);
        const Settings settings = readSettings(control);
        requireDistinctFiles(settings);
        encode(settings);
        decode(settings);
    } catch (const TeskError& error) {
        std::fputs(error.what(), errors);
        return 1;
    } catch (const CodecError& error) {
        std::fputs(error.what(), errors);
        return 1;
    }
    return 0;
}

}  // namespace tesk
