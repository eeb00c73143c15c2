#pragma once
// The polling thread of one child job: peeks the child's stdout and stderr, hands each read to the UI thread,
// waits for the child's end in 100 ms steps while nothing comes, drains the pipes and reports the end. For a
// child without pipes it only waits for the end. It frees itself when it leaves.
#include <memory>

#include "platform/framework/TThread.h"

struct TJobRun;

class TJobThread : public framework::TThread {
  public:
    // Starts at once; nothing may touch the thread afterwards.
    static void Launch(std::shared_ptr<TJobRun> run);

    // Job threads not yet ended, for waiting until every one is gone.
    static int Live();

  protected:
    void Execute() override;

  private:
    explicit TJobThread(std::shared_ptr<TJobRun> run);
    ~TJobThread() override;

    // Hands every waiting chunk to the UI thread; false when none waited.
    bool ReadPass();

    std::shared_ptr<TJobRun> FRun;
};
