#pragma once
// A method pointer: code plus the object it is bound to. Two method pointers can be compared by their code
// alone ("is this control's window procedure already ControlWndProc, whatever object it is bound to?") or by
// code and object together.
#include <utility>

namespace framework {

namespace detail {

template <typename MemberPointer>
struct MemberOf;
template <typename R, typename C, typename... A>
struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};
template <typename R, typename C, typename... A>
struct MemberOf<R (C::*)(A...) const> {
    using Class = const C;
};

}  // namespace detail

template <typename Signature>
class TMethod;

template <typename R, typename... Args>
class TMethod<R(Args...)> {
  public:
    // One distinct function per bound member function: its address is the method's code identity.
    using Code = R (*)(void* object, Args... args);

    TMethod() = default;

    template <auto Member>
    static TMethod Bind(typename detail::MemberOf<decltype(Member)>::Class* object) {
        return TMethod(CodeOf<Member>(), const_cast<void*>(static_cast<const void*>(object)));
    }

    template <auto Member>
    static Code CodeOf() {
        return &Trampoline<Member>;
    }

    template <auto Member>
    bool Runs() const {
        return code_ == CodeOf<Member>();
    }

    Code code() const { return code_; }
    void* object() const { return object_; }
    bool SameCode(const TMethod& other) const { return code_ == other.code_; }

    explicit operator bool() const { return code_ != nullptr; }
    R operator()(Args... args) const { return code_(object_, std::forward<Args>(args)...); }

    friend bool operator==(const TMethod&, const TMethod&) = default;

  private:
    TMethod(Code entry, void* target) : code_(entry), object_(target) {}

    template <auto Member>
    static R Trampoline(void* object, Args... args) {
        using Class = typename detail::MemberOf<decltype(Member)>::Class;
        return (static_cast<Class*>(object)->*Member)(std::forward<Args>(args)...);
    }

    Code code_ = nullptr;
    void* object_ = nullptr;
};

}  // namespace framework
