#include "platform/framework/TTimer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"

using framework::TObject;
using framework::TTimer;

namespace {

// Dispatches messages for the given time, or until done() holds.
void Pump(
    std::chrono::milliseconds span, const std::function<bool()>& done = [] { return false; }) {
    const auto deadline = std::chrono::steady_clock::now() + span;
    win::MSG msg{};
    while (std::chrono::steady_clock::now() < deadline && !done()) {
        while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) win::DispatchMessage(&msg);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

class Ticks {
  public:
    void OnTimer(TObject* sender) {
        lastSender = sender;
        ++count;
        if (freeAt && count == freeAt) delete owned;
    }
    int count = 0;
    int freeAt = 0;
    TTimer* owned = nullptr;
    TObject* lastSender = nullptr;
};

framework::TNotifyEvent Handler(Ticks& ticks) { return framework::TNotifyEvent::Bind<&Ticks::OnTimer>(&ticks); }

}  // namespace

TEST(Timer, FiresRepeatedlyThroughTheMessageLoop) {
    Ticks ticks;
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.SetOnTimer(Handler(ticks));
    Pump(std::chrono::seconds(5), [&] { return ticks.count >= 3; });
    EXPECT_GE(ticks.count, 3);
    EXPECT_EQ(ticks.lastSender, &timer);
}

TEST(Timer, ADisabledTimerOrAZeroIntervalDoesNotFire) {
    Ticks ticks;
    TTimer disabled(nullptr);
    disabled.SetInterval(5);
    disabled.SetEnabled(false);
    disabled.SetOnTimer(Handler(ticks));
    TTimer zero(nullptr);
    zero.SetInterval(0);
    zero.SetOnTimer(Handler(ticks));
    Pump(std::chrono::milliseconds(60));
    EXPECT_EQ(ticks.count, 0);
    disabled.SetEnabled(true);
    Pump(std::chrono::seconds(5), [&] { return ticks.count >= 1; });
    EXPECT_GE(ticks.count, 1);
}

TEST(Timer, AHandlerMayFreeItsTimer) {
    Ticks ticks;
    ticks.owned = new TTimer(nullptr);
    ticks.freeAt = 2;
    ticks.owned->SetInterval(5);
    ticks.owned->SetOnTimer(Handler(ticks));
    Pump(std::chrono::milliseconds(200));
    EXPECT_EQ(ticks.count, 2);
}

TEST(Timer, AnOwnedTimerGoesWithItsOwner) {
    Ticks ticks;
    auto* form = new framework::TComponent(nullptr);
    auto* timer = new TTimer(form);
    timer->SetInterval(5);
    timer->SetOnTimer(Handler(ticks));
    delete form;
    Pump(std::chrono::milliseconds(50));
    EXPECT_EQ(ticks.count, 0);
}
