#pragma once
// The window of the file dialogs: the folder, its sub-folders and the files the chosen filter shows, a name box,
// the filter list, OK and Cancel.
#include <string>
#include <vector>

#include "platform/framework/forms/FileFilter.h"
#include "platform/framework/forms/Form.h"

namespace framework {

class TButton;
class TComboBox;
class TEdit;
class TListView;
class TOpenDialog;

class TFileDialogForm : public TCustomForm {
  public:
    explicit TFileDialogForm(TOpenDialog& dialog);
    bool IsProgramForm() const override { return false; }

    const std::string& Folder() const { return folder_; }
    void ShowFolder(const std::string& folder);

  private:
    static std::string ExtractName(const std::string& path);
    void OkClicked(TObject* sender);
    void ListClicked(TObject* sender);
    void ListDoubleClicked(TObject* sender);
    void FilterChanged(TObject* sender);

    TOpenDialog& dialog_;
    std::vector<FileFilterEntry> filters_;
    std::string folder_;
    TEdit* folderBox_;
    TListView* list_;
    TEdit* nameBox_;
    TComboBox* filterBox_;
};

}  // namespace framework
