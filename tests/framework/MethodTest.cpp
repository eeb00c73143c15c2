#include "platform/framework/TMethod.h"

#include <gtest/gtest.h>

namespace {

struct Message {
    unsigned msg = 0;
    long result = 0;
};

using WndMethod = framework::TMethod<void(Message&)>;

class Subclasser {
  public:
    explicit Subclasser(long mark) : mark_(mark) {}
    void ControlWndProc(Message& message) { message.result = mark_ + message.msg; }
    void OtherProc(Message& message) { message.result = -mark_; }
    int Twice(int value) const { return 2 * value + static_cast<int>(mark_); }

  private:
    long mark_;
};

}  // namespace

TEST(Method, CallsTheBoundMemberOnTheBoundObject) {
    Subclasser first(100);
    Subclasser second(200);
    Message message{5, 0};
    WndMethod::Bind<&Subclasser::ControlWndProc> (&second)(message);
    EXPECT_EQ(message.result, 205);
    WndMethod::Bind<&Subclasser::OtherProc> (&first)(message);
    EXPECT_EQ(message.result, -100);
}

TEST(Method, CodeIdentityIgnoresTheBoundObject) {
    Subclasser first(1);
    Subclasser second(2);
    const auto a = WndMethod::Bind<&Subclasser::ControlWndProc>(&first);
    const auto b = WndMethod::Bind<&Subclasser::ControlWndProc>(&second);
    const auto other = WndMethod::Bind<&Subclasser::OtherProc>(&first);
    EXPECT_TRUE(a.SameCode(b));
    EXPECT_TRUE(b.Runs<&Subclasser::ControlWndProc>());
    EXPECT_FALSE(other.Runs<&Subclasser::ControlWndProc>());
    EXPECT_FALSE(a.SameCode(other));
    // Full equality needs the same object as well.
    EXPECT_NE(a, b);
    EXPECT_EQ(a, WndMethod::Bind<&Subclasser::ControlWndProc>(&first));
}

TEST(Method, AnUnsetMethodIsFalse) {
    WndMethod none;
    EXPECT_FALSE(none);
    EXPECT_FALSE(none.Runs<&Subclasser::ControlWndProc>());
    Subclasser owner(0);
    EXPECT_TRUE(WndMethod::Bind<&Subclasser::ControlWndProc>(&owner));
}

TEST(Method, ConstMembersBindToConstObjects) {
    const Subclasser owner(1);
    const auto twice = framework::TMethod<int(int)>::Bind<&Subclasser::Twice>(&owner);
    EXPECT_EQ(twice(20), 41);
}
