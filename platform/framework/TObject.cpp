#include "platform/framework/TObject.h"

#include <cxxabi.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <typeindex>
#include <typeinfo>

namespace framework {

namespace {

// "a::b::TFoo<c::X>" -> "TFoo<c::X>": only qualifiers outside template arguments and parameter lists go.
std::string WithoutQualifiers(const std::string& name) {
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == '<' || c == '(')
            ++depth;
        else if (c == '>' || c == ')')
            --depth;
        else if (depth == 0 && c == ':' && i + 1 < name.size() && name[i + 1] == ':')
            start = i + 2;
    }
    return name.substr(start);
}

std::string Demangled(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                    std::free);
    return WithoutQualifiers(status == 0 && readable ? readable.get() : type.name());
}

}  // namespace

std::string TObject::ClassName() const {
    static std::mutex mutex;
    static std::map<std::type_index, std::string> names;
    const std::type_info& type = typeid(*this);
    std::lock_guard lock(mutex);
    auto [it, added] = names.try_emplace(std::type_index(type));
    if (added) it->second = Demangled(type);
    return it->second;
}

bool TObject::ClassNameIs(const std::string& name) const { return ClassName() == name; }

}  // namespace framework
