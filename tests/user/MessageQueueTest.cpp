#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

#include "TestWindow.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/MessagePayload.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

using namespace win;
using usertest::TestWindow;

namespace {

constexpr UINT kPing = WM_USER + 1;

std::vector<WPARAM> PingArguments(const TestWindow& w) {
    std::vector<WPARAM> out;
    for (const MSG& m : w.received())
        if (m.message == kPing) out.push_back(m.wParam);
    return out;
}

struct CountedPayload : MessagePayload {
    explicit CountedPayload(std::atomic<int>* counter, int payloadValue) : alive(counter), value(payloadValue) {
        ++*alive;
    }
    ~CountedPayload() override { --*alive; }
    std::atomic<int>* alive;
    int value;
};

class MessageQueueTest : public ::testing::Test {
  protected:
    void SetUp() override { testdriver::PumpUntilIdle(); }
    TestWindow window{RECT{0, 0, 50, 50}};
};

TEST_F(MessageQueueTest, PostedMessagesArriveInOrderAndNeverInline) {
    for (WPARAM i = 0; i < 100; ++i) ASSERT_TRUE(PostMessage(window.hwnd(), kPing, i, 0));
    EXPECT_TRUE(PingArguments(window).empty()) << "posting must not run the procedure";
    EXPECT_EQ(testdriver::QueuedMessages(window.hwnd(), kPing, kPing), 100u);
    testdriver::PumpUntilIdle();
    std::vector<WPARAM> expected(100);
    for (WPARAM i = 0; i < 100; ++i) expected[i] = i;
    EXPECT_EQ(PingArguments(window), expected);
}

TEST_F(MessageQueueTest, EightThreadsPostingAtOnceLoseNothing) {
    constexpr int kThreads = 8;
    constexpr int kEach = 5000;
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            while (!go) std::this_thread::yield();
            for (int i = 0; i < kEach; ++i) PostMessage(window.hwnd(), kPing, static_cast<WPARAM>(t * kEach + i), 0);
        });
    }
    go = true;
    for (auto& th : threads) th.join();
    testdriver::PumpUntilIdle();
    const auto got = PingArguments(window);
    ASSERT_EQ(got.size(), static_cast<std::size_t>(kThreads * kEach));
    // Every message once, and each thread's messages in the order it posted them.
    std::vector<int> lastSeen(kThreads, -1);
    std::set<WPARAM> distinct(got.begin(), got.end());
    EXPECT_EQ(distinct.size(), got.size());
    for (WPARAM v : got) {
        const int t = static_cast<int>(v) / kEach;
        const int i = static_cast<int>(v) % kEach;
        EXPECT_GT(i, lastSeen[static_cast<std::size_t>(t)]);
        lastSeen[static_cast<std::size_t>(t)] = i;
    }
}

TEST_F(MessageQueueTest, GetMessageWakesForAPostFromAnotherThread) {
    std::thread poster([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        PostMessage(window.hwnd(), kPing, 7, 0);
    });
    ASSERT_TRUE(WaitMessage());
    EXPECT_EQ(testdriver::QueuedMessages(window.hwnd(), kPing, kPing), 1u) << "WaitMessage leaves the message";
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, window.hwnd(), kPing, kPing));
    poster.join();
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(MessageQueueTest, PumpUntilWaitsForAWorkersMessage) {
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        PostMessage(window.hwnd(), kPing, 9, 0);
    });
    EXPECT_TRUE(testdriver::PumpUntil([&] { return !PingArguments(window).empty(); }, std::chrono::seconds(5)));
    worker.join();
    EXPECT_FALSE(testdriver::PumpUntil([] { return false; }, std::chrono::milliseconds(10)));
}

TEST_F(MessageQueueTest, OwnedPayloadLivesThroughDispatchAndIsFreedAfter) {
    std::atomic<int> alive{0};
    int seen = 0;
    window.onMessage([&](UINT msg, WPARAM, LPARAM lParam, LRESULT*) {
        if (msg == kPing) seen = reinterpret_cast<CountedPayload*>(lParam)->value;
        return false;
    });
    ASSERT_TRUE(PostOwnedMessage(window.hwnd(), kPing, 0, std::make_unique<CountedPayload>(&alive, 42)));
    EXPECT_EQ(alive, 1);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(seen, 42);
    EXPECT_EQ(alive, 0);
}

TEST_F(MessageQueueTest, PayloadForADestroyedWindowIsFreed) {
    std::atomic<int> alive{0};
    auto doomed = std::make_unique<TestWindow>(RECT{0, 0, 10, 10});
    const HWND hwnd = doomed->hwnd();
    for (int i = 0; i < 3; ++i) PostOwnedMessage(hwnd, kPing, 0, std::make_unique<CountedPayload>(&alive, i));
    EXPECT_EQ(alive, 3);
    doomed.reset();
    EXPECT_EQ(alive, 0) << "dropping the window's messages frees their payloads";
    // Posting to the stale handle fails and frees the payload at once.
    EXPECT_FALSE(PostOwnedMessage(hwnd, kPing, 0, std::make_unique<CountedPayload>(&alive, 9)));
    EXPECT_EQ(alive, 0);
}

TEST_F(MessageQueueTest, PayloadTakenButDestroyedBeforeDispatchIsFreed) {
    std::atomic<int> alive{0};
    auto doomed = std::make_unique<TestWindow>(RECT{0, 0, 10, 10});
    PostOwnedMessage(doomed->hwnd(), kPing, 0, std::make_unique<CountedPayload>(&alive, 1));
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, doomed->hwnd(), kPing, kPing, PM_REMOVE));
    doomed.reset();
    EXPECT_EQ(DispatchMessage(&msg), 0);
    EXPECT_EQ(alive, 0);
}

TEST_F(MessageQueueTest, PeekFiltersByWindowAndRangeAndCanLeaveTheMessage) {
    TestWindow other(RECT{0, 0, 10, 10});
    PostMessage(other.hwnd(), 48307, 0, 0);
    PostMessage(window.hwnd(), 48306, 0, 0);
    PostMessage(window.hwnd(), 48308, 5, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, window.hwnd(), 48307, 48308, PM_NOREMOVE));
    EXPECT_EQ(msg.message, 48308u);
    EXPECT_EQ(msg.wParam, 5u);
    EXPECT_EQ(testdriver::QueuedMessages(window.hwnd(), 48307, 48308), 1u) << "PM_NOREMOVE leaves it queued";
    EXPECT_FALSE(PeekMessage(&msg, window.hwnd(), 48309, 48400, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 48307, 48308, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, other.hwnd()) << "no window filter: the oldest in range of any window";
    EXPECT_EQ(testdriver::QueuedMessages(nullptr, 48306, 48308), 2u);
}

TEST_F(MessageQueueTest, StaleHandlesFailCleanlyAndAreNeverReused) {
    std::set<HWND> seen;
    for (int i = 0; i < 100; ++i) {
        TestWindow w(RECT{0, 0, 5, 5});
        EXPECT_TRUE(seen.insert(w.hwnd()).second);
    }
    const HWND stale = *seen.begin();
    EXPECT_FALSE(IsWindow(stale));
    EXPECT_FALSE(PostMessage(stale, kPing, 0, 0));
    EXPECT_EQ(SendMessage(stale, kPing, 0, 0), 0);
    EXPECT_EQ(GetWindowLong(stale, GWL_USERDATA), 0);
    RECT r{1, 2, 3, 4};
    EXPECT_FALSE(GetWindowRect(stale, &r));
    EXPECT_FALSE(DestroyWindow(stale));
}

TEST_F(MessageQueueTest, TimersComeAfterPostedMessagesAndCoalesce) {
    ASSERT_EQ(SetTimer(window.hwnd(), 3, 40, nullptr), 3u);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // several intervals go by
    PostMessage(window.hwnd(), kPing, 0, 0);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(window.receivedIds({kPing, WM_TIMER}), (std::vector<UINT>{kPing, WM_TIMER}));
    KillTimer(window.hwnd(), 3);
    window.clear();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(window.receivedIds({WM_TIMER}).empty());
}

TEST_F(MessageQueueTest, QuitEndsGetMessage) {
    PostMessage(window.hwnd(), kPing, 0, 0);
    PostQuitMessage(3);
    MSG msg;
    EXPECT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, kPing);
    EXPECT_FALSE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageQueueTest, EveryLoopRunsThePendingCallsHook) {
    std::atomic<int> runs{0};
    user::SetPendingCallsHook([&] { ++runs; });
    PostMessage(window.hwnd(), kPing, 0, 0);
    MSG msg;
    GetMessage(&msg, nullptr, 0, 0);
    user::SetPendingCallsHook(nullptr);
    EXPECT_GE(runs, 1);
}

}  // namespace
