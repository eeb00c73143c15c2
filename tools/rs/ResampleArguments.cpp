#include "tools/rs/ResampleArguments.h"

#include <charconv>

namespace {

struct Limits {
    int lowest;
    int highest;
};

bool parseNumber(const std::string& text, Limits limits, int& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && value >= limits.lowest && value <= limits.highest;
}

}  // namespace

bool parseResampleArguments(const std::vector<std::string>& args, ResampleArguments& arguments, std::string& problem) {
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (optionsEnded || word.empty() || word.front() != '-' || word == "-") {
            paths.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<int>* slot = word == "-r"   ? &arguments.rate
                                   : word == "-c" ? &arguments.channels
                                   : word == "-b" ? &arguments.bits
                                                  : nullptr;
        if (!slot) {
            problem = "unknown option " + word;
            return false;
        }
        if (slot->has_value()) {
            problem = "option " + word + " given twice";
            return false;
        }
        if (i + 1 == args.size()) {
            problem = "option " + word + " needs a value";
            return false;
        }
        const std::string& text = args[++i];
        int value = 0;
        const bool valid = word == "-r"   ? parseNumber(text, {1000, 384000}, value)
                           : word == "-c" ? parseNumber(text, {1, 8}, value)
                                          : parseNumber(text, {8, 16}, value) && (value == 8 || value == 16);
        if (!valid) {
            problem = "bad value '" + text + "' for " + word +
                      (word == "-r"   ? " (1000 to 384000 Hz)"
                       : word == "-c" ? " (1 to 8 channels)"
                                      : " (8 or 16 bits)");
            return false;
        }
        *slot = value;
    }
    if (paths.size() != 2) {
        problem = "expected a source and a destination, got " + std::to_string(paths.size()) + " names";
        return false;
    }
    if (paths[0].empty() || paths[1].empty()) {
        problem = "empty file name";
        return false;
    }
    arguments.source = paths[0];
    arguments.destination = paths[1];
    return true;
}
