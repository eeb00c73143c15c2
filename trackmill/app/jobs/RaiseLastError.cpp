#include "trackmill/app/jobs/RaiseLastError.h"

#include <cerrno>

#include "platform/framework/Exception.h"

void RaiseLastError(const std::string& Message) { RaiseLastError(Message, errno); }

void RaiseLastError(const std::string& Message, int errorNumber) {
    throw framework::Exception(Message + std::to_string(errorNumber));
}
