#pragma once
// An ordered list of strings. Copies are independent: a window keeps its own copy of a list its creator frees.
#include <string>
#include <vector>

#include "platform/framework/TPersistent.h"

namespace framework {

class TStringList : public TPersistent {
  public:
    TStringList() = default;

    // The index of the new string.
    int Add(std::string text);
    int Count() const { return static_cast<int>(strings_.size()); }
    // Raises Exception for an index outside 0..Count()-1.
    const std::string& Strings(int index) const;
    // The index of the first string equal to text; -1 when there is none.
    int IndexOf(const std::string& text) const;
    void Clear() { strings_.clear(); }
    void Assign(const TStringList& source) { strings_ = source.strings_; }

  private:
    void CheckIndex(int index) const;

    std::vector<std::string> strings_;
};

}  // namespace framework
