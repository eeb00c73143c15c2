#include "platform/framework/TStringList.h"

#include <algorithm>

#include "platform/framework/Exception.h"

namespace framework {

int TStringList::Add(std::string text) {
    strings_.push_back(std::move(text));
    return Count() - 1;
}

const std::string& TStringList::Strings(int index) const {
    CheckIndex(index);
    return strings_[static_cast<std::size_t>(index)];
}

int TStringList::IndexOf(const std::string& text) const {
    const auto it = std::find(strings_.begin(), strings_.end(), text);
    return it == strings_.end() ? -1 : static_cast<int>(it - strings_.begin());
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace framework
