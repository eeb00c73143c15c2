#pragma once

#include "platform/process/StandardStream.h"

#include <string>
#include <system_error>

namespace platform::process {

// A pipe for one of the child's standard streams could not be made; code() holds errno.
class PipeCreationError : public std::system_error {
  public:
    PipeCreationError(StandardStream stream, int error, const std::string& what)
        : std::system_error(error, std::generic_category(), what), stream_(stream) {}

    StandardStream stream() const { return stream_; }

  private:
    StandardStream stream_;
};

}  // namespace platform::process
