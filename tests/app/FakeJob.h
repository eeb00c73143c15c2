#pragma once
// A child job over the fake child program: its command is the fake child with the arguments the test chooses
// (then, when asked, the source and destination), its parser keeps every chunk and posts each number on a line as
// progress.
#include <functional>
#include <string>
#include <vector>

#include "trackmill/app/jobs/ChildProcessJob.h"

class FakeJob : public TChildProcessJob {
  public:
    std::string FProgram = TRACKMILL_FAKE_CHILD;
    std::vector<std::string> FArguments;
    bool FPassPaths = false;
    bool FPassOutput = false;  // the path the child is to write, alone
    bool FUsePipes = true;
    bool FAskBeforeOverwrite = true;
    bool FAnswer = true;
    int FQuestions = 0;
    // Makes the next read of this stream fail once.
    bool FFailNextOutputRead = false;
    std::vector<std::string> FChunks;

    std::string Text() const;

  protected:
    bool UsesPipes() const override { return FUsePipes; }
    bool AsksBeforeOverwrite() const override { return FAskBeforeOverwrite; }
    bool ChecksOutputInUse() const override { return true; }
    TCommand BuildCommand(const std::string& output) const override;
    void ResetProgress() override { FChunks.clear(); }
    void ParseOutput(const std::string& chunk) override;
    std::int32_t FinishedMarker() const override;
    win::UINT ProgressMessage() const override;
    std::string StartErrorText() const override { return "start failed: "; }
    bool ConfirmOverwrite(const std::string& question) override;
    std::string ReadChunk(TJobRun& run, platform::process::StandardStream stream) override;
};
