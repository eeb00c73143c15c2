// The clipboard's text: kept by the window layer without a display, the display's own when it has one.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/user/Clipboard.h"
#include "platform/user/Presenter.h"

namespace {

// A display whose clipboard other programs share.
class SharedClipboardDisplay : public user::Presenter {
  public:
    explicit SharedClipboardDisplay(std::string* held) : held_(held) {}
    void windowChanged(win::HWND) override {}
    void windowDestroyed(win::HWND) override {}
    void pixelsChanged(win::HWND, const win::RECT&) override {}
    void windowActivated(win::HWND) override {}
    void present() override {}
    bool waitForInput(std::optional<Clock::time_point>) override { return false; }
    void wake() override {}
    void setClipboardText(const std::string& text) override { *held_ = text; }
    std::string clipboardText() override { return *held_; }

  private:
    std::string* held_;
};

class ClipboardTest : public ::testing::Test {
  protected:
    void TearDown() override { user::SetPresenter(std::move(previous_)); }
    void Use(std::unique_ptr<user::Presenter> presenter) { previous_ = user::SetPresenter(std::move(presenter)); }

  private:
    std::unique_ptr<user::Presenter> previous_;
};

TEST_F(ClipboardTest, WithoutADisplayTheTextIsKeptForTheProgram) {
    Use(nullptr);
    user::SetClipboardText("路径 /tmp/a b");
    EXPECT_EQ(user::ClipboardText(), "路径 /tmp/a b");
    user::SetClipboardText("");
    EXPECT_EQ(user::ClipboardText(), "");
}

TEST_F(ClipboardTest, ADisplaysClipboardIsSharedBothWays) {
    std::string shared = "copied in another program";
    Use(std::make_unique<SharedClipboardDisplay>(&shared));
    EXPECT_EQ(user::ClipboardText(), "copied in another program");
    user::SetClipboardText("copied here");
    EXPECT_EQ(shared, "copied here");
    EXPECT_EQ(user::ClipboardText(), "copied here");
}

}  // namespace
