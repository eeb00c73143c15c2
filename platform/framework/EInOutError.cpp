#include "platform/framework/EInOutError.h"

#include <cstring>

namespace framework {

namespace {

// strerror_r: file errors are raised on worker threads too.
std::string OsErrorText(int errorCode) {
    char buffer[256];
    return strerror_r(errorCode, buffer, sizeof buffer);
}

}  // namespace

EInOutError::EInOutError(const std::string& what, int errorCode)
    : Exception(what + ": " + OsErrorText(errorCode)), errorCode_(errorCode) {}

}  // namespace framework
