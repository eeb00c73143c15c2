#pragma once
// The folder browser's window: the prompt, the current folder, its sub-folders, OK and Cancel.
#include <string>

#include "platform/framework/forms/Form.h"

namespace framework {

class TEdit;
class TListView;

class TFolderBrowserForm : public TCustomForm {
  public:
    TFolderBrowserForm(const std::string& prompt, const std::string& root, const std::string& initial);
    bool IsProgramForm() const override { return false; }

    const std::string& Folder() const { return folder_; }
    void ShowFolder(const std::string& folder);

  private:
    // Whether folder is root or lies inside it.
    static bool Within(const std::string& folder, const std::string& root);
    void Open(TObject* sender);

    std::string root_;
    std::string folder_;
    TEdit* folderBox_;
    TListView* list_;
};

}  // namespace framework
