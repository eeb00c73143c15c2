#pragma once
// The lines of one chunk of a child's output: CR LF, a lone CR and a lone LF each end a line; lines that are
// empty once trimmed are left out. Lines come back untrimmed, as their columns count from their first character.
#include <string>
#include <vector>

std::vector<std::string> OutputLines(const std::string& chunk);
