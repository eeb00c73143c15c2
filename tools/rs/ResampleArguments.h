#pragma once

#include <optional>
#include <string>
#include <vector>

// The resampler's command line: "rs [-r rate] [-c channels] [-b bits] source destination", the options in
// any order, each at most once, then exactly two paths ("--" ends the options early). An option left out keeps
// the source's value.
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
