#pragma once
// UTF-8 to code points; malformed bytes become U+FFFD, one per byte.
#include <string>
#include <string_view>

namespace gdi::detail {

std::u32string DecodeUtf8(std::string_view text);

}  // namespace gdi::detail
