#pragma once
// The answer to "cddb query": the matches it names.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform::cdrom::detail {

// A category name must fit the query item's field with its terminator.
constexpr std::size_t kCddbCategoryBytes = 32;

struct CddbMatch {
    std::string category;
    unsigned discId = 0;
};

// 200 gives one exact match, 210 and 211 a list up to ".", 202 none; empty on anything else.
std::optional<std::vector<CddbMatch>> ParseQueryAnswer(const std::string& answer);

}  // namespace platform::cdrom::detail
