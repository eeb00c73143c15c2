#pragma once
// The framework's exception: a message for the user, shown by the application's default error box.
#include <exception>
#include <string>

namespace framework {

class Exception : public std::exception {
  public:
    explicit Exception(std::string message);

    const std::string& Message() const { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }
    const char* what() const noexcept override { return message_.c_str(); }

  private:
    std::string message_;
};

}  // namespace framework
