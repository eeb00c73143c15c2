// A track bar under the mouse and the keyboard: paging by presses beside the thumb, dragging the thumb (also past
// the ends, where the capture keeps the mouse), and the keys.
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/TrackBar.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

struct Positions {
    TTrackBar* track = nullptr;
    std::vector<int> seen;
    void Changed(TObject*) { seen.push_back(track->Position()); }
};

class TrackBarInput : public ControlsTest {
  protected:
    // 117 pixels wide, 0..100: the channel runs from x = 8 to x = 108, one pixel per step.
    void SetUp() override {
        ControlsTest::SetUp();
        TForm* form = ShowForm();
        track = new TTrackBar(form);
        track->SetParent(form);
        track->SetBounds(10, 10, 117, 33);
        track->SetMax(100);
        track->SetPageSize(10);
        positions.track = track;
        track->OnChange = TNotifyEvent::Bind<&Positions::Changed>(&positions);
        testdriver::PumpUntilIdle();
    }
    win::POINT AtValue(int value) const { return At(*track, 8 + value, 10); }
    void Press(win::POINT at) {
        user::InputMouseButton(user::MouseButton::Left, true, at);
        testdriver::PumpUntilIdle();
    }
    void Release(win::POINT at) {
        user::InputMouseButton(user::MouseButton::Left, false, at);
        testdriver::PumpUntilIdle();
    }
    void Move(win::POINT at) {
        testdriver::MoveMouse(at);
        testdriver::PumpUntilIdle();
    }
    void Key(int virtualKey) {
        testdriver::PressKey(virtualKey);
        testdriver::ReleaseKey(virtualKey);
        testdriver::PumpUntilIdle();
    }

    TTrackBar* track = nullptr;
    Positions positions;
};

}  // namespace

TEST_F(TrackBarInput, APressBesideTheThumbPagesTowardsItAndAPressOnTheThumbDoesNot) {
    Press(AtValue(60));
    Release(AtValue(60));
    Press(AtValue(60));
    Release(AtValue(60));
    EXPECT_EQ(positions.seen, (std::vector<int>{10, 20}));
    Press(AtValue(23));
    Release(AtValue(23));
    EXPECT_EQ(track->Position(), 20) << "within five pixels of the thumb a press takes the thumb";
    Press(AtValue(0));
    Release(AtValue(0));
    EXPECT_EQ(track->Position(), 10);
    EXPECT_TRUE(track->Focused());
}

TEST_F(TrackBarInput, TheDraggedThumbFollowsTheMouseWithinTheEndsUntilReleased) {
    Press(AtValue(0));
    Move(AtValue(55));
    EXPECT_EQ(track->Position(), 55);
    Move(At(*track, 300, 10));
    EXPECT_EQ(track->Position(), 100) << "past the right end, outside the control";
    Move(At(*track, -50, 10));
    EXPECT_EQ(track->Position(), 0);
    Move(AtValue(30));
    Release(AtValue(30));
    Move(AtValue(70));
    EXPECT_EQ(track->Position(), 30) << "the thumb stays where it was let go";
    EXPECT_EQ(positions.seen, (std::vector<int>{55, 100, 0, 30}));
}

TEST_F(TrackBarInput, KeysStepPageAndJumpToTheEnds) {
    track->SetFocus();
    Key(win::VK_END);
    Key(win::VK_PRIOR);
    Key(win::VK_LEFT);
    Key(win::VK_DOWN);
    Key(win::VK_HOME);
    Key(win::VK_LEFT);
    Key(win::VK_NEXT);
    EXPECT_EQ(positions.seen, (std::vector<int>{100, 90, 89, 90, 0, 10})) << "nothing below the minimum";
}
