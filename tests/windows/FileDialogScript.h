#pragma once
// Answers file open and save dialogs in order, and keeps what each dialog was opened with. A dialog without a
// scripted answer fails the test and is cancelled.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/framework/forms/OpenDialog.h"

struct ShownFileDialog {
    bool save = false;
    std::string title;
    std::string folder;  // where it opened
};

class FileDialogScript {
  public:
    FileDialogScript();
    ~FileDialogScript();
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    // The next dialog chooses this file (a full path).
    void Choose(const std::string& path) { answers_.push_back(path); }
    void Cancel() { answers_.push_back(""); }
    const std::vector<ShownFileDialog>& Shown() const { return shown_; }
    std::size_t Waiting() const { return answers_.size(); }

  private:
    std::deque<std::string> answers_;  // empty for Cancel
    std::vector<ShownFileDialog> shown_;
    framework::TFileDialogResponder previous_;
};
