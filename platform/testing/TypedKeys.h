#pragma once
// Keys typed into whatever modal loop runs next, one at each tick of a timer, as a user types: each key reaches
// the window that has the focus once the keys before it were handled. Lives on the UI thread.
#include <cstddef>
#include <memory>
#include <vector>

namespace framework {
class TObject;
class TTimer;
}  // namespace framework

namespace testdriver {

class TypedKeys {
  public:
    explicit TypedKeys(std::vector<int> keys);
    ~TypedKeys();
    TypedKeys(const TypedKeys&) = delete;
    TypedKeys& operator=(const TypedKeys&) = delete;

  private:
    void TypeNext(framework::TObject* sender);

    std::vector<int> keys_;
    std::size_t next_ = 0;
    std::unique_ptr<framework::TTimer> timer_;
};

}  // namespace testdriver
