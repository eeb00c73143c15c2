#include "platform/framework/TStringList.h"

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

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace framework
