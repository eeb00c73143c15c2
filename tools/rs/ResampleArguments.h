#pragma once

#include <optional>
#include <string>
#include <vector>

// The resampler's command line: "rs [-r rate] [-c channels] [-b bits] source destination", the options in
// any order, each at most once, then exactly two paths ("--" ends the options early).
struct ResampleArguments {
    std::optional<int> rate;
    std::optional<int> channels;
    std::optional<int> bits;
    std::string source;
    std::string destination;
};

// Fills arguments from args (the words after the program name); on a bad command line returns false and
// sets problem to a one-line reason.
bool parseResampleArguments(const std::vector<std::string>& args, ResampleArguments& arguments, std::string& problem);

// The sound converter's command line. Its format options apply to the file that follows them, so they
// stand before the destination: placed before the source they would relabel the input instead of
// converting it. Globbing is off for both names, and the output is WAV whatever its extension.
std::vector<std::string> soundConverterCommand(const ResampleArguments& arguments);
