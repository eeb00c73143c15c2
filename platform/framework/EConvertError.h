#pragma once
// Raised when text does not convert to the number asked for.
#include "platform/framework/Exception.h"

namespace framework {

class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

}  // namespace framework
