#pragma once
// Raised by file operations; carries the OS error number that caused it.
#include "platform/framework/Exception.h"

namespace framework {

class EInOutError : public Exception {
  public:
    // The message is what + ": " + the OS text of errorCode.
    EInOutError(const std::string& what, int errorCode);

    int ErrorCode() const { return errorCode_; }

  private:
    int errorCode_;
};

}  // namespace framework
