#pragma once
// Root of the framework's classes: every object can name its own class exactly and test its kind.
#include <string>

namespace framework {

class TObject {
  public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;

    // The C++ class name of the object's dynamic type without namespaces ("TBitBtn"), so that code that tells
    // controls apart by name works for every class without each class having to spell its own name.
    std::string ClassName() const;
    bool ClassNameIs(const std::string& name) const;

    // True for T and every class derived from it.
    template <typename T>
    bool InheritsFrom() const {
        return dynamic_cast<const T*>(this) != nullptr;
    }
};

}  // namespace framework
