#pragma once
#include <string>

// Where the resampler writes its temporary copy of an input: beside it, as "r_" and the input's file name, or,
// when a file of that name is there already (the user's own, never to be overwritten), the first free name of
// "r_2_", "r_3_", ... and the file name.
std::string ResampleCopyName(const std::string& input);
