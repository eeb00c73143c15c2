// Hints: shown below the pointer after the mouse rests on a control that has one; gone on leave, click or key.
#include <chrono>

#include "ControlsFixture.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/HintWindow.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"

using namespace framework;
using namespace std::chrono_literals;

namespace {

bool HintAppears() {
    return testdriver::PumpUntil([] { return framework::ShownHintWindow() != nullptr; }, 3s);
}

// Long enough past the pause for a hint that would come to have come.
bool HintStaysAway() {
    return !testdriver::PumpUntil([] { return framework::ShownHintWindow() != nullptr; },
                                  std::chrono::milliseconds(kHintPauseMs * 2));
}

}  // namespace

TEST_F(ControlsTest, AToolButtonsHintShowsAfterThePauseBelowThePointerAndGoesOnLeaveClickOrKey) {
    TForm* form = ShowForm();
    auto* bar = new TToolBar(form);
    bar->SetParent(form);
    auto* first = new TToolButton(form);
    first->SetParent(bar);
    first->SetHint("开始抓取音轨");
    auto* second = new TToolButton(form);
    second->SetParent(bar);
    second->SetHint("Options");
    auto* plain = new TEdit(form);
    plain->SetParent(form);
    plain->SetBounds(10, 200, 100, 21);
    testdriver::PumpUntilIdle();

    const win::POINT onFirst = Centre(*first);
    testdriver::MoveMouse(onFirst);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(ShownHintWindow(), nullptr) << "no hint before the pause";
    ASSERT_TRUE(HintAppears());
    win::RECT r{};
    win::GetWindowRect(ShownHintWindow(), &r);
    EXPECT_GT(r.top, onFirst.y) << "below the pointer";
    EXPECT_LE(r.left, onFirst.x + 1);
    EXPECT_GT(r.right - r.left, 40) << "wide enough for its text";
    testdriver::PumpUntilIdle();
    EXPECT_EQ(testdriver::ScreenPixel(r.left, r.top), win::GetSysColor(win::COLOR_WINDOWFRAME));
    EXPECT_EQ(testdriver::ScreenPixel(r.left + 1, r.top + 1), win::GetSysColor(win::COLOR_INFOBK));

    // Leaving for a control without a hint takes it away, and none comes.
    testdriver::MoveMouse(Centre(*plain));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(ShownHintWindow(), nullptr);
    EXPECT_TRUE(HintStaysAway());

    // A click hides it, and it stays away while the mouse stays on the button.
    testdriver::MoveMouse(Centre(*second));
    ASSERT_TRUE(HintAppears());
    testdriver::Click(Centre(*second));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(ShownHintWindow(), nullptr);
    EXPECT_TRUE(HintStaysAway());

    // So does a key; entering another button brings a hint again.
    testdriver::MoveMouse(onFirst);
    ASSERT_TRUE(HintAppears());
    testdriver::PressKey(win::VK_SHIFT);
    testdriver::ReleaseKey(win::VK_SHIFT);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(ShownHintWindow(), nullptr);
}
