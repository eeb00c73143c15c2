#pragma once
// A worker thread. It is created suspended: C++ builds the derived object only after this base, so Execute may
// not start before the derived constructor has finished; Resume starts it.
//
// Freeing: Free() asks a running thread to terminate and waits for its end. A thread with FreeOnTerminate set
// deletes itself when Execute returns; nothing may touch it after Resume except through Terminate before it
// ends, so owners keep only a non-owning reference and clear it when they ask it to terminate.
//
// Waiting: WaitFor on the main thread keeps running the calls that workers hand over with Synchronize, so a
// worker inside Synchronize cannot deadlock against the main thread joining it. Posted messages stay queued
// until the joining code returns to its message loop.
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/framework/TObject.h"

namespace framework {

class TThread : public TObject {
  public:
    TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Starts Execute on a new thread; later calls do nothing.
    void Resume();
    // Sets the flag that Execute polls through Terminated().
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool FreeOnTerminate() const { return freeOnTerminate_; }
    void SetFreeOnTerminate(bool freeOnTerminate) { freeOnTerminate_ = freeOnTerminate; }

    // Blocks until Execute has returned and gives its ReturnValue. Raises Exception when called from the
    // thread itself or from inside one of its synchronized calls, where it could only hang. A thread that was
    // never resumed has nothing to wait for.
    int WaitFor();
    bool Finished() const { return finished_; }
    // What escaped Execute, or null. Such an exception ends the thread and goes no further.
    std::exception_ptr FatalException() const { return fatalException_; }

    // Terminate, WaitFor, delete.
    void Free();

  protected:
    ~TThread() override;

    virtual void Execute() = 0;
    // Runs call on the main thread while this thread waits; re-raises here what call raised.
    void Synchronize(const std::function<void()>& call);
    void SetReturnValue(int value) { returnValue_ = value; }

  private:
    void Run();
    void Join();

    std::mutex startMutex_;  // held while thread_ is being assigned, so Run cannot detach it half-made
    std::thread thread_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> freeOnTerminate_{false};
    std::atomic<bool> finished_{false};  // set under the synchronize queue's lock, so joiners cannot miss it
    int returnValue_ = 0;
    std::exception_ptr fatalException_;
};

}  // namespace framework
