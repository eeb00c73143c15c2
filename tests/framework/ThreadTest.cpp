#include "platform/framework/TThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/framework/Exception.h"
#include "platform/framework/Synchronize.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"

using framework::TThread;

namespace {

using Clock = std::chrono::steady_clock;

// Runs a test-supplied body as Execute, with Synchronize and SetReturnValue reachable from it.
class Worker : public TThread {
  public:
    explicit Worker(std::function<void(Worker&)> body) : body_(std::move(body)) {}
    using TThread::SetReturnValue;
    using TThread::Synchronize;

    std::atomic<bool>* destroyed = nullptr;

  protected:
    ~Worker() override {
        if (destroyed) *destroyed = true;
    }
    void Execute() override { body_(*this); }

  private:
    std::function<void(Worker&)> body_;
};

// Polls pred for up to five seconds.
bool Eventually(const std::function<bool()>& pred) {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!pred()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace

TEST(Thread, ATestRunsOnTheMainThread) { ASSERT_EQ(std::this_thread::get_id(), framework::MainThreadID()); }

TEST(Thread, NothingRunsBeforeResume) {
    std::atomic<bool> ran{false};
    auto* thread = new Worker([&](Worker&) { ran = true; });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(ran);
    EXPECT_FALSE(thread->Finished());
    thread->Free();
    EXPECT_FALSE(ran);
}

TEST(Thread, SynchronizedCallsRunOnTheMainThreadWhileItWaits) {
    std::thread::id ranOn;
    int calls = 0;
    auto* thread = new Worker([&](Worker& self) {
        for (int i = 0; i < 50; ++i)
            self.Synchronize([&] {
                ranOn = std::this_thread::get_id();
                ++calls;  // main-thread only: no lock needed
            });
        self.SetReturnValue(7);
    });
    thread->Resume();
    EXPECT_EQ(thread->WaitFor(), 7);
    EXPECT_EQ(calls, 50);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(thread->Finished());
    thread->Free();
}

TEST(Thread, EveryMessageLoopRunsSynchronizedCalls) {
    std::atomic<bool> synced{false};
    auto* thread = new Worker([&](Worker& self) {
        self.Synchronize([&] {
            synced = true;
            win::PostQuitMessage(3);
        });
    });
    thread->Resume();
    // The loop waits in GetMessage; only the synchronized call can end it.
    win::MSG msg{};
    while (win::GetMessage(&msg, nullptr, 0, 0)) win::DispatchMessage(&msg);
    EXPECT_TRUE(synced);
    EXPECT_EQ(msg.wParam, 3u);
    thread->Free();
}

TEST(Thread, AnExceptionInASynchronizedCallIsRaisedInTheWorker) {
    std::string caught;
    auto* thread = new Worker([&](Worker& self) {
        try {
            self.Synchronize([] { throw framework::Exception("Error reading STDOUT pipe : 32"); });
        } catch (const framework::Exception& error) {
            caught = error.Message();
        }
    });
    thread->Resume();
    thread->WaitFor();
    EXPECT_EQ(caught, "Error reading STDOUT pipe : 32");
    EXPECT_EQ(thread->FatalException(), nullptr);
    thread->Free();
}

TEST(Thread, AnExceptionThatEndsExecuteIsKeptNotThrown) {
    auto* thread = new Worker([](Worker& self) { self.Synchronize([] { throw std::runtime_error("pipe gone"); }); });
    thread->Resume();
    thread->WaitFor();
    ASSERT_NE(thread->FatalException(), nullptr);
    EXPECT_THROW(std::rethrow_exception(thread->FatalException()), std::runtime_error);
    thread->Free();
}

TEST(Thread, TerminateIsAFlagThatExecutePolls) {
    std::atomic<int> passes{0};
    auto* thread = new Worker([&](Worker& self) {
        while (!self.Terminated()) {
            ++passes;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    thread->Resume();
    ASSERT_TRUE(Eventually([&] { return passes > 3; }));
    EXPECT_FALSE(thread->Finished());
    thread->Terminate();
    EXPECT_TRUE(thread->Terminated());
    thread->WaitFor();
    EXPECT_TRUE(thread->Finished());
    thread->Free();
}

TEST(Thread, FreeingARunningThreadWaitsAndKeepsServingItsCalls) {
    std::atomic<int> synced{0};
    auto* thread = new Worker([&](Worker& self) {
        // Like a polling job: a synchronized call each pass until asked to stop.
        while (!self.Terminated()) self.Synchronize([&] { ++synced; });
        self.Synchronize([&] { ++synced; });
    });
    thread->Resume();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    thread->Free();  // would deadlock if the join did not run the pending call
    EXPECT_GE(synced, 1);
}

TEST(Thread, AFreeOnTerminateThreadDeletesItself) {
    std::atomic<bool> destroyed{false};
    auto* thread = new Worker([](Worker& self) { self.SetFreeOnTerminate(true); });
    thread->destroyed = &destroyed;
    thread->Resume();
    EXPECT_TRUE(Eventually([&] { return destroyed.load(); }));
}

TEST(Thread, AFreeOnTerminateThreadMaySynchronizeBeforeItGoes) {
    std::atomic<bool> destroyed{false};
    bool synced = false;
    auto* thread = new Worker([&](Worker& self) {
        self.SetFreeOnTerminate(true);
        self.Synchronize([&] { synced = true; });
    });
    thread->destroyed = &destroyed;
    thread->Resume();
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!destroyed && Clock::now() < deadline) framework::CheckSynchronize();
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(synced);
}

TEST(Thread, SynchronizeOnTheMainThreadRunsAtOnce) {
    bool ran = false;
    framework::RunOnMainThread([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_THROW(framework::RunOnMainThread([] { throw framework::Exception("x"); }), framework::Exception);
}

TEST(Thread, CheckSynchronizeDoesNothingOffTheMainThread) {
    bool answered = true;
    std::thread other([&] { answered = framework::CheckSynchronize(); });
    other.join();
    EXPECT_FALSE(answered);
}

TEST(Thread, AThreadCannotWaitForItself) {
    std::string message;
    auto* thread = new Worker([&](Worker& self) {
        try {
            self.WaitFor();
        } catch (const framework::Exception& error) {
            message = error.Message();
        }
    });
    thread->Resume();
    thread->WaitFor();
    EXPECT_FALSE(message.empty());
    thread->Free();
}

TEST(Thread, WaitingForAThreadInsideItsOwnSynchronizedCallRaisesInsteadOfHanging) {
    std::string message;
    auto* thread = new Worker([&](Worker& self) {
        self.Synchronize([&] {
            try {
                self.WaitFor();
            } catch (const framework::Exception& error) {
                message = error.Message();
            }
        });
    });
    thread->Resume();
    thread->WaitFor();
    EXPECT_NE(message.find("inside its own synchronized call"), std::string::npos) << message;
    thread->Free();
}
