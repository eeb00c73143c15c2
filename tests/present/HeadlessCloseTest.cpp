// A headless scripted run ends by itself: the presenter closes the active window once the set time has passed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "platform/present/HeadlessPresenter.h"
#include "platform/present/PresenterChoice.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/Presenter.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

using namespace win;

namespace {

using std::chrono::milliseconds;

LRESULT Plain(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProc(hwnd, msg, wParam, lParam); }

HWND ShownWindow() {
    static const bool registered = [] {
        WNDCLASS wc;
        wc.lpfnWndProc = Plain;
        wc.lpszClassName = "HeadlessCloseTest";
        return RegisterClass(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    return CreateWindowEx(0, "HeadlessCloseTest", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr, nullptr);
}

std::size_t ClosesQueued(HWND hwnd) { return testdriver::QueuedMessages(hwnd, WM_CLOSE, WM_CLOSE); }

class HeadlessClose : public ::testing::Test {
  protected:
    void TearDown() override {
        for (HWND hwnd : {first, second})
            if (hwnd) DestroyWindow(hwnd);
        user::SetPresenter(nullptr);
    }
    HWND first = nullptr;
    HWND second = nullptr;
};

TEST_F(HeadlessClose, TheActiveWindowIsClosedOnceTheTimeHasPassedAndEachNextActiveOneAfterIt) {
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>(milliseconds(40)));
    user::Presenter* presenter = user::CurrentPresenter();
    first = ShownWindow();
    SetActiveWindow(first);
    presenter->present();
    EXPECT_EQ(ClosesQueued(first), 0u);

    std::this_thread::sleep_for(milliseconds(60));
    presenter->present();
    presenter->present();
    EXPECT_EQ(ClosesQueued(first), 1u);  // a window that stays after its close is not asked again

    second = ShownWindow();
    SetActiveWindow(second);
    presenter->present();
    EXPECT_EQ(ClosesQueued(second), 1u);
    EXPECT_EQ(ClosesQueued(first), 1u);
}

TEST_F(HeadlessClose, WithoutATimeNothingIsClosed) {
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    first = ShownWindow();
    SetActiveWindow(first);
    std::this_thread::sleep_for(milliseconds(20));
    user::CurrentPresenter()->present();
    EXPECT_EQ(ClosesQueued(first), 0u);
}

TEST_F(HeadlessClose, TheEnvironmentSetsTheTimeAndAMalformedOneIsIgnored) {
    setenv("TRACKMILL_HEADLESS", "1", 1);
    setenv("TRACKMILL_HEADLESS_CLOSE_AFTER_MS", "0", 1);
    EXPECT_EQ(present::InstallPresenter(), present::PresenterKind::Headless);
    first = ShownWindow();
    SetActiveWindow(first);
    user::CurrentPresenter()->present();
    EXPECT_EQ(ClosesQueued(first), 1u);

    setenv("TRACKMILL_HEADLESS_CLOSE_AFTER_MS", "0x", 1);
    EXPECT_EQ(present::InstallPresenter(), present::PresenterKind::Headless);
    second = ShownWindow();
    SetActiveWindow(second);
    user::CurrentPresenter()->present();
    EXPECT_EQ(ClosesQueued(second), 0u);
    unsetenv("TRACKMILL_HEADLESS_CLOSE_AFTER_MS");
    unsetenv("TRACKMILL_HEADLESS");
}

}  // namespace
