#include "platform/framework/Exception.h"

namespace framework {

Exception::Exception(std::string message) : message_(std::move(message)) {}

}  // namespace framework
