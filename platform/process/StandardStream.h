#pragma once

namespace platform::process {

enum class StandardStream { Input, Output, Error };

}  // namespace platform::process
