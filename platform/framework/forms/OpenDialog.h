#pragma once
// File open and save dialogs. Tests answer them through a responder instead of a user.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/framework/TComponent.h"
#include "platform/framework/TStringList.h"

namespace framework {

enum TOpenOption : unsigned {
    ofReadOnly = 0x1,
    ofOverwritePrompt = 0x2,
    ofHideReadOnly = 0x4,
    ofAllowMultiSelect = 0x200,
    ofPathMustExist = 0x800,
    ofFileMustExist = 0x1000,
    ofEnableSizing = 0x800000,
};
using TOpenOptions = unsigned;

class TOpenDialog : public TComponent {
  public:
    explicit TOpenDialog(TComponent* owner);

    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    // 1-based, as the platform counts filters.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    // The chosen files, full paths.
    const TStringList& Files() const { return files_; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions options) { options_ = options; }
    virtual bool IsSaveDialog() const { return false; }

    // False when the user cancelled.
    bool Execute();
    // For the dialog window: takes the chosen names (relative ones to dir) as the result.
    void Accept(const std::vector<std::string>& names, const std::string& dir);
    // The folder the dialog opens in; always one that exists.
    std::string StartFolder() const;

  private:
    std::string filter_;
    int filterIndex_ = 1;
    std::string fileName_;
    TStringList files_;
    std::string initialDir_;
    std::string title_;
    std::string defaultExt_;
    TOpenOptions options_ = ofHideReadOnly | ofEnableSizing;
};

class TSaveDialog : public TOpenDialog {
  public:
    using TOpenDialog::TOpenDialog;
    bool IsSaveDialog() const override { return true; }
};

// Given the dialog, the chosen paths (relative ones to the start folder), or nothing for Cancel.
using TFileDialogResponder = std::function<std::optional<std::vector<std::string>>(const TOpenDialog& dialog)>;
// Installs the responder (an empty one: the dialog waits for the user) and returns the previous one.
TFileDialogResponder SetFileDialogResponder(TFileDialogResponder responder);

}  // namespace framework
