#pragma once
// What a job's polling thread calls, on the UI thread, of the job that owns the run: the thread knows no more of
// jobs than this.
#include "platform/process/StandardStream.h"

class TJobRunOwner {
  public:
    virtual void ReadPipe(platform::process::StandardStream stream) = 0;
    virtual void ProcessFinished() = 0;

  protected:
    ~TJobRunOwner() = default;
};
