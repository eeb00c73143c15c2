#pragma once
// One job run by an outside console program as a hidden child: the overwrite question, the child started from
// an argument vector, its output handed chunk by chunk to the job's parser on the UI thread, and its end posted
// to the owner's window. The MP3 and the speech-compression jobs are kinds of it.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/framework/TemporaryOutput.h"
#include "platform/process/StandardStream.h"
#include "platform/user/Types.h"
#include "trackmill/app/jobs/JobRunOwner.h"
#include "trackmill/app/jobs/ProcessInfo.h"

struct TJobRun;

class TChildProcessJob : public TJobRunOwner {
  public:
    TChildProcessJob();
    virtual ~TChildProcessJob();
    TChildProcessJob(const TChildProcessJob&) = delete;
    TChildProcessJob& operator=(const TChildProcessJob&) = delete;

    // Set by the owner before each Start.
    std::string FSourceFile;
    std::string FDestFile;
    win::HWND FNotifyWindow = nullptr;
    bool FRunning = false;

    // Asks before overwriting, checks the output, starts the child and its polling thread. The child writes
    // beside the output under a temporary name, renamed over the output only when the child has exited with 0
    // and what it wrote is whole: a file of that name stays as it was after every failure. A declined question
    // posts the finished marker instead with Status 0; an output that is the input itself, or (where the job
    // checks it) an output in use, with Status 1; a temporary that cannot be made, with
    // JOB_OUTPUT_UNWRITABLE and the reason. Throws framework::Exception ending with the error number when the
    // child cannot be started; nothing is posted then.
    void Start();
    // Ends a running job at once: its child and the child's group are killed and reaped in the background, and
    // nothing more is posted for it. Does not wait. What the child had written goes and the output stays as it
    // was, unless the child had already ended on its own with its output whole.
    void Stop(std::uint32_t ExitCode);
    void PostFinished(std::int32_t Status, std::int32_t ExitCode = NO_EXIT_CODE, const std::string& Cause = {});

    // The command as the user would read it, kept for display: program, options and the two quoted paths.
    const std::string& CommandLine() const { return FCommandLine; }

    // Called by the polling thread on the UI thread.
    void ReadPipe(platform::process::StandardStream stream) override;
    void ProcessFinished() override;

  protected:
    struct TCommand {
        std::string Text;                        // as displayed
        std::vector<std::string> Arguments;      // as run: each path one argument, never through a shell
        std::filesystem::path WorkingDirectory;  // empty: the application's own
    };

    virtual bool UsesPipes() const = 0;
    // Whether an existing output is asked about before it is overwritten.
    virtual bool AsksBeforeOverwrite() const = 0;
    // Whether an output in use ends the job with Status 1 instead of being overwritten.
    virtual bool ChecksOutputInUse() const = 0;
    // The command that writes to output, the temporary beside FDestFile; its text names FDestFile.
    virtual TCommand BuildCommand(const std::string& output) const = 0;
    // An output of at most this many bytes holds no sound although its child exited with 0; -1 when the exit
    // status alone tells.
    virtual std::int64_t SoundlessOutputBytes() const { return -1; }
    virtual void ResetProgress() = 0;
    virtual void ParseOutput(const std::string& chunk) = 0;
    virtual std::int32_t FinishedMarker() const = 0;
    virtual win::UINT ProgressMessage() const = 0;
    virtual std::string StartErrorText() const = 0;

    // Answers the overwrite question; true to overwrite.
    virtual bool ConfirmOverwrite(const std::string& question);
    // Reads the chunk the last peek announced; throws std::system_error when the read fails.
    virtual std::string ReadChunk(TJobRun& run, platform::process::StandardStream stream);

    // Posts progress of 1..100 to the owner; anything else is dropped.
    void PostProgress(std::unique_ptr<TProcessInfo> info) const;

    std::chrono::steady_clock::time_point FStartTime;

  private:
    // Lets go of the running child: no late call reaches this job through it any more.
    void ReleaseRun();
    // Puts the ended child's output in place; false, with the reason in cause, when it is not whole.
    bool KeepOutput(std::optional<int> exitCode, std::string& cause);
    void PostFinishedInfo(std::int32_t status, std::int32_t exitCode, bool outputComplete, const std::string& cause);

    std::shared_ptr<TJobRun> FRun;
    std::optional<framework::TemporaryOutput> FOutput;
    std::string FCommandLine;
    std::string FProgramName;  // as the command names it, for the messages
};
